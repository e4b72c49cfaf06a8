#include "evaluation/Lernfortschritt.h"

#include "evaluation/TLernerdaten.h"
#include "store/Feldnummern.h"
#include "store/TTabelle.h"

#include <algorithm>

int Fortschrittsseiten(TTabelle& Seiten) {
    int anzahl = 0;
    for (TDatensatz* s = Seiten.Erster(); s; s = s->Naechster)
        if (Seiten.LeseSchalter(s, Feld::Seiten::Lernfortschritt)) ++anzahl;
    return anzahl;
}

int16_t Fortschrittsprozent(int Lernersaetze, int Fortschrittsseiten) {
    if (Fortschrittsseiten <= 0 || Lernersaetze <= 0) return 0;
    const int64_t zaehler = int64_t{100} * Lernersaetze;
    int64_t q = zaehler / Fortschrittsseiten;
    const int64_t rest2 = 2 * (zaehler % Fortschrittsseiten);
    if (rest2 > Fortschrittsseiten || (rest2 == Fortschrittsseiten && q % 2 != 0)) ++q;
    return static_cast<int16_t>(std::min<int64_t>(q, 100));
}

int TFortschrittsseiten::Anzahl(TTabelle& Seiten) {
    if (Gezaehlt != &Seiten || Stand != Seiten.Aenderungsstand()) {
        Zahl = Fortschrittsseiten(Seiten);
        Gezaehlt = &Seiten;
        Stand = Seiten.Aenderungsstand();
    }
    return Zahl;
}

int16_t FortschrittErfassen(TTabelle& Seiten, TTabelle& Lerner, TDatensatz* Seite,
                            TFortschrittsseiten& Zaehler) {
    TLernerdaten lerner(Lerner);
    if (Seite && Seiten.LeseSchalter(Seite, Feld::Seiten::Lernfortschritt))
        lerner.Anlegen(Seiten.LeseZahl(Seite, Feld::Seiten::State));
    return Fortschrittsprozent(lerner.Anzahl(), Zaehler.Anzahl(Seiten));
}

int16_t FortschrittErfassen(TTabelle& Seiten, TTabelle& Lerner, TDatensatz* Seite) {
    TFortschrittsseiten zaehler;
    return FortschrittErfassen(Seiten, Lerner, Seite, zaehler);
}

int16_t LernerdatenZuruecksetzen(TTabelle& Seiten, TTabelle& Lerner, TDatensatz* Seite) {
    TLernerdaten(Lerner).AlleLoeschen();
    return FortschrittErfassen(Seiten, Lerner, Seite);
}
