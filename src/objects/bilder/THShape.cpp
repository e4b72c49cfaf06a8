#include "objects/bilder/THShape.h"

#include "objects/kern/Feldregeln.h"
#include "objects/kern/TSeitenfenster.h"
#include "store/Feldnummern.h"
#include "store/TTabelle.h"

#include <QPainter>

#include <algorithm>
#include <iterator>

namespace {

constexpr int GeheZuSeite = 0;

bool Quadratisch(THShape::TShapeType Figur) {
    using F = THShape::TShapeType;
    return Figur == F::stSquare || Figur == F::stRoundSquare || Figur == F::stCircle;
}

} // namespace

THShape::THShape(QWidget* Eltern)
    : QWidget(Eltern), TSeitenobjekt(this),
      Verschiebung(*this, TVerschiebung::Art::OhneZielbereiche) {
    resize(65, 65);
}

void THShape::FigurSetzen(const std::string& Name) {
    static const char* const namen[] = {"stRectangle",   "stSquare",  "stRoundRect",
                                        "stRoundSquare", "stEllipse", "stCircle"};
    const auto it = std::find(std::begin(namen), std::end(namen), Name);
    if (it == std::end(namen)) return;
    Figur = static_cast<TShapeType>(it - std::begin(namen));
    update();
}

void THShape::StiftbreiteSetzen(int32_t Breite) {
    // A negative width is refused and keeps the pen as it was.
    if (Breite < 0) return;
    Stiftbreite = std::max(Breite, 1);
    update();
}

void THShape::FeldAnwenden(TTabelle& Tabelle, TDatensatz* Satz, uint16_t FeldId) {
    switch (FeldId) {
    case Feld::Objekte::Farbe: Fuellfarbe = FeldFarbe(Tabelle, Satz, FeldId); break;
    case Feld::Objekte::Verschiebbar: VerschiebbarSetzen(Tabelle.LeseSchalter(Satz, FeldId)); break;
    case Feld::Objekte::Ziel: Ziel = Tabelle.LeseZahl(Satz, FeldId); break;
    case Feld::Objekte::Transparent: Transparent = Tabelle.LeseSchalter(Satz, FeldId); break;
    case Feld::Objekte::Shape: FigurSetzen(Tabelle.LeseText(Satz, FeldId)); break;
    case Feld::Objekte::Stiftfarbe: Stiftfarbe = FeldFarbe(Tabelle, Satz, FeldId); break;
    case Feld::Objekte::Stiftbreite: StiftbreiteSetzen(Tabelle.LeseZahl(Satz, FeldId)); break;
    default: TSeitenobjekt::FeldAnwenden(Tabelle, Satz, FeldId); return;
    }
    update();
}

// The figure sits inside the pen's width; square figures are centred in the object.
QRect THShape::Figurrechteck() const {
    int x = Stiftbreite / 2;
    int y = x;
    int w = width() - Stiftbreite + 1;
    int h = height() - Stiftbreite + 1;
    const int s = std::min(w, h);
    if (Quadratisch(Figur)) {
        x += (w - s) / 2;
        y += (h - s) / 2;
        w = h = s;
    }
    return {x, y, w - 1, h - 1};
}

void THShape::paintEvent(QPaintEvent*) {
    QPainter maler(this);
    maler.setPen(QPen(Stiftfarbe, Stiftbreite, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    maler.setBrush(Transparent ? QBrush(Qt::NoBrush) : QBrush(Fuellfarbe));
    const QRect r = Figurrechteck();
    switch (Figur) {
    case TShapeType::stRectangle:
    case TShapeType::stSquare: maler.drawRect(r); break;
    case TShapeType::stRoundRect:
    case TShapeType::stRoundSquare: {
        const qreal radius = std::min(r.width(), r.height()) / 8.0;
        maler.drawRoundedRect(r, radius, radius);
        break;
    }
    case TShapeType::stEllipse:
    case TShapeType::stCircle: maler.drawEllipse(r); break;
    }
}

void THShape::Doppelklick(QMouseEvent&) {
    if (Ziel != 0 && Fenster()) Fenster()->Fensterbefehl(GeheZuSeite, Ziel);
}
