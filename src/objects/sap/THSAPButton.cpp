#include "objects/sap/THSAPButton.h"

#include "store/Feldnummern.h"
#include "store/TTabelle.h"

THSAPButton::THSAPButton(QWidget* Eltern) : THBitBtn(Eltern) {
    resize(23, 23);
    connect(this, &QPushButton::clicked, this, &THSAPButton::Klick);
}

void THSAPButton::Klick() {
    KnopfaktionDurchfuehren(Aktionsfelder, Beschreibung, *this);
}

void THSAPButton::FeldAnwenden(TTabelle& Tabelle, TDatensatz* Satz, uint16_t FeldId) {
    if (Aktionsfelder.FeldAnwenden(Tabelle, Satz, FeldId)) return;
    if (FeldId == Feld::Objekte::Aktiv)
        setEnabled(Tabelle.LeseSchalter(Satz, FeldId));
    else
        THBitBtn::FeldAnwenden(Tabelle, Satz, FeldId);
}
