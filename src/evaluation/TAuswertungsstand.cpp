#include "evaluation/TAuswertungsstand.h"

#include "objects/kern/TObjektliste.h"
#include "objects/kern/TSeitenfenster.h"
#include "objects/kern/TSeitenobjekt.h"

TAuswertungsstand::TAuswertungsstand(TSeitenfenster& Fenster, TObjektliste* Liste)
    : Fenster(Fenster), Versuchszaehler(Fenster.Versuchszaehler()) {
    TiefDurchlaufen(Liste, [&](TObjektliste& e) {
        if (const TSeitenobjekt* objekt = e.Seitenobjekt())
            Verbraucht.emplace_back(e.Objekt, objekt->Verbraucht);
        if (auto* feld = qobject_cast<THEditfeld*>(e.Objekt.data()))
            Eingabefelder.emplace_back(feld, feld->Zaehlerstand());
        return true;
    });
}

void TAuswertungsstand::Zuruecksetzen() {
    Fenster.VersuchszaehlerSetzen(Versuchszaehler);
    for (auto& [w, wert] : Verbraucht)
        if (TSeitenobjekt* objekt = w ? TSeitenobjekt::Von(w) : nullptr) objekt->Verbraucht = wert;
    for (auto& [feld, stand] : Eingabefelder)
        if (feld) feld->ZaehlerstandSetzen(stand);
}
