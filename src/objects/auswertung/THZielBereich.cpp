#include "objects/auswertung/THZielBereich.h"

#include "objects/kern/Feldregeln.h"
#include "objects/kern/TObjektliste.h"
#include "objects/kern/TSeitenfenster.h"
#include "objects/texte/THSystemLabel.h"
#include "store/Feldnummern.h"
#include "store/Objekttyp.h"
#include "store/TTabelle.h"

#include <QPainter>

#include <algorithm>

namespace {

constexpr int Abgelegt = 224;
constexpr int32_t LeereZielbereiche = 1007;

} // namespace

THZielBereich::THZielBereich(QWidget* Eltern) : THXPaintBox(Eltern) {
    resize(100, 100);
}

QRect THZielBereich::Zielrechteck() const {
    return RechteckImFenster(*this);
}

void THZielBereich::ObjektAufgenommen() {
    if (TSeitenfenster* fenster = Fenster()) fenster->EreignisAusloesen(Tag, Abgelegt);
}

// Only the labels that show the count of empty targets follow a change of occupation.
void THZielBereich::BelegungGeaendert() {
    TSeitenfenster* fenster = Fenster();
    if (!fenster) return;
    TiefDurchlaufen(fenster->Objektliste(), [](TObjektliste& e) {
        if (e.Typ != Objekttyp::SystemLabel) return true;
        auto* label = qobject_cast<THSystemLabel*>(e.Objekt.data());
        if (label && label->Anzeige == LeereZielbereiche) label->Aktualisieren();
        return true;
    });
}

// An empty field keeps the default (grey fill, transparent, black frame of width 1).
void THZielBereich::FeldAnwenden(TTabelle& Tabelle, TDatensatz* Satz, uint16_t FeldId) {
    const bool leer = Tabelle.LeseText(Satz, FeldId).empty();
    switch (FeldId) {
    case Feld::Objekte::Farbe:
        if (!leer) Farbe = FeldFarbe(Tabelle, Satz, FeldId);
        break;
    case Feld::Objekte::Transparent:
        if (!leer) Transparent = Tabelle.LeseSchalter(Satz, FeldId);
        break;
    case Feld::Objekte::Stiftfarbe:
        if (!leer) Stiftfarbe = FeldFarbe(Tabelle, Satz, FeldId);
        break;
    case Feld::Objekte::Stiftbreite:
        if (!leer) Stiftbreite = std::max(0, Tabelle.LeseZahl(Satz, FeldId));
        break;
    case Feld::Objekte::Ausrichtung: Ausrichtung = Tabelle.LeseZahl(Satz, FeldId); break;
    default: THXPaintBox::FeldAnwenden(Tabelle, Satz, FeldId); return;
    }
    update();
}

void THZielBereich::paintEvent(QPaintEvent*) {
    QPainter maler(this);
    maler.setPen(Stiftbreite > 0
                     ? QPen(Stiftfarbe, Stiftbreite, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin)
                     : QPen(Qt::NoPen));
    maler.setBrush(Transparent ? QBrush(Qt::NoBrush) : QBrush(Farbe));
    // The frame lies inside the rectangle, as the figure of a shape does.
    const int rand = Stiftbreite / 2;
    maler.drawRect(QRect(rand, rand, width() - Stiftbreite, height() - Stiftbreite));
}
