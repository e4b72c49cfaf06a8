#include "objects/bereiche/THMouseSensitive.h"

#include "objects/kern/Feldregeln.h"
#include "objects/kern/TSeitenfenster.h"
#include "objects/rollen/TSystemwertdienst.h"
#include "store/Feldnummern.h"
#include "store/TAnwendungskontext.h"
#include "store/TTabelle.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPointer>

namespace {
constexpr int Handzeiger = 10;
constexpr int Geklickt = 218;
} // namespace

THMouseSensitive::THMouseSensitive(QWidget* Eltern) : THXPaintBox(Eltern) {
    CursorSetzen(*this, Handzeiger);
}

void THMouseSensitive::MarkiertSetzen(bool Wert) {
    if (Wert == Marke) return;
    Marke = Wert;
    update();
    if (Bewertung) Rolle<TSystemwertdienst>().SystemanzeigenAktualisieren();
}

void THMouseSensitive::GruppeFreigeben() {
    if (GroupIndex == 0 || !parent()) return;
    for (QObject* kind : parent()->children()) {
        auto* flaeche = qobject_cast<THMouseSensitive*>(kind);
        if (flaeche && flaeche != this && flaeche->GroupIndex == GroupIndex)
            flaeche->MarkiertSetzen(false);
    }
}

void THMouseSensitive::MausGedrueckt(QMouseEvent& Ereignis) {
    const QPointer<QWidget> lebt(this);
    // System labels learn the clicked area with the refresh the new mark brings, or else
    // with one of their own: one refresh per click.
    if (TSeitenfenster* f = Fenster()) f->FlaecheGeklickt(Tag);
    GruppeFreigeben();
    MarkiertSetzen(!Marke);
    if (!Bewertung) Rolle<TSystemwertdienst>().SystemanzeigenAktualisieren();
    TSeitenfenster* fenster = Fenster();
    if (!lebt || !fenster) return;
    fenster->FormMouseDown(this, Ereignis.button(), Ereignis.modifiers(),
                           Ereignis.position().toPoint() + pos());
    if (lebt) fenster->EreignisAusloesen(Tag, Geklickt);
}

bool THMouseSensitive::Weiterleiten(QEvent::Type Art) const {
    return Art != QEvent::MouseButtonPress && Art != QEvent::MouseButtonDblClick;
}

void THMouseSensitive::paintEvent(QPaintEvent*) {
    if (!Marke) return;
    // What the page painted below turns into its inverse.
    QPainter maler(this);
    maler.setCompositionMode(QPainter::RasterOp_NotDestination);
    maler.fillRect(rect(), Qt::black);
}

void THMouseSensitive::FeldAnwenden(TTabelle& Tabelle, TDatensatz* Satz, uint16_t FeldId) {
    switch (FeldId) {
    case Feld::Objekte::Markiert: MarkiertSetzen(Tabelle.LeseSchalter(Satz, FeldId)); break;
    case Feld::Objekte::GroupIndex: GroupIndex = Tabelle.LeseZahl(Satz, FeldId); break;
    case Feld::Objekte::Bewertung: Bewertung = Tabelle.LeseSchalter(Satz, FeldId); break;
    default: THXPaintBox::FeldAnwenden(Tabelle, Satz, FeldId); break;
    }
}
