#include "objects/auswahl/THAbhaken.h"

#include "objects/kern/TObjektliste.h"
#include "objects/rollen/TLernerdatendienst.h"
#include "store/Feldnummern.h"
#include "store/Objekttyp.h"
#include "store/TAnwendungskontext.h"
#include "store/TTabelle.h"

THAbhaken::THAbhaken(QWidget* Eltern) : THBildknopf(Eltern, 3) {}

void THAbhaken::Aktualisieren() {
    switch (Rolle<TLernerdatendienst>().Menuestatus(Ziel)) {
    case 50: Stand = 1; break;
    case 100: Stand = 2; break;
    default: Stand = 0; break;
    }
    StueckZeigen(Stand);
}

void THAbhaken::AlleAktualisieren(TObjektliste* Kopf) {
    TiefDurchlaufen(Kopf, [](TObjektliste& e) {
        if (e.Typ != Objekttyp::Abhaken) return true;
        if (auto* marke = qobject_cast<THAbhaken*>(e.Objekt)) marke->Aktualisieren();
        return true;
    });
}

void THAbhaken::FeldAnwenden(TTabelle& Tabelle, TDatensatz* Satz, uint16_t FeldId) {
    switch (FeldId) {
    case Feld::Objekte::Ziel: Ziel = Tabelle.LeseZahl(Satz, FeldId); break;
    // The mark takes the size of its piece.
    case Feld::Objekte::Breite:
    case Feld::Objekte::Hoehe: break;
    default: THBildknopf::FeldAnwenden(Tabelle, Satz, FeldId); break;
    }
}
