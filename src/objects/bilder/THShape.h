#pragma once
// A geometric figure of the page: rectangle, square, rounded ones, ellipse or circle; it can
// be dragged, and a double click can lead to another page.

#include "objects/kern/TSeitenobjekt.h"
#include "objects/kern/TVerschiebung.h"

#include <QColor>
#include <QWidget>

#include <cstdint>
#include <string>

class THShape : public QWidget, public TSeitenobjekt {
    Q_OBJECT
    Q_PROPERTY(QString Beschreibung READ BeschreibungText WRITE BeschreibungTextSetzen)
    Q_PROPERTY(bool verschiebbar READ IstVerschiebbar WRITE VerschiebbarSetzen)
    Q_PROPERTY(int Ziel MEMBER Ziel)
public:
    enum class TShapeType {
        stRectangle,
        stSquare,
        stRoundRect,
        stRoundSquare,
        stEllipse,
        stCircle
    };

    explicit THShape(QWidget* Eltern = nullptr);

    bool Fensterlos() const override { return true; }

    bool IstVerschiebbar() const { return Verschiebung.IstVerschiebbar(); }
    void VerschiebbarSetzen(bool Wert) { Verschiebung.VerschiebbarSetzen(Wert); }
    // A name of the six figures ("stRectangle" ...); any other text keeps the figure.
    void FigurSetzen(const std::string& Name);

    TShapeType Figur = TShapeType::stRectangle;
    QColor Fuellfarbe = Qt::white;
    QColor Stiftfarbe = Qt::black;
    int Stiftbreite = 1;
    bool Transparent = false; // the figure is not filled
    int32_t Ziel = 0;         // page a double click goes to, 0 for none

protected:
    void FeldAnwenden(TTabelle& Tabelle, TDatensatz* Satz, uint16_t FeldId) override;
    void paintEvent(QPaintEvent* Ereignis) override;
    void MausGedrueckt(QMouseEvent& Ereignis) override { Verschiebung.Gedrueckt(Ereignis); }
    void MausBewegt(QMouseEvent& Ereignis) override { Verschiebung.Bewegt(Ereignis); }
    void Doppelklick(QMouseEvent& Ereignis) override;

private:
    void StiftbreiteSetzen(int32_t Breite);
    QRect Figurrechteck() const;

    TVerschiebung Verschiebung;
};
