#include "objects/kern/TVerschiebung.h"

#include "objects/kern/Feldregeln.h"
#include "objects/kern/Fokusmarke.h"
#include "objects/kern/TBehandlung.h"
#include "objects/kern/TObjektliste.h"
#include "objects/kern/TSeitenfenster.h"
#include "objects/kern/TSeitenobjekt.h"
#include "objects/kern/TZielbereich.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
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

// The arrow keys as a step: right and down are positive.
QPoint Pfeilrichtung(int Taste) {
    switch (Taste) {
    case Qt::Key_Left: return {-1, 0};
    case Qt::Key_Right: return {1, 0};
    case Qt::Key_Up: return {0, -1};
    case Qt::Key_Down: return {0, 1};
    default: return {};
    }
}

} // namespace

// Sees the object's keys, focus and painting before the object does, so that the keys of
// carrying never reach the object's own key handling (a Space that would click it).
class TVerschiebung::Tastenfilter : public QObject {
public:
    explicit Tastenfilter(TVerschiebung& Verschiebung) : Verschiebung(Verschiebung) {}

    bool eventFilter(QObject* Ziel, QEvent* Ereignis) override {
        QWidget* w = Verschiebung.Objekt.Steuerelement();
        if (Ziel != w || !Verschiebung.Verschiebbar) return false;
        switch (Ereignis->type()) {
        case QEvent::KeyPress: return Verschiebung.Taste(*static_cast<QKeyEvent*>(Ereignis));
        case QEvent::FocusOut:
            if (Verschiebung.Tragend && Weitergegangen(*static_cast<QFocusEvent*>(Ereignis)))
                Verschiebung.Ablegen();
            return false;
        case QEvent::Paint: return Malen(*w, Ereignis);
        default: return false;
        }
    }

private:
    // The learner moved on with Tab or the mouse: a carried object is put down where it is.
    // Any other loss of the focus (another window, the page or window going away) leaves it
    // carried until the focus comes back.
    static bool Weitergegangen(const QFocusEvent& Ereignis) {
        const Qt::FocusReason grund = Ereignis.reason();
        return grund == Qt::TabFocusReason || grund == Qt::BacktabFocusReason ||
               grund == Qt::MouseFocusReason;
    }

    // The object paints itself first; a focused object then gets its focus mark on top.
    static bool Malen(QWidget& w, QEvent* Ereignis) {
        if (!w.hasFocus()) return false;
        static_cast<QObject&>(w).event(Ereignis);
        QPainter maler(&w);
        FokusmarkeZeichnen(maler, w);
        return true;
    }

    TVerschiebung& Verschiebung;
};

TVerschiebung::TVerschiebung(TSeitenobjekt& Objekt, Art Modus)
    : Objekt(Objekt), Modus(Modus), Filter(std::make_unique<Tastenfilter>(*this)) {
    Objekt.Steuerelement()->installEventFilter(Filter.get());
}

TVerschiebung::~TVerschiebung() = default;

void TVerschiebung::VerschiebbarSetzen(bool Wert) {
    if (Wert == Verschiebbar) return;
    QWidget& w = *Objekt.Steuerelement();
    if (Wert) {
        EigeneFokusregel = w.focusPolicy();
        w.setFocusPolicy(static_cast<Qt::FocusPolicy>(EigeneFokusregel | Qt::TabFocus));
    } else {
        Tragend = false;
        w.setFocusPolicy(EigeneFokusregel);
    }
    Verschiebbar = Wert;
}

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
    Aufheben();
}

// The object leaves the target areas it lies in.
void TVerschiebung::Aufheben() {
    if (Modus != Art::MitZielbereichen) return;
    const QPoint mitte = Mittelpunkt();
    for (TZielbereich* bereich : Zielbereiche())
        if (StrengInnen(bereich->Zielrechteck(), mitte)) bereich->BelegungSetzen(0);
}

void TVerschiebung::Bewegt(const QMouseEvent& Ereignis) {
    if (!Verschiebbar || !NurLinkerKnopf(Ereignis)) return;
    const QWidget& w = *Objekt.Steuerelement();
    Versetzen(w.pos() + Ereignis.position().toPoint() - Druckpunkt);
}

// Moves the object to `Lage`, kept inside its parent's client area.
void TVerschiebung::Versetzen(QPoint Lage) {
    QWidget& w = *Objekt.Steuerelement();
    int links = std::max(0, Lage.x());
    int oben = std::max(0, Lage.y());
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
    if (Bereich.Ausrichtung == 1) {
        QWidget& w = *Objekt.Steuerelement();
        const QPoint imFenster = Mitte(rechteck) - QPoint(w.width() / 2, w.height() / 2);
        const QWidget* eltern = w.parentWidget();
        w.move(eltern ? eltern->mapFrom(w.window(), imFenster) : imFenster);
    }
    Bereich.BelegungSetzen(Objekt.Tag);
    return true;
}

// Space picks up and puts down, the arrows carry, Escape sends home; every other key, and
// the arrows while nothing is carried, go on to the object.
bool TVerschiebung::Taste(const QKeyEvent& Ereignis) {
    const int taste = Ereignis.key();
    const auto umschalter = Ereignis.modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier);
    if (umschalter != Qt::NoModifier) return false;
    const TBehandlung behandlung(Objekt.Fenster());
    if (taste == Qt::Key_Space) {
        if (Ereignis.isAutoRepeat()) return true;
        if (Tragend) {
            Ablegen();
        } else {
            Aufheben();
            Tragend = true;
        }
        return true;
    }
    if (taste == Qt::Key_Escape) {
        if (!Tragend && Objekt.Steuerelement()->pos() == Objekt.Heimat) return false;
        NachHause();
        return true;
    }
    const QPoint richtung = Pfeilrichtung(taste);
    if (!Tragend || richtung.isNull()) return false;
    const bool gross = Ereignis.modifiers() & Qt::ShiftModifier;
    Versetzen(Objekt.Steuerelement()->pos() + richtung * (gross ? GrosserSchritt : Schritt));
    return true;
}

void TVerschiebung::Ablegen() {
    Tragend = false;
    Losgelassen();
}

// Home again, out of every target area it lay in, as after a drop that nobody took.
void TVerschiebung::NachHause() {
    if (!Tragend) Aufheben();
    Tragend = false;
    Objekt.Steuerelement()->move(Objekt.Heimat);
}
