#pragma once
// The learning progress: the share of progress pages (page field 104 "1") that have a
// learner record.

#include <cstdint>

class TTabelle;
struct TDatensatz;

// The number of progress pages of the page table.
int Fortschrittsseiten(TTabelle& Seiten);

// The same, remembered: every page build asks it, and a large lesson's page table is
// walked again only after it changed.
class TFortschrittsseiten {
public:
    int Anzahl(TTabelle& Seiten);

private:
    const TTabelle* Gezaehlt = nullptr;
    uint64_t Stand = 0;
    int Zahl = 0;
};

// 100 x records / progress pages, rounded half to even, at most 100; 0 without progress
// pages.
int16_t Fortschrittsprozent(int Lernersaetze, int Fortschrittsseiten);

// After a page has been built: the learner record of a progress page is created when
// missing, and the progress is computed anew. `Seite` may be none (an empty lesson).
int16_t FortschrittErfassen(TTabelle& Seiten, TTabelle& Lerner, TDatensatz* Seite);
int16_t FortschrittErfassen(TTabelle& Seiten, TTabelle& Lerner, TDatensatz* Seite,
                            TFortschrittsseiten& Zaehler);

// Deletes every learner record, then computes the progress anew for the page shown (whose
// record comes back at once when it is a progress page).
int16_t LernerdatenZuruecksetzen(TTabelle& Seiten, TTabelle& Lerner, TDatensatz* Seite);
