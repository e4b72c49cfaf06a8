#include "player/Navigationsknoepfe.h"

#include "objects/TObjektliste.h"
#include "objects/THFunktionsSchaltflaeche.h"
#include "objects/THNavKnopf.h"
#include "objects/THSchaltflaeche.h"
#include "player/THauptfenster.h"
#include "store/Lektion.h"
#include "store/TTabelle.h"

TNavigationslage Navigationslage(const THauptfenster& Fenster) {
    TNavigationslage lage;
    lage.ErsteSeite = lage.LetzteSeite = true;
    if (TTabelle* seiten = Tabelle(ArtSeiten)) {
        for (TDatensatz* satz = seiten->Erster(); satz; satz = satz->Naechster) {
            const int32_t nr = seiten->LeseZahl(satz, 100);
            if (nr < Fenster.Seitennummer) lage.ErsteSeite = false;
            if (nr > Fenster.Seitennummer) lage.LetzteSeite = false;
        }
    }
    const TVerlaufsliste& verlauf = Fenster.Verlauf;
    lage.ZurueckMoeglich = verlauf.Verlaufszeiger && verlauf.Verlaufszeiger != verlauf.Aeltester;
    lage.VorMoeglich = verlauf.Verlaufszeiger && verlauf.Verlaufszeiger != verlauf.Neuester;
    return lage;
}

void NavigationsknoepfeAktualisieren(THauptfenster& Fenster) {
    const TNavigationslage lage = Navigationslage(Fenster);
    TiefDurchlaufen(Fenster.ObjektlisteKopf, [&](TObjektliste& e) {
        if (auto* knopf = qobject_cast<THNavKnopf*>(e.Objekt))
            knopf->NavigationSetzen(lage);
        else if (auto* funktion = qobject_cast<THFunktionsSchaltflaeche*>(e.Objekt))
            funktion->NavigationSetzen(lage);
        return true;
    });
}

void BildknoepfeZuruecksetzen(THauptfenster& Fenster) {
    TiefDurchlaufen(Fenster.ObjektlisteKopf, [](TObjektliste& e) {
        if (auto* knopf = qobject_cast<THSchaltflaeche*>(e.Objekt))
            knopf->NormalZeigen();
        else if (auto* funktion = qobject_cast<THFunktionsSchaltflaeche*>(e.Objekt))
            funktion->ZustandSetzen(funktion->Zustand());
        return true;
    });
}

void KlangknoepfeBereit(THauptfenster& Fenster) {
    TiefDurchlaufen(Fenster.ObjektlisteKopf, [](TObjektliste& e) {
        auto* funktion = qobject_cast<THFunktionsSchaltflaeche*>(e.Objekt);
        if (funktion && funktion->Typ == THFunktionsSchaltflaeche::Klang)
            funktion->ZustandSetzen(2);
        return true;
    });
}
