// The F4 value help of a record of 10,000 values (two columns of 5,000 rows): preparing the
// window for the record and its first paint at 800 × 600. The values are short numbers, as a
// record holds at most 64 KB.

#include "bench/Lernfenster.h"
#include "objects/sap/TF4HilfeFenster1.h"
#include "player/THauptfenster.h"

#include <benchmark/benchmark.h>

#include <QPixmap>

#include <sstream>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

constexpr int Zeilen = 5000;

std::string Lektionsquelle() {
    std::ostringstream s;
    s << R"({"tables": {"States.tab": [{"nr": 1, "fields": {"100": "1"}}],)"
      << R"( "F4Hilfe.tab": [{"nr": 1, "fields": {"1802": "10000001", "1806": "800",)"
      << R"( "1807": "600", "1808": "2", "1810": "1", "1814": "2", "1812": "Werte",)"
      << R"( "1809": ")" << Zeilen << R"(", "1801": [)";
    for (int spalte = 0; spalte < 2; ++spalte)
        for (int i = 0; i < Zeilen; ++i)
            s << (spalte + i == 0 ? "" : ", ") << '"' << i << '"';
    s << "]}}]}}";
    return s.str();
}

void FuerDatensatzUndErstesZeichnen(benchmark::State& state) {
    TBenchlektion lektion(fs::temp_directory_path() / ("velmora-f4-" + std::to_string(::getpid())));
    if (const std::string fehler = lektion.AusTextBauen(Lektionsquelle()); !fehler.empty()) {
        state.SkipWithError(fehler.c_str());
        return;
    }
    lektion.Oeffnen();
    for (auto _ : state) {
        TF4HilfeFenster1 fenster(lektion.Fenster);
        fenster.FuerDatensatz(1);
        const QPixmap bild = fenster.grab();
        benchmark::DoNotOptimize(bild.cacheKey());
        if (fenster.Werte().Zeilen() != Zeilen) state.SkipWithError("Werte fehlen");
    }
}
BENCHMARK(FuerDatensatzUndErstesZeichnen)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

} // namespace
