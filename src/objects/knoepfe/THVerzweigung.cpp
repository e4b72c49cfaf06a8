#include "objects/knoepfe/THVerzweigung.h"

#include "platform/AnsiText.h"
#include "store/Feldnummern.h"
#include "store/TTabelle.h"

THVerzweigung::THVerzweigung(QWidget* Eltern) : THBitBtn(Eltern) {
    resize(100, 30);
    connect(this, &QPushButton::clicked, this, &THVerzweigung::Klick);
}

void THVerzweigung::Klick() {
    KnopfaktionDurchfuehren(Aktionsfelder, Beschreibung, *this);
}

void THVerzweigung::FeldAnwenden(TTabelle& Tabelle, TDatensatz* Satz, uint16_t FeldId) {
    if (Aktionsfelder.FeldAnwenden(Tabelle, Satz, FeldId)) return;
    switch (FeldId) {
    case Feld::Objekte::Text: setText(AnsiNachQString(Tabelle.LeseText(Satz, FeldId))); break;
    case Feld::Objekte::Aktiv: setEnabled(Tabelle.LeseSchalter(Satz, FeldId)); break;
    default: THBitBtn::FeldAnwenden(Tabelle, Satz, FeldId); break;
    }
}

bool THVerzweigung::Weiterleiten(QEvent::Type Art) const {
    return Aktionsfelder.Typ == 0 && THBitBtn::Weiterleiten(Art);
}
