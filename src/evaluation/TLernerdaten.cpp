#include "evaluation/TLernerdaten.h"

#include "store/Feldnummern.h"
#include "store/TTabelle.h"

#include <unordered_set>

bool TLernerdaten::Vorhanden(int32_t Seite) {
    return Lerner.Datensatz(Seite) != nullptr;
}

bool TLernerdaten::Anlegen(int32_t Seite) {
    if (Vorhanden(Seite)) return true;
    TDatensatz* satz = Lerner.NeuerDatensatz(Seite);
    // Every field is written, empty, so that the record has its full shape from the start.
    for (const uint16_t feld : {Feld::Lerner::endgueltig_abgehakt, Feld::Lerner::heute_abgehakt,
                                Feld::Lerner::DialogfeldEintraege, Feld::Lerner::Menuestatus})
        Lerner.SchreibeText(satz, feld, "");
    return Lerner.Speichern(satz);
}

int TLernerdaten::Anzahl() const {
    // A table written by other hands can hold a page's record twice; the page counts once.
    std::unordered_set<int64_t> seiten;
    for (const TDatensatz* s = Lerner.Erster(); s; s = s->Naechster)
        seiten.insert(s->Nr < 0 ? -int64_t{s->Nr} : int64_t{s->Nr});
    return static_cast<int>(seiten.size());
}

bool TLernerdaten::EndgueltigAbgehakt(int32_t Seite) {
    TDatensatz* satz = Lerner.Datensatz(Seite);
    return satz && Lerner.LeseSchalter(satz, Feld::Lerner::endgueltig_abgehakt);
}

bool TLernerdaten::Offen(int32_t Seite) {
    TDatensatz* satz = Lerner.Datensatz(Seite);
    return !satz || (!Lerner.LeseSchalter(satz, Feld::Lerner::endgueltig_abgehakt) &&
                     !Lerner.LeseSchalter(satz, Feld::Lerner::heute_abgehakt));
}

int32_t TLernerdaten::Menuestatus(int32_t Seite) {
    TDatensatz* satz = Lerner.Datensatz(Seite);
    return satz ? Lerner.LeseZahl(satz, Feld::Lerner::Menuestatus) : 0;
}

void TLernerdaten::AlleLoeschen() {
    while (TDatensatz* satz = Lerner.Erster())
        Lerner.Loeschen(satz);
}
