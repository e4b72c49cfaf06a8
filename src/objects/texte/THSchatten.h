#pragma once
// A shadow: a grey shape, its edge fading out in rings, laid over the page so that it
// darkens (or, with layout 1, lightens) what lies beneath. On a page it stands alone; two of
// them form the drop shadow of a text or picture.

#include "objects/kern/THXPaintBox.h"

#include <QPointer>
#include <QRect>

#include <cstdint>

class THSchatten : public THXPaintBox {
    Q_OBJECT
public:
    // Which edges fade: all of them, all but the left (the right part of a drop shadow) or
    // all but the top and the right (the lower part).
    enum class TKanten { Geschlossen, LinksOffen, ObenRechtsOffen };

    explicit THSchatten(QWidget* Eltern = nullptr);

    // Field 1209: clamped to 0..255 (read as unsigned 16-bit, larger values become 255).
    void GrauwertSetzen(int32_t Wert);
    int Grauwert() const { return Grau; }
    QColor Schattenfarbe() const { return QColor(Grau, Grau, Grau); }

    int32_t Randbreite = 0; // number of fading rings
    int32_t Typ = 0;        // 0 rectangle, 1 rounded rectangle, 2 ellipse
    int32_t Radius = 30;    // corner size of the rounded rectangle
    int32_t Layout = 0;     // 1: lighten instead of darken
    TKanten Kanten = TKanten::Geschlossen;

    // The shadow's own picture, white where it leaves what lies beneath unchanged.
    QImage Bild() const;

protected:
    void FeldAnwenden(TTabelle& Tabelle, TDatensatz* Satz, uint16_t FeldId) override;
    void paintEvent(QPaintEvent* Ereignis) override;

private:
    void Form(QPainter& Maler, const QRectF& Rechteck) const;

    int Grau = 50;
};

// Where the two parts of a drop shadow lie for an object at `Objekt` (in its parent's
// coordinates) with shadow distance `Abstand`, lit from far to the upper left.
struct TSchattenlage {
    QRect Rechts;
    bool RechtsSichtbar = false;
    QRect Unten;
    bool UntenSichtbar = false;
};
TSchattenlage Schattenlage(const QRect& Objekt, int32_t Abstand, bool Transparent);

// The two shadow parts an object owns: created hidden next to it, with the configured
// margin and grey level, placed whenever the object shows, moves or changes.
class TSchlagschatten {
public:
    explicit TSchlagschatten(QWidget& Objekt);
    ~TSchlagschatten();
    TSchlagschatten(const TSchlagschatten&) = delete;
    TSchlagschatten& operator=(const TSchlagschatten&) = delete;

    void Platzieren(int32_t Abstand, bool Transparent);
    void Verbergen();
    // The object was brought to the front: its shadow parts lie above what it now covers.
    void Heben();
    // The object's parent changed: the shadows go with it.
    void ElternFolgen();

    THSchatten* Rechts() const { return RechterTeil; }
    THSchatten* Unten() const { return UntererTeil; }

private:
    QWidget& Objekt;
    // The parent may release them before the object.
    QPointer<THSchatten> RechterTeil;
    QPointer<THSchatten> UntererTeil;
};
