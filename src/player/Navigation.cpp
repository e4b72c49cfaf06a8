#include "player/Navigation.h"

#include "objects/rollen/TAuswertungsdienst.h"
#include "player/THauptfenster.h"
#include "store/Config.h"
#include "store/Feldnummern.h"
#include "store/Lektion.h"
#include "store/TAnwendungskontext.h"

#include <algorithm>
#include <exception>
#include <vector>

namespace {

struct TSeite {
    int32_t Nr;
    uint32_t Stelle; // place in table order
    bool Feedback;
    TDatensatz* Satz;
};

bool Vor(const TSeite& a, const TSeite& b) {
    return a.Nr != b.Nr ? a.Nr < b.Nr : a.Stelle < b.Stelle;
}

// The pages sorted by number, equal numbers in table order. Every search of the page
// order runs on it; it is renewed when the page table has changed since it was built,
// so pages that scripts add or renumber are found at once.
class TSeitenindex {
public:
    const std::vector<TSeite>& Seiten() {
        TTabelle* seiten = Tabelle(ArtSeiten);
        if (!seiten) {
            Sortiert.clear();
            Stand = 0;
        } else if (seiten->Aenderungsstand() != Stand) {
            Aufbauen(*seiten);
        }
        return Sortiert;
    }

private:
    void Aufbauen(TTabelle& Seiten) {
        Sortiert.clear();
        Sortiert.reserve(static_cast<size_t>(Seiten.Anzahl()));
        uint32_t stelle = 0;
        for (TDatensatz* s = Seiten.Erster(); s; s = s->Naechster)
            Sortiert.push_back({Seiten.LeseZahl(s, Feld::Seiten::State), stelle++,
                                Seiten.LeseSchalter(s, Feld::Seiten::FeedbackState), s});
        std::sort(Sortiert.begin(), Sortiert.end(), Vor);
        // Reading does not change the table, so the state read now is still the table's.
        Stand = Seiten.Aenderungsstand();
    }

    std::vector<TSeite> Sortiert;
    uint64_t Stand = 0;
};

// The index lives in the application context, next to the tables it is read from.
const std::vector<TSeite>& Seiten() {
    return Rolle<TSeitenindex>().Seiten();
}

// First entry whose number is at least `Nr` (`Nr` above every page: the end).
std::vector<TSeite>::const_iterator AbNummer(const std::vector<TSeite>& s, int64_t Nr) {
    return std::lower_bound(s.begin(), s.end(), Nr,
                            [](const TSeite& e, int64_t n) { return e.Nr < n; });
}

// The first non-feedback entry in table order among those numbered like `Gefunden`.
TDatensatz* ErsteNormaleMitNummer(const std::vector<TSeite>& s,
                                  std::vector<TSeite>::const_iterator Gefunden) {
    auto it = AbNummer(s, Gefunden->Nr);
    while (it->Feedback)
        ++it; // `Gefunden` itself is no feedback page
    return it->Satz;
}

int32_t AktuelleNummer(THauptfenster& Fenster) {
    TTabelle* seiten = Tabelle(ArtSeiten);
    if (!Fenster.AktuelleSeite() || !seiten) return Fenster.Seitennummer();
    return seiten->LeseZahl(Fenster.AktuelleSeite(), Feld::Seiten::State);
}

} // namespace

