#pragma once
// Moving a learner window between pages, and its history. Pages are found by their page
// number (field 100) in the loaded page table, never on disk: a page index, renewed
// whenever the page table changes, answers every search.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

class THauptfenster;
struct TDatensatz;

namespace Navigation {

// The first page record in table order whose field 100 equals `Nr`; none without one.
TDatensatz* SeiteMitNummer(int32_t Nr);
bool SeiteVorhanden(int32_t Nr);

// Searches of the page order. Each gives the first record in table order among those
// sharing the number found; none when no page qualifies. Bounds are exclusive.
// The smallest number m, Nr < m < Obergrenze, that is no feedback page.
TDatensatz* NaechsteNormaleSeite(int32_t Nr, int64_t Obergrenze);
// The largest number m, Untergrenze < m < Nr, that is no feedback page.
TDatensatz* VorherigeNormaleSeite(int32_t Nr, int64_t Untergrenze);
// The smallest number m, Nr < m < Obergrenze, feedback pages included.
TDatensatz* NaechsteNummerUeber(int32_t Nr, int64_t Obergrenze);
// Whether some page has a lower (higher) number than `Nr`.
bool NiedrigereSeiteVorhanden(int32_t Nr);
bool HoehereSeiteVorhanden(int32_t Nr);

// Builds the page numbered `Nr`, or the first page when there is none.
void GeheZuSeite(THauptfenster& Fenster, int32_t Nr);
// Builds the page with the lowest number (the first such record in table order).
void ErsteSeite(THauptfenster& Fenster);
// Makes `Seite` the window's current page and builds it; failures of the build are
// swallowed, the page staying as far as it got.
void SeiteWaehlen(THauptfenster& Fenster, TDatensatz* Seite);

// The next page: the page's successor field, else the learning path's successor, else the
// next page by number that is no feedback page; the last page is built again.
void Weiter(THauptfenster& Fenster);
// The previous page: the page's predecessor field, else the previous page by number
// (above 0) that is no feedback page, else the first record of the page table.
void Zurueck(THauptfenster& Fenster);
// The next page by number, feedback pages included; nothing on the highest page.
void NaechsteNummer(THauptfenster& Fenster);
// Evaluates the page; true when it may be left.
bool SeiteAuswerten(THauptfenster& Fenster);

// The page that a click without a function of its own opens as a dialog window: the
// page's default page when it exists, else the lesson's default page when it exists;
// 0 when neither does (the caller shows the no-function window).
int32_t Hilfeseite(const THauptfenster& Fenster);

} // namespace Navigation

// The history of one learner window, owned by it: the pages visited, oldest first, and the
// step the window stands on.
class TVerlaufsliste {
public:
    // Records a visit; the steps ahead of the pointer are dropped, as in a browser.
    void VerlaufEintragen(int32_t Nr);

    bool ZurueckMoeglich() const { return !Besucht.empty() && Zeiger > 0; }
    bool VorMoeglich() const { return Zeiger + 1 < Besucht.size(); }
    // Moves the pointer one step; the page it stands on then, none at either end.
    std::optional<int32_t> Zurueck();
    std::optional<int32_t> Vor();

    const std::vector<int32_t>& Seiten() const { return Besucht; }

private:
    std::vector<int32_t> Besucht;
    size_t Zeiger = 0; // the step the window stands on, when there is one
};

namespace Navigation {

void VerlaufEintragen(THauptfenster& Fenster, int32_t Nr);
// Steps through the history; at either end nothing happens. The page built by a step is
// not recorded again.
void VerlaufZurueck(THauptfenster& Fenster);
void VerlaufVor(THauptfenster& Fenster);

} // namespace Navigation
