#pragma once
// What the page-object tests share: a learner window that records what objects ask of it,
// a target area and a container for tests, and lessons built from JSON.

#include "objects/TObjektliste.h"
#include "objects/TSeitenfenster.h"
#include "objects/TSeitenobjekt.h"
#include "objects/TZielbereich.h"
#include "support/AufzeichnenderDialogDienst.h"
#include "support/Testverzeichnis.h"

#include <QWidget>

#include <string>
#include <vector>

// A learner window that records the mouse input and commands it receives and hands page
// events to its event objects.
class TTestfenster : public QWidget, public TSeitenfenster {
public:
    struct TMaus {
        char Art; // 'd' down, 'm' move, 'u' up
        QObject* Sender;
        Qt::MouseButtons Knoepfe;
        Qt::KeyboardModifiers Umschalter;
        QPoint Position;
    };

    TTestfenster();
    ~TTestfenster() override;

    QWidget* Fensterwidget() override { return this; }
    void FormMouseDown(QObject* Sender, Qt::MouseButton Knopf, Qt::KeyboardModifiers Umschalter,
                       QPoint Position) override;
    void FormMouseMove(QObject* Sender, Qt::MouseButtons Knoepfe,
                       Qt::KeyboardModifiers Umschalter, QPoint Position) override;
    void FormMouseUp(QObject* Sender, Qt::MouseButton Knopf, Qt::KeyboardModifiers Umschalter,
                     QPoint Position) override;
    void EreignisAusloesen(int32_t Quelle, int EreignisNr) override;
    TObjektliste* Objektliste() override { return Kopf; }
    void Fensterbefehl(int Code, int32_t Argument) override;

    // Appends an entry for `Objekt` to the page list (or to `Liste`).
    TObjektliste& Eintragen(QWidget* Objekt, int32_t Nummer, int16_t Typ);
    static TObjektliste& Eintragen(TObjektliste*& Liste, QWidget* Objekt, int32_t Nummer,
                                   int16_t Typ);

    TObjektliste* Kopf = nullptr;
    std::vector<TMaus> Maus;
    std::vector<std::pair<int, int32_t>> Befehle;
};

// A target area: a plain widget whose rectangle is the area.
class TTestzielbereich : public QWidget, public TZielbereich {
public:
    using QWidget::QWidget;
    QRect Zielrechteck() const override;
    void ObjektAufgenommen() override { ++Aufgenommen; }
    int Aufgenommen = 0;
};

// A container with a list of its own.
class TTestcontainer : public QWidget, public TSeitenobjekt {
public:
    explicit TTestcontainer(QWidget* Eltern) : QWidget(Eltern), TSeitenobjekt(this) {}
    ~TTestcontainer() override { ObjektlisteFreigeben(Liste); }
    TObjektliste** EigeneObjektliste() override { return &Liste; }
    TObjektliste* Liste = nullptr;
};

// A test with a lesson of its own in its directory, opened as the running lesson.
class Lektionstest : public Testverzeichnis {
protected:
    void TearDown() override;
    // `Tabellen`: the "tables" part of a lesson source.
    void LektionBauen(const std::string& Tabellen);
    // The object table of the running lesson and one of its records.
    TTabelle& Objekte();
    TDatensatz* Objektsatz(int32_t Nr);

    AufzeichnenderDialogDienst Dialoge;
};

// A picture file of one colour, `Ecke` in its lower left pixel.
void BilddateiSchreiben(const std::filesystem::path& Datei, QSize Groesse, QColor Farbe,
                        QColor Ecke);
