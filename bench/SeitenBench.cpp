// The page build of the learner window on pages without objects: what every page change
// costs before a single object is created.

#include "bench/LektionsGenerator.h"
#include "bench/Lernfenster.h"
#include "player/Navigation.h"
#include "player/THauptfenster.h"

#include <benchmark/benchmark.h>

#include <unistd.h>

namespace fs = std::filesystem;

namespace {

constexpr int Seitenanzahl = 5000;

void Seitenaufbau(benchmark::State& state) {
    TBenchlektion lektion(fs::temp_directory_path() /
                          ("velmora-seiten-" + std::to_string(::getpid())));
    // Pages only: no object and no text, so the build itself is measured.
    LektionsGenerator generator(Seitenanzahl, 0, 0);
    std::string fehler;
    if (!generator.Schreiben(lektion.Verzeichnis, fehler)) {
        state.SkipWithError(fehler.c_str());
        return;
    }
    lektion.Oeffnen();

    int32_t seite = 1;
    for (auto _ : state) {
        seite = seite % Seitenanzahl + 1;
        Navigation::GeheZuSeite(*lektion.Fenster, seite);
    }
    if (lektion.Fenster->Seitennummer() != seite) state.SkipWithError("falsche Seite aufgebaut");
}
BENCHMARK(Seitenaufbau)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

} // namespace
