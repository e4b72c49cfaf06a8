// Page changes through the navigation on a lesson of 5,000 pages whose pages all show the
// same objects, so every object stays: `Weiter` (the next page found by number in the page
// order) against the bare page build of the same pages (`GeheZuSeite`). The difference is
// what the navigation adds to a page change.

#include "bench/LektionsGenerator.h"
#include "bench/Lernfenster.h"
#include "player/Navigation.h"
#include "player/THauptfenster.h"
#include "store/Lektion.h"

#include <benchmark/benchmark.h>

#include <functional>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

constexpr int Seitenanzahl = 5000;
constexpr int Objektanzahl = 12;

// Opens the lesson with every page listing objects 1 to 12 and no successor field, so
// that `Weiter` searches the page order; runs `Schritt` for every iteration.
void Seitenwechsel(benchmark::State& state, const std::function<void(THauptfenster&)>& Schritt) {
    TBenchlektion lektion(fs::temp_directory_path() /
                          ("velmora-navigation-" + std::to_string(::getpid())));
    LektionsGenerator generator(Seitenanzahl, Objektanzahl, 20);
    std::string fehler;
    if (!generator.Schreiben(lektion.Verzeichnis, fehler)) {
        state.SkipWithError(fehler.c_str());
        return;
    }
    lektion.Oeffnen();
    std::string objekte;
    for (int o = 1; o <= Objektanzahl; ++o)
        objekte += (o > 1 ? "\r\n" : "") + std::to_string(o);
    TTabelle& seiten = *Tabelle(ArtSeiten);
    for (TDatensatz* s = seiten.Erster(); s; s = s->Naechster) {
        seiten.SchreibeText(s, 161, objekte);
        seiten.SchreibeText(s, 160, "0");
    }
    THauptfenster& fenster = *lektion.Fenster;
    Navigation::GeheZuSeite(fenster, 1);

    for (auto _ : state)
        Schritt(fenster);
    if (fenster.Seitennummer() < 1) state.SkipWithError("keine Seite aufgebaut");
}

void Weiter5000(benchmark::State& state) {
    Seitenwechsel(state, [](THauptfenster& f) {
        if (f.Seitennummer() == Seitenanzahl)
            Navigation::GeheZuSeite(f, 1);
        else
            Navigation::Weiter(f);
    });
}

void Seitenaufbau5000(benchmark::State& state) {
    Seitenwechsel(state, [](THauptfenster& f) {
        Navigation::GeheZuSeite(f, f.Seitennummer() % Seitenanzahl + 1);
    });
}

BENCHMARK(Weiter5000)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(Seitenaufbau5000)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

} // namespace
