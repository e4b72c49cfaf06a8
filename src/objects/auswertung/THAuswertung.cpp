#include "objects/auswertung/THAuswertung.h"

#include "platform/Listenzeilen.h"
#include "store/Feldnummern.h"
#include "store/TTabelle.h"

THAuswertung::THAuswertung(QWidget* Eltern) : THXPaintBox(Eltern) {
    hide();
}

void THAuswertung::FeldAnwenden(TTabelle& Tabelle, TDatensatz* Satz, uint16_t FeldId) {
    switch (FeldId) {
    case Feld::Objekte::TextNr: TextNr = Tabelle.LeseZahl(Satz, FeldId); break;
    case Feld::Objekte::Stringliste: sl = Zeilen(Tabelle.LeseText(Satz, FeldId)); break;
    case Feld::Objekte::Ziel: Ziel = Tabelle.LeseZahl(Satz, FeldId); break;
    case Feld::Objekte::Typ: Typ = Tabelle.LeseZahl(Satz, FeldId); break;
    case Feld::Objekte::Versuch: Versuch = Tabelle.LeseZahl(Satz, FeldId); break;
    case Feld::Objekte::Objektnummer: Objektnummer = Tabelle.LeseZahl(Satz, FeldId); break;
    default: THXPaintBox::FeldAnwenden(Tabelle, Satz, FeldId); break;
    }
}