namespace Navigation {

TDatensatz* SeiteMitNummer(int32_t Nr) {
    const auto& s = Seiten();
    const auto it = AbNummer(s, Nr);
    return it != s.end() && it->Nr == Nr ? it->Satz : nullptr;
}

bool SeiteVorhanden(int32_t Nr) {
    return SeiteMitNummer(Nr) != nullptr;
}

TDatensatz* NaechsteNormaleSeite(int32_t Nr, int64_t Obergrenze) {
    const auto& s = Seiten();
    for (auto it = AbNummer(s, int64_t{Nr} + 1); it != s.end() && it->Nr < Obergrenze; ++it)
        if (!it->Feedback) return it->Satz; // equal numbers come in table order
    return nullptr;
}

TDatensatz* VorherigeNormaleSeite(int32_t Nr, int64_t Untergrenze) {
    const auto& s = Seiten();
    for (auto it = AbNummer(s, Nr); it != s.begin();) {
        --it;
        if (it->Nr <= Untergrenze) break;
        if (!it->Feedback) return ErsteNormaleMitNummer(s, it);
    }
    return nullptr;
}

TDatensatz* NaechsteNummerUeber(int32_t Nr, int64_t Obergrenze) {
    const auto& s = Seiten();
    const auto it = AbNummer(s, int64_t{Nr} + 1);
    return it != s.end() && it->Nr < Obergrenze ? it->Satz : nullptr;
}

bool NiedrigereSeiteVorhanden(int32_t Nr) {
    const auto& s = Seiten();
    return !s.empty() && s.front().Nr < Nr;
}

bool HoehereSeiteVorhanden(int32_t Nr) {
    const auto& s = Seiten();
    return !s.empty() && s.back().Nr > Nr;
}

void SeiteWaehlen(THauptfenster& Fenster, TDatensatz* Seite) {
    if (!Seite) return;
    Fenster.AktuelleSeiteWaehlen(Seite);
    try {
        Fenster.SeiteAufbauen(Seite);
    } catch (const std::exception&) {
        // A build that fails part-way leaves the page as far as it got.
    }
}

void GeheZuSeite(THauptfenster& Fenster, int32_t Nr) {
    if (TDatensatz* seite = SeiteMitNummer(Nr))
        SeiteWaehlen(Fenster, seite);
    else
        ErsteSeite(Fenster);
}

void ErsteSeite(THauptfenster& Fenster) {
    const auto& s = Seiten();
    if (!s.empty()) SeiteWaehlen(Fenster, s.front().Satz);
}

void Weiter(THauptfenster& Fenster) {
    if (Fenster.NaechsteSeite() != 0) {
        GeheZuSeite(Fenster, Fenster.NaechsteSeite());
    } else if (Fenster.LernwegNachfolger() != 0) {
        GeheZuSeite(Fenster, Fenster.LernwegNachfolger());
    } else if (TDatensatz* s = NaechsteNormaleSeite(AktuelleNummer(Fenster), 1000000000)) {
        SeiteWaehlen(Fenster, s);
    } else {
        SeiteWaehlen(Fenster, Fenster.AktuelleSeite());
    }
}

void Zurueck(THauptfenster& Fenster) {
    if (Fenster.VorherigeSeiteFeld() != 0) {
        GeheZuSeite(Fenster, Fenster.VorherigeSeiteFeld());
    } else if (TDatensatz* s = VorherigeNormaleSeite(AktuelleNummer(Fenster), 0)) {
        SeiteWaehlen(Fenster, s);
    } else if (TTabelle* seiten = Tabelle(ArtSeiten)) {
        SeiteWaehlen(Fenster, seiten->Erster());
    }
}

void NaechsteNummer(THauptfenster& Fenster) {
    if (TDatensatz* s = NaechsteNummerUeber(AktuelleNummer(Fenster), INT32_MAX))
        SeiteWaehlen(Fenster, s);
}

bool SeiteAuswerten(THauptfenster& Fenster) {
    return Rolle<TAuswertungsdienst>().SeiteAuswerten(Fenster);
}

int32_t Hilfeseite(const THauptfenster& Fenster) {
    if (Fenster.DefaultSeite() != 0 && SeiteVorhanden(Fenster.DefaultSeite()))
        return Fenster.DefaultSeite();
    const int32_t lektion = Konfiguration().DefaultState;
    return lektion != 0 && SeiteVorhanden(lektion) ? lektion : 0;
}

// ---------------------------------------------------------------------------------------
// History

} // namespace Navigation

void TVerlaufsliste::VerlaufEintragen(int32_t Nr) {
    if (!Besucht.empty()) {
        if (Besucht[Zeiger] == Nr) return;
        Besucht.resize(Zeiger + 1);
    }
    Besucht.push_back(Nr);
    Zeiger = Besucht.size() - 1;
}

std::optional<int32_t> TVerlaufsliste::Zurueck() {
    if (!ZurueckMoeglich()) return std::nullopt;
    return Besucht[--Zeiger];
}

std::optional<int32_t> TVerlaufsliste::Vor() {
    if (!VorMoeglich()) return std::nullopt;
    return Besucht[++Zeiger];
}

namespace Navigation {

void VerlaufEintragen(THauptfenster& Fenster, int32_t Nr) {
    Fenster.Verlauf().VerlaufEintragen(Nr);
}

void VerlaufZurueck(THauptfenster& Fenster) {
    const std::optional<int32_t> seite = Fenster.Verlauf().Zurueck();
    if (!seite) return;
    Fenster.VerlaufsschrittAnkuendigen();
    GeheZuSeite(Fenster, *seite);
}

void VerlaufVor(THauptfenster& Fenster) {
    const std::optional<int32_t> seite = Fenster.Verlauf().Vor();
    if (!seite) return;
    Fenster.VerlaufsschrittAnkuendigen();
    GeheZuSeite(Fenster, *seite);
}

} // namespace Navigation
