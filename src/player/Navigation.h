#pragma once
// Moving a learner window between pages, and its history. Pages are found by their page
// number (field 100) in the loaded page table, never on disk.

#include <cstdint>
#include <memory>

class THauptfenster;
class TDatensatz;

// The first page record in table order whose field 100 equals `Nr`; none without one.
TDatensatz* SeiteMitNummer(int32_t Nr);
bool SeiteVorhanden(int32_t Nr);

// Builds the page numbered `Nr`, or the first page when there is none.
void GeheZuSeite(THauptfenster& Fenster, int32_t Nr);
// Builds the page with the lowest number (the first such record in table order).
void ErsteSeite(THauptfenster& Fenster);
// Makes `Seite` the window's current page and builds it; failures of the build are
// swallowed, the page staying as far as it got.
void SeiteWaehlen(THauptfenster& Fenster, TDatensatz* Seite);

// One recorded page visit.
struct TVerlauf {
    int32_t Seite = 0;
    TVerlauf* Neuer = nullptr;
    TVerlauf* Aelter = nullptr;
};

// The history of one learner window; it lives as long as its window.
class TVerlaufsliste {
public:
    ~TVerlaufsliste();
    TVerlauf* Aeltester = nullptr;
    TVerlauf* Neuester = nullptr;
    TVerlauf* Verlaufszeiger = nullptr;

    // Records a visit; the steps ahead of the pointer are dropped, as in a browser.
    void VerlaufEintragen(int32_t Nr);

private:
    void NeuereFreigeben();
};

void VerlaufZurueck(THauptfenster& Fenster);
void VerlaufVor(THauptfenster& Fenster);
