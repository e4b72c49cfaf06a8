#include "player/Navigationsknoepfe.h"

#include "objects/kern/TObjektliste.h"
#include "objects/knoepfe/THFunktionsSchaltflaeche.h"
#include "objects/knoepfe/THNavKnopf.h"
#include "objects/knoepfe/THSchaltflaeche.h"
#include "player/Navigation.h"
#include "player/THauptfenster.h"

TNavigationslage Navigationslage(const THauptfenster& Fenster) {
    // The page index answers without walking the page table.
    TNavigationslage lage;
    lage.ErsteSeite = !Navigation::NiedrigereSeiteVorhanden(Fenster.Seitennummer());
    lage.LetzteSeite = !Navigation::HoehereSeiteVorhanden(Fenster.Seitennummer());
    lage.ZurueckMoeglich = Fenster.Verlauf().ZurueckMoeglich();
    lage.VorMoeglich = Fenster.Verlauf().VorMoeglich();
    return lage;
}

void NavigationsknoepfeAktualisieren(THauptfenster& Fenster) {
    const TNavigationslage lage = Navigationslage(Fenster);
    TiefDurchlaufen(Fenster.Objektliste(), [&](TObjektliste& e) {
        if (auto* knopf = qobject_cast<THNavKnopf*>(e.Objekt))
            knopf->NavigationSetzen(lage);
        else if (auto* funktion = qobject_cast<THFunktionsSchaltflaeche*>(e.Objekt))
            funktion->NavigationSetzen(lage);
        return true;
    });
}

void BildknoepfeZuruecksetzen(THauptfenster& Fenster) {
    TiefDurchlaufen(Fenster.Objektliste(), [](TObjektliste& e) {
        if (auto* knopf = qobject_cast<THSchaltflaeche*>(e.Objekt))
            knopf->NormalZeigen();
        else if (auto* funktion = qobject_cast<THFunktionsSchaltflaeche*>(e.Objekt))
            funktion->ZustandSetzen(funktion->Zustand());
        return true;
    });
}

void KlangknoepfeBereit(THauptfenster& Fenster) {
    TiefDurchlaufen(Fenster.Objektliste(), [](TObjektliste& e) {
        auto* funktion = qobject_cast<THFunktionsSchaltflaeche*>(e.Objekt);
        if (funktion && funktion->Typ == THFunktionsSchaltflaeche::Klang)
            funktion->ZustandSetzen(2);
        return true;
    });
}
