#include "objects/bereiche/THHyperSensitive.h"

#include "objects/kern/Feldregeln.h"
#include "objects/kern/TSeitenfenster.h"
#include "platform/Mauszeiger.h"
#include "store/Feldnummern.h"
#include "store/TTabelle.h"

#include <QMouseEvent>
#include <QPointer>

namespace {
constexpr int Handcursor = 1;
constexpr int Eintritt = 202;
} // namespace

THHyperSensitive::THHyperSensitive(QWidget* Eltern) : THXPaintBox(Eltern) {
    setCursor(Objektcursor(Handcursor));
}

void THHyperSensitive::MausGedrueckt(QMouseEvent& Ereignis) {
    const QPointer<QWidget> lebt(this);
    if (Ereignis.button() == Qt::LeftButton) LinkaktionDurchfuehren(Aktionsfelder, Beschreibung);
    if (lebt && Aktionsfelder.Mailaktion()) setEnabled(false);
}

void THHyperSensitive::MausBewegt(QMouseEvent&) {
    if (!Scharf) return;
    Scharf = false;
    if (TSeitenfenster* fenster = Fenster()) fenster->EreignisAusloesen(Tag, Eintritt);
}

void THHyperSensitive::FeldAnwenden(TTabelle& Tabelle, TDatensatz* Satz, uint16_t FeldId) {
    if (Aktionsfelder.FeldAnwenden(Tabelle, Satz, FeldId)) return;
    if (FeldId == Feld::Objekte::Cursor)
        setCursor(Objektcursor(Tabelle.LeseZahl(Satz, FeldId)));
    else
        THXPaintBox::FeldAnwenden(Tabelle, Satz, FeldId);
}
