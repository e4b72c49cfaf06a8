#include "store/Nummernindex.h"

#include <cstring>
#include <utility>

size_t TNummernindex::Anfang(uint32_t Nr) const {
    // Fibonacci hashing: record numbers often run in steps, which the multiplication spreads.
    return static_cast<size_t>((Nr * 2654435769u) >> (32 - Bits));
}

void TNummernindex::NeuVerteilen(size_t Platz) {
    int bits = 4;
    while ((size_t{1} << bits) < Platz)
        ++bits;
    const size_t platzanzahl = size_t{1} << bits;
    TRohspeicher neu = RohspeicherAnlegen(platzanzahl * sizeof(TEintrag));
    std::memset(neu.get(), 0, platzanzahl * sizeof(TEintrag)); // all places free
    TRohspeicher alt = std::exchange(Speicher, std::move(neu));
    const TEintrag* altePlaetze = Plaetze;
    const size_t alteAnzahl = Platzanzahl;
    Plaetze = reinterpret_cast<TEintrag*>(Speicher.get());
    Platzanzahl = platzanzahl;
    Bits = bits;
    Belegt = 0;
    Graeber = 0;
    const size_t maske = Platzanzahl - 1;
    for (size_t a = 0; a < alteAnzahl; ++a) {
        const TEintrag& e = altePlaetze[a];
        if (e.Anzahl == 0 || e.Anzahl == Grab) continue;
        size_t i = Anfang(e.Nr);
        while (Plaetze[i].Anzahl != 0)
            i = (i + 1) & maske;
        Plaetze[i] = e;
        ++Belegt;
    }
}

void TNummernindex::Leeren(size_t Anzahl) {
    Speicher.reset();
    Plaetze = nullptr;
    Platzanzahl = 0;
    Bits = 0;
    Belegt = 0;
    Graeber = 0;
    if (Anzahl > 0) NeuVerteilen(Anzahl * 2);
}

TNummernindex::TEintrag* TNummernindex::Finden(uint32_t Nr) {
    if (Platzanzahl == 0) return nullptr;
    const size_t maske = Platzanzahl - 1;
    for (size_t i = Anfang(Nr);; i = (i + 1) & maske) {
        TEintrag& e = Plaetze[i];
        if (e.Anzahl == 0) return nullptr;
        if (e.Anzahl != Grab && e.Nr == Nr) return &e;
    }
}

void TNummernindex::Einfuegen(uint32_t Nr, TDatensatz* Satz) {
    if ((Belegt + Graeber + 1) * 2 > Platzanzahl) NeuVerteilen((Belegt + 1) * 4);
    const size_t maske = Platzanzahl - 1;
    TEintrag* grab = nullptr;
    for (size_t i = Anfang(Nr);; i = (i + 1) & maske) {
        TEintrag& e = Plaetze[i];
        if (e.Anzahl == Grab) {
            if (!grab) grab = &e;
            continue;
        }
        if (e.Anzahl == 0) {
            TEintrag& neu = grab ? *grab : e;
            if (grab) --Graeber;
            neu = {Satz, Nr, 1};
            ++Belegt;
            return;
        }
        if (e.Nr == Nr) {
            ++e.Anzahl;
            return;
        }
    }
}

void TNummernindex::Entfernen(TEintrag& Eintrag) {
    Eintrag = {nullptr, 0, Grab};
    --Belegt;
    ++Graeber;
}
