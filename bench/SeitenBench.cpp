// The page build of the learner window on pages without objects: what every page change
// costs before a single object is created.

#include "bench/LektionsGenerator.h"
#include "player/Navigation.h"
#include "player/TFensterliste.h"
#include "player/THauptfenster.h"
#include "store/Config.h"
#include "store/Lektion.h"
#include "store/Lektionsdateien.h"

#include <benchmark/benchmark.h>

#include <QApplication>

#include <cstdio>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

constexpr int Seitenanzahl = 5000;

void Seitenaufbau(benchmark::State& state) {
    const fs::path lektion =
        fs::temp_directory_path() / ("velmora-seiten-" + std::to_string(::getpid()));
    // Pages only: no object and no text, so the build itself is measured.
    LektionsGenerator generator(Seitenanzahl, 0, 0);
    std::string fehler;
    if (!generator.Schreiben(lektion, fehler)) {
        state.SkipWithError(fehler.c_str());
        return;
    }
    auto& orte = Lektionsorte();
    orte.Programmverzeichnis = orte.Lektionsverzeichnis = lektion;
    KonfigurationLesen();
    LektionOeffnen();
    auto* fenster = new THauptfenster();
    TFensterliste::Liste().Anhaengen(fenster);
    TFensterliste::Liste().Aktuell = fenster;
    fenster->show();
    QCoreApplication::processEvents();

    int32_t seite = 1;
    for (auto _ : state) {
        seite = seite % Seitenanzahl + 1;
        GeheZuSeite(*fenster, seite);
    }
    if (fenster->Seitennummer != seite) state.SkipWithError("falsche Seite aufgebaut");

    delete fenster;
    TFensterliste::Liste().Leeren();
    LektionSchliessen();
    fs::remove_all(lektion);
}
BENCHMARK(Seitenaufbau)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

} // namespace
