#include "objects/sap/THSAPDynMenu.h"

#include "platform/AnsiText.h"
#include "store/Feldnummern.h"
#include "store/TTabelle.h"

THSAPDynMenu::THSAPDynMenu(QWidget* Eltern) : THSAPButton(Eltern) {
    resize(width(), 25);
}

void THSAPDynMenu::FeldAnwenden(TTabelle& Tabelle, TDatensatz* Satz, uint16_t FeldId) {
    if (FeldId == Feld::Objekte::Text)
        setText(AnsiNachQString(Tabelle.LeseText(Satz, FeldId)));
    else
        THSAPButton::FeldAnwenden(Tabelle, Satz, FeldId);
}
