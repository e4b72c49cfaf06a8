#include "evaluation/TLernerdaten.h"

#include "store/TTabelle.h"

#include <unordered_set>

bool TLernerdaten::Vorhanden(int32_t Seite) {
    return Lerner.Datensatz(Seite) != nullptr;
}

bool TLernerdaten::Anlegen(int32_t Seite) {
    if (Vorhanden(Seite)) return true;
    TDatensatz* satz = Lerner.NeuerDatensatz(Seite);
    // Every field is written, empty, so that the record has its full shape from the start.
    for (const uint16_t feld : {EndgueltigAbgehakt, HeuteAbgehakt, uint16_t{2302}, Menuestatus})
        Lerner.SchreibeText(satz, feld, "");
    return Lerner.Speichern(satz);
}

int TLernerdaten::Anzahl() const {
    // A save that was cut off while moving a record can leave an older copy of it in the
    // file; it must not count twice.
    std::unordered_set<int64_t> seiten;
    for (const TDatensatz* s = Lerner.Erster(); s; s = s->Naechster)
        seiten.insert(s->Nr < 0 ? -int64_t{s->Nr} : int64_t{s->Nr});
    return static_cast<int>(seiten.size());
}

bool TLernerdaten::Offen(int32_t Seite) {
    TDatensatz* satz = Lerner.Datensatz(Seite);
    return !satz || (!Lerner.LeseSchalter(satz, EndgueltigAbgehakt) &&
                     !Lerner.LeseSchalter(satz, HeuteAbgehakt));
}

int32_t TLernerdaten::MenuestatusVon(int32_t Seite) {
    TDatensatz* satz = Lerner.Datensatz(Seite);
    return satz ? Lerner.LeseZahl(satz, Menuestatus) : 0;
}

int TLernerdaten::Abhakbild(int32_t Seite) {
    switch (MenuestatusVon(Seite)) {
    case 50: return 1;
    case 100: return 2;
    default: return 0;
    }
}

void TLernerdaten::AlleLoeschen() {
    while (TDatensatz* satz = Lerner.Erster())
        Lerner.Loeschen(satz);
}
