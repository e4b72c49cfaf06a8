#pragma once
// What the page-object tests share: a learner window that records what objects ask of it,
// a target area and a container for tests, and lessons built from JSON.

#include "actions/TAktionsausfuehrer.h"
#include "objects/kern/TObjektliste.h"
#include "objects/kern/TSeitenfenster.h"
#include "objects/kern/TSeitenobjekt.h"
#include "objects/kern/TZielbereich.h"
#include "objects/rollen/TAktionshorcher.h"
#include "objects/rollen/TAktionskontext.h"
#include "objects/rollen/TSeitenfensterwahl.h"
#include "platform/Dokumente.h"
#include "store/TAnwendungskontext.h"
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
    void FormMouseMove(QObject* Sender, Qt::MouseButtons Knoepfe, Qt::KeyboardModifiers Umschalter,
                       QPoint Position) override;
    void FormMouseUp(QObject* Sender, Qt::MouseButton Knopf, Qt::KeyboardModifiers Umschalter,
                     QPoint Position) override;
    void EreignisAusloesen(int32_t Quelle, int EreignisNr) override;
    TObjektliste* Objektliste() override { return Liste.Kopf(); }
    void Fensterbefehl(int Code, int32_t Argument) override;

    // Appends an entry for `Objekt` to the page list (or to `Liste`).
    TObjektliste& Eintragen(QWidget* Objekt, int32_t Nummer, int16_t Typ);
    static TObjektliste& Eintragen(TObjektreihe& Liste, QWidget* Objekt, int32_t Nummer,
                                   int16_t Typ);

    TObjektreihe Liste;
    std::vector<TMaus> Maus;
    std::vector<std::pair<int, int32_t>> Befehle;

private:
    // The window is the current one for as long as it lives.
    TSeitenfensterwahl Wahl{this};
    TRollenersatz<TSeitenfensterwahl> WahlErsatz{Wahl};
};

// A learner window that also records the page events it is asked to raise.
class TEreignisfenster : public TTestfenster {
public:
    void EreignisAusloesen(int32_t Quelle, int EreignisNr) override {
        Ereignisse.emplace_back(Quelle, EreignisNr);
        TTestfenster::EreignisAusloesen(Quelle, EreignisNr);
    }
    // The numbers of the events raised, those of `Nummern` only.
    std::vector<int> Nur(std::initializer_list<int> Nummern) const;
    std::vector<std::pair<int32_t, int>> Ereignisse;
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
    TObjektreihe* EigeneObjektliste() override { return &Liste; }
    TObjektreihe Liste;
};

// The objects' requests are carried out by the real actions, as in the program, with an
// action context of the test's own, for as long as it lives.
struct TTestaktionen {
    TAktionsausfuehrer Ausfuehrer;
    TRollenersatz<TAktionsausfuehrung> AusfuehrerErsatz{Ausfuehrer};
    TAktionskontext Aktionskontext;
    TRollenersatz<TAktionskontext> AktionskontextErsatz{Aktionskontext};
    std::string& AktuelleEmail = Aktionskontext.Email;
    std::string& AktuelleBeschreibung = Aktionskontext.Beschreibung;
    std::string& AnstehendesScript = Aktionskontext.AnstehendesScript;
    std::string& AktuellesDokument = Aktionskontext.Dokument;
    int32_t& AktuelleMenuenummer = Aktionskontext.Menuenummer;
    QPoint& Popuppunkt = Aktionskontext.Popuppunkt;
};

// A test with a lesson of its own in its directory, opened as the running lesson.
class Lektionstest : public Testverzeichnis, protected TTestaktionen {
protected:
    void TearDown() override;
    // `Tabellen`: the "tables" part of a lesson source.
    void LektionBauen(const std::string& Tabellen);
    // The object table of the running lesson and one of its records.
    TTabelle& Objekte();
    TDatensatz* Objektsatz(int32_t Nr);
    // Creates the object of class K for record `Nr` on the page of `Fenster`, applies its
    // fields and shows it.
    template <class K> K* ObjektBauen(TTestfenster& Fenster, int32_t Nr, int16_t Typ) {
        auto* o = new K(&Fenster);
        Fenster.Eintragen(o, Nr, Typ);
        o->AlleFelderUebernehmen(Objekte(), Objektsatz(Nr));
        o->show();
        return o;
    }

    AufzeichnenderDialogDienst Dialoge;
};

// Records every action request, installed for as long as it lives.
class TAktionsmitschrift : public TAktionshorcher {
public:
    void AktionGehoert(const TAktionsaufruf& Aufruf) override { Aufrufe.push_back(Aufruf); }
    std::vector<TAktionsaufruf> Aufrufe;

private:
    TRollenersatz<TAktionshorcher> Ersatz{*this};
};

// Records the documents opened instead of opening them, installed for as long as it lives.
class TDokumentmitschrift : public TDokumentoeffner {
public:
    bool Oeffnen(const QUrl& Adresse) override {
        Geoeffnet.push_back(Adresse);
        return Antwort;
    }
    std::vector<QUrl> Geoeffnet;
    bool Antwort = true;

private:
    TRollenersatz<TDokumentoeffner> Ersatz{*this};
};

// A picture file of one colour, `Ecke` in its lower left pixel.
void BilddateiSchreiben(const std::filesystem::path& Datei, QSize Groesse, QColor Farbe,
                        QColor Ecke);
