#include "objects/kern/TVerschiebung.h"

#include "objects/kern/Feldregeln.h"
#include "objects/kern/TObjektliste.h"
#include "objects/kern/TSeitenfenster.h"
#include "objects/kern/TSeitenobjekt.h"
#include "objects/kern/TZielbereich.h"

#include <QMouseEvent>
#include <QWidget>

#include <algorithm>

namespace {

// The edges themselves do not count.
bool StrengInnen(const QRect& Bereich, QPoint Punkt) {
    return Bereich.left() < Punkt.x() && Punkt.x() < Bereich.left() + Bereich.width() &&
           Bereich.top() < Punkt.y() && Punkt.y() < Bereich.top() + Bereich.height();
}

QPoint Mitte(const QRect& r) {
    return {r.left() + r.width() / 2, r.top() + r.height() / 2};
}

bool NurLinkerKnopf(const QMouseEvent& Ereignis) {
    const auto umschalter = Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier;
    return Ereignis.buttons() == Qt::LeftButton && !(Ereignis.modifiers() & umschalter);
}

} // namespace

QPoint TVerschiebung::Mittelpunkt() const {
    return Mitte(RechteckImFenster(*Objekt.Steuerelement()));
}

std::vector<TZielbereich*> TVerschiebung::Zielbereiche() const {
    std::vector<TZielbereich*> bereiche;
    TSeitenfenster* fenster = Objekt.Fenster();
    if (!fenster) return bereiche;
    TiefDurchlaufen(fenster->Objektliste(), [&](TObjektliste& e) {
        if (auto* bereich = dynamic_cast<TZielbereich*>(e.Objekt.data()))
            bereiche.push_back(bereich);
        return true;
    });
    return bereiche;
}

void TVerschiebung::Gedrueckt(const QMouseEvent& Ereignis) {
    Druckpunkt = Ereignis.position().toPoint();
    if (Modus != Art::MitZielbereichen) return;
    const QPoint mitte = Mittelpunkt();
    for (TZielbereich* bereich : Zielbereiche())
        if (StrengInnen(bereich->Zielrechteck(), mitte)) bereich->Belegung = 0;
}

void TVerschiebung::Bewegt(const QMouseEvent& Ereignis) {
    if (!Verschiebbar || !NurLinkerKnopf(Ereignis)) return;
    QWidget& w = *Objekt.Steuerelement();
    const QPoint p = Ereignis.position().toPoint();
    int links = std::max(0, w.x() + p.x() - Druckpunkt.x());
    int oben = std::max(0, w.y() + p.y() - Druckpunkt.y());
    if (const QWidget* eltern = w.parentWidget()) {
        links = std::min(links, eltern->width() - w.width());
        oben = std::min(oben, eltern->height() - w.height());
    }
    w.move(links, oben);
}

void TVerschiebung::Losgelassen() {
    if (!Verschiebbar || Modus != Art::MitZielbereichen) return;
    bool aufgenommen = false;
    for (TZielbereich* bereich : Zielbereiche())
        if (Aufnehmen(*bereich)) aufgenommen = true;
    if (!aufgenommen) Objekt.Steuerelement()->move(Objekt.Heimat);
}

bool TVerschiebung::Aufnehmen(TZielbereich& Bereich) {
    const QRect rechteck = Bereich.Zielrechteck();
    if (Bereich.Belegung != 0 || !StrengInnen(rechteck, Mittelpunkt())) return false;
    Bereich.Belegung = Objekt.Tag;
    Bereich.ObjektAufgenommen();
    if (Bereich.Ausrichtung == 1) {
        QWidget& w = *Objekt.Steuerelement();
        const QPoint imFenster = Mitte(rechteck) - QPoint(w.width() / 2, w.height() / 2);
        const QWidget* eltern = w.parentWidget();
        w.move(eltern ? eltern->mapFrom(w.window(), imFenster) : imFenster);
    }
    return true;
}
