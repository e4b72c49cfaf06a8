#include "player/Lernerdatenanbindung.h"

#include "evaluation/Lernfortschritt.h"
#include "evaluation/TLernerdaten.h"
#include "objects/TObjektliste.h"
#include "objects/fortschritt/THLernfortschritt.h"
#include "player/Seitendienste.h"
#include "player/THauptfenster.h"
#include "store/Lektion.h"

void LernfortschrittErfassen(THauptfenster& Fenster) {
    TTabelle* seiten = Tabelle(ArtSeiten);
    TTabelle* lerner = Tabelle(ArtLerner);
    if (!seiten || !lerner) return;
    Fenster.FortschrittProzent = FortschrittErfassen(*seiten, *lerner, Fenster.AktuelleSeite);
    // Gauges inside containers keep their value.
    ObenDurchlaufen(Fenster.ObjektlisteKopf, [&](TObjektliste& e) {
        if (auto* anzeige = qobject_cast<THLernfortschritt*>(e.Objekt.data()))
            anzeige->ProzentSetzen(Fenster.FortschrittProzent);
        return true;
    });
}

void LernerdatenLeeren() {
    if (TTabelle* lerner = Tabelle(ArtLerner)) TLernerdaten(*lerner).AlleLoeschen();
}

bool LernerseiteOffen(int32_t Seite) {
    TTabelle* lerner = Tabelle(ArtLerner);
    return !lerner || TLernerdaten(*lerner).Offen(Seite);
}

int LernerAbhakbild(int32_t Seite) {
    TTabelle* lerner = Tabelle(ArtLerner);
    return lerner ? TLernerdaten(*lerner).Abhakbild(Seite) : 0;
}
