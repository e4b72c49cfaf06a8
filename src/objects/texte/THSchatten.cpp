#include "objects/texte/THSchatten.h"

#include "store/Config.h"
#include "store/Feldnummern.h"
#include "store/TTabelle.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

int Runden(double Wert) {
    return static_cast<int>(std::nearbyint(Wert));
}

// Beyond this distance the light would stand beside the object: no shadow.
constexpr int32_t GroessterAbstand = 20000;

} // namespace

THSchatten::THSchatten(QWidget* Eltern) : THXPaintBox(Eltern) {}

void THSchatten::GrauwertSetzen(int32_t Wert) {
    const auto wert = static_cast<uint16_t>(Wert);
    Grau = wert > 255 ? 255 : wert;
    update();
}

void THSchatten::FeldAnwenden(TTabelle& Tabelle, TDatensatz* Satz, uint16_t FeldId) {
    switch (FeldId) {
    case Feld::Objekte::Farbe: GrauwertSetzen(Tabelle.LeseZahl(Satz, FeldId)); break;
    case Feld::Objekte::Randbreite: Randbreite = Tabelle.LeseZahl(Satz, FeldId); break;
    case Feld::Objekte::Typ: Typ = Tabelle.LeseZahl(Satz, FeldId); break;
    case Feld::Objekte::Radius: Radius = Tabelle.LeseZahl(Satz, FeldId); break;
    case Feld::Objekte::Layout: Layout = Tabelle.LeseZahl(Satz, FeldId); break;
    default: THXPaintBox::FeldAnwenden(Tabelle, Satz, FeldId); return;
    }
    update();
}

void THSchatten::Form(QPainter& Maler, const QRectF& Rechteck) const {
    switch (Typ) {
    case 1: Maler.drawRoundedRect(Rechteck, Radius / 2.0, Radius / 2.0); break;
    case 2: Maler.drawEllipse(Rechteck); break;
    default: Maler.drawRect(Rechteck); break;
    }
}

QImage THSchatten::Bild() const {
    const int b = width();
    const int hoehe = height();
    QImage bild(std::max(b, 1), std::max(hoehe, 1), QImage::Format_RGB32);
    bild.fill(Qt::white);
    QPainter maler(&bild);
    maler.setPen(Schattenfarbe());
    maler.setBrush(Schattenfarbe());
    Form(maler, QRectF(0, 0, b - 1, hoehe - 1));
    maler.setBrush(Qt::NoBrush);
    // The rings fade from white at the edge towards the shadow's grey.
    double e = 255;
    for (int f = 1; f <= Randbreite; ++f) {
        e = std::clamp(Runden(e - (255.0 - Grau) / Randbreite), 0, 255);
        maler.setPen(QPen(QColor(int(e), int(e), int(e)), 2));
        // The 2-pixel pen covers pixel rows h and h + 1 inside the edge; open edges lie
        // outside the picture.
        const int h = f - 1;
        const bool links = Typ == 0 && Kanten == TKanten::LinksOffen;
        const bool obenRechts = Typ == 0 && Kanten == TKanten::ObenRechtsOffen;
        const QRectF ring(QPointF(links ? -1 : h + 1, obenRechts ? -1 : h + 1),
                          QPointF(obenRechts ? b + 1 : b - h - 1, hoehe - h - 1));
        Form(maler, ring);
    }
    return bild;
}

void THSchatten::paintEvent(QPaintEvent*) {
    QPainter maler(this);
    maler.setCompositionMode(Layout == 1 ? QPainter::RasterOp_NotSourceOrDestination
                                         : QPainter::RasterOp_SourceAndDestination);
    maler.drawImage(0, 0, Bild());
}

TSchattenlage Schattenlage(const QRect& Objekt, int32_t Abstand, bool Transparent) {
    TSchattenlage lage;
    if (Abstand <= 0 || Abstand >= GroessterAbstand) return lage;
    const double a = Abstand;
    const auto s = [a](int v) { return Runden(a * (v + 20000) / (20000 - a) + v); };
    const auto t = [a](int v) { return Runden(a * (v + 17000) / (20000 - a) + v); };
    const int l = Objekt.left();
    const int o = Objekt.top();
    const int r = l + Objekt.width();
    const int u = o + Objekt.height();

    const int rechtsLinks = std::max(s(l), r);
    lage.Rechts = QRect(rechtsLinks, t(o), s(r) - rechtsLinks, t(u) - t(o));
    lage.RechtsSichtbar = t(o) < u && !Transparent;

    const int untenOben = t(o) < u ? u : t(o);
    const int untenBreite = t(o) < u ? r - s(l) : s(r) - s(l);
    lage.Unten = QRect(s(l), untenOben, untenBreite, t(u) - untenOben);
    lage.UntenSichtbar = s(l) < r && !Transparent;
    return lage;
}

TSchlagschatten::TSchlagschatten(QWidget& Objekt)
    : Objekt(Objekt), RechterTeil(new THSchatten(Objekt.parentWidget())),
      UntererTeil(new THSchatten(Objekt.parentWidget())) {
    RechterTeil->Kanten = THSchatten::TKanten::LinksOffen;
    UntererTeil->Kanten = THSchatten::TKanten::ObenRechtsOffen;
    const TKonfiguration& k = Konfiguration();
    for (THSchatten* teil : {RechterTeil.data(), UntererTeil.data()}) {
        teil->hide();
        teil->Randbreite = k.SchattenRandbreite;
        if (k.SchattenGrauwert != 0) teil->GrauwertSetzen(k.SchattenGrauwert);
    }
}

TSchlagschatten::~TSchlagschatten() {
    delete RechterTeil.data();
    delete UntererTeil.data();
}

void TSchlagschatten::Platzieren(int32_t Abstand, bool Transparent) {
    if (!RechterTeil || !UntererTeil) return;
    if (Objekt.isHidden() || !Objekt.parentWidget()) {
        Verbergen();
        return;
    }
    const TSchattenlage lage = Schattenlage(Objekt.geometry(), Abstand, Transparent);
    RechterTeil->setGeometry(lage.Rechts);
    RechterTeil->setVisible(lage.RechtsSichtbar);
    UntererTeil->setGeometry(lage.Unten);
    UntererTeil->setVisible(lage.UntenSichtbar);
}

void TSchlagschatten::Verbergen() {
    for (THSchatten* teil : {RechterTeil.data(), UntererTeil.data()})
        if (teil) teil->hide();
}

void TSchlagschatten::Heben() {
    for (THSchatten* teil : {RechterTeil.data(), UntererTeil.data()})
        if (teil) teil->raise();
}

void TSchlagschatten::ElternFolgen() {
    for (THSchatten* teil : {RechterTeil.data(), UntererTeil.data()})
        if (teil) teil->setParent(Objekt.parentWidget()); // hidden by the change of parent
}
