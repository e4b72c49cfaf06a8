#include "objects/knoepfe/THBildknopf.h"

#include "objects/bilder/THBitmap.h"
#include "objects/kern/Bilddateien.h"
#include "objects/kern/Feldregeln.h"
#include "store/Feldnummern.h"
#include "store/TTabelle.h"

#include <QPainter>

namespace {

// The picture with every pixel of its lower left pixel's colour see-through.
QImage Durchsichtig(const QImage& Bild) {
    if (Bild.isNull()) return Bild;
    QImage ergebnis = Bild.convertToFormat(QImage::Format_ARGB32);
    const QRgb schluessel = ergebnis.pixel(0, ergebnis.height() - 1);
    for (int y = 0; y < ergebnis.height(); ++y) {
        auto* zeile = reinterpret_cast<QRgb*>(ergebnis.scanLine(y));
        for (int x = 0; x < ergebnis.width(); ++x)
            if (zeile[x] == schluessel) zeile[x] = 0;
    }
    return ergebnis;
}

} // namespace

THBildknopf::THBildknopf(QWidget* Eltern, int HoechsteStueckzahl)
    : QWidget(Eltern), TSeitenobjekt(this), HoechsteStueckzahl(HoechsteStueckzahl) {
    resize(50, 50);
    TabstoppSetzen(true);
}

void THBildknopf::StreifenLaden() {
    Streifen = Bilddateien::BildLaden(Pfadname, Dateiname);
    Platzhalter = Streifen.isNull();
    if (Platzhalter) {
        Stuecke.clear();
        AnzeigeSetzen(THBitmap::Platzhalter());
        return;
    }
    Schneiden();
}

void THBildknopf::BildbreiteSetzen(int32_t Breite) {
    if (Breite == Bildbreite) return;
    Bildbreite = Breite;
    if (!Streifen.isNull()) Schneiden();
}

void THBildknopf::Schneiden() {
    Stuecke.clear();
    const int breite = Bildbreite > 0 ? Bildbreite : Streifen.width();
    const int anzahl = std::min(Streifen.width() / breite, HoechsteStueckzahl);
    for (int i = 0; i < anzahl; ++i)
        Stuecke.push_back(Streifen.copy(i * breite, 0, breite, Streifen.height()));
    // A strip narrower than one piece is shown whole.
    Gezeigt = -1;
    if (Stuecke.empty())
        AnzeigeSetzen(Streifen);
    else
        StueckZeigen(NormalesStueck());
}

void THBildknopf::StueckZeigen(int Nr) {
    if (Platzhalter || Stuecke.empty()) return;
    if (Nr == Gezeigt) return;
    Gezeigt = Nr;
    if (Nr >= 0 && Nr < Stueckzahl()) {
        AnzeigeSetzen(Stuecke[Nr]);
    } else {
        // An empty piece of the button's size.
        QImage leer(Stuecke.front().size(), QImage::Format_ARGB32);
        leer.fill(Qt::transparent);
        Anzeige = leer;
        GemaltAktualisieren();
    }
}

void THBildknopf::AnzeigeSetzen(const QImage& Bild) {
    Anzeige = Bild;
    if (!Anzeige.isNull()) resize(Anzeige.size());
    GemaltAktualisieren();
}

void THBildknopf::GemaltAktualisieren() {
    // Keyed out once per change of picture or transparency, not on every paint: the
    // buttons repaint on every hover change.
    Gemalt = Transparent ? Durchsichtig(Anzeige) : Anzeige;
    update();
}

bool THBildknopf::AufKnopf(QPoint Punkt) const {
    // Every piece has the shape of the normal one; an empty state piece (a strip without
    // a pressed picture) must not make the button lose its click.
    const QImage& form = Stuecke.empty() ? Anzeige : Stuecke.front();
    if (form.isNull() || !form.rect().contains(Punkt)) return false;
    const QPoint ecke(1, height() - 1);
    if (!form.rect().contains(ecke)) return true;
    return form.pixel(Punkt) != form.pixel(ecke);
}

void THBildknopf::TransparentSetzen(bool Wert) {
    Transparent = Wert;
    GemaltAktualisieren();
}

void THBildknopf::FeldAnwenden(TTabelle& Tabelle, TDatensatz* Satz, uint16_t FeldId) {
    switch (FeldId) {
    case Feld::Objekte::Dateiname:
        Dateiname = Tabelle.LeseText(Satz, FeldId);
        Pfadname = Tabelle.LeseText(Satz, Feld::Objekte::Pfadname);
        StreifenLaden();
        break;
    case Feld::Objekte::Transparent: TransparentSetzen(Tabelle.LeseSchalter(Satz, FeldId)); break;
    case Feld::Objekte::Bildbreite: BildbreiteSetzen(Tabelle.LeseZahl(Satz, FeldId)); break;
    default: TSeitenobjekt::FeldAnwenden(Tabelle, Satz, FeldId); break;
    }
}

void THBildknopf::paintEvent(QPaintEvent*) {
    QPainter maler(this);
    if (!Gemalt.isNull()) maler.drawImage(0, 0, Gemalt);
    if (hasFocus()) FokusZeigen(maler);
}

bool THBildknopf::Weiterleiten(QEvent::Type Art) const {
    return Art != QEvent::MouseMove;
}
