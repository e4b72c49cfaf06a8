#pragma once
// The record index of a table: absolute record number -> the first record in list order
// with that number, and how many records carry it. Open addressing with linear probing in
// one array, so that indexing a table of 100,000 records allocates once instead of once per
// record. A removed number leaves a grave that later insertions reuse; the array is rebuilt
// when live numbers and graves together fill half of it.

#include "store/Rohspeicher.h"

#include <cstddef>
#include <cstdint>

struct TDatensatz;

class TNummernindex {
public:
    struct TEintrag {
        TDatensatz* Erster = nullptr;
        uint32_t Nr = 0;
        uint32_t Anzahl = 0; // 0: free place; Grab: a removed number
    };

    // Empties the index and makes room for `Anzahl` numbers without growing.
    void Leeren(size_t Anzahl = 0);
    // The entry of `Nr`, none when no record carries it.
    TEintrag* Finden(uint32_t Nr);
    // Counts one more record with `Nr`; the first one inserted stays the first.
    void Einfuegen(uint32_t Nr, TDatensatz* Satz);
    // Forgets the number of an entry found before.
    void Entfernen(TEintrag& Eintrag);
    size_t Nummernanzahl() const { return Belegt; }

private:
    static constexpr uint32_t Grab = UINT32_MAX;

    size_t Anfang(uint32_t Nr) const;
    void NeuVerteilen(size_t Platz);

    TRohspeicher Speicher;       // the places, a power of two of them, or none
    TEintrag* Plaetze = nullptr; // in `Speicher`
    size_t Platzanzahl = 0;
    int Bits = 0;
    size_t Belegt = 0;
    size_t Graeber = 0;
};
