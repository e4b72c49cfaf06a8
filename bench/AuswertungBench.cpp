// The evaluation of a page of 100 input objects (50 input fields with two answer codes each,
// 25 check boxes, 25 radio buttons) and 10 evaluation objects, none of which ends the
// evaluation, so that every object is visited each time.

#include "bench/Lernfenster.h"
#include "objects/eingabe/THEditfeld.h"
#include "objects/kern/TObjektliste.h"
#include "objects/rollen/TAuswertungsdienst.h"
#include "player/THauptfenster.h"

#include <benchmark/benchmark.h>

#include <sstream>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

constexpr int Felder = 50;                  // objects 1-50
constexpr int Kaestchen = 25;               // objects 51-75
constexpr int Optionen = 25;                // objects 76-100
constexpr int Auswertungen = 10;            // objects 101-110
constexpr const char* Viele = "1000000000"; // attempts that never run out

std::string Objekt(int Nr, const std::string& Felder) {
    return R"({"nr": )" + std::to_string(Nr) + R"(, "fields": {)" + Felder + "}}";
}

std::string Lektionsquelle() {
    const int alle = Felder + Kaestchen + Optionen + Auswertungen;
    std::ostringstream s;
    s << R"({"tables": {"States.tab": [{"nr": 1, "fields": {"100": "1", "161": [)";
    for (int i = 1; i <= alle; ++i)
        s << (i > 1 ? "," : "") << '"' << i << '"';
    s << R"(]}}], "Objekte.tab": [)";
    for (int i = 1; i <= Felder; ++i)
        s << Objekt(i, R"("1200": "6", "1233": "1", "1234": "1", "1237": ")" + std::string(Viele) +
                           R"(", "1238": ")" + Viele + R"(", "1239": ")" + Viele + '"')
          << ',';
    for (int i = Felder + 1; i <= Felder + Kaestchen + Optionen; ++i)
        s << Objekt(i, i <= Felder + Kaestchen ? R"("1200": "30")" : R"("1200": "31")") << ',';
    // Each condition asks a ticked box of the page and so never holds.
    for (int i = 1; i <= Auswertungen; ++i)
        s << (i > 1 ? "," : "")
          << Objekt(Felder + Kaestchen + Optionen + i,
                    R"("1200": "35", "1231": "2", "1211": "1", "1214": ["-)" +
                        std::to_string(Felder + i) + R"(", ")" + std::to_string(Felder + 1) +
                        R"(", ")" + std::to_string(Felder + Kaestchen + i) + R"("])");
    s << R"(], "StringJT.tab": [)";
    for (int i = 1; i <= Felder; ++i)
        s << (i > 1 ? "," : "") << R"({"nr": )" << 2 * i - 1 << R"(, "fields": {"1500": ")" << i
          << R"(", "1501": ["Falsch", "Auch falsch"], "1502": "falsch", "1503": "1", "1504": ")"
          << Viele << R"("}}, {"nr": )" << 2 * i << R"(, "fields": {"1500": ")" << i
          << R"(", "1501": ["Richtig"], "1502": "richtig", "1503": "0", "1504": ")" << Viele
          << R"("}})";
    s << R"(], "Texte.tab": [{"nr": 1, "fields": {"1000": "Rückmeldung"}}]}})";
    return s.str();
}

void SeiteAuswerten(benchmark::State& state) {
    TBenchlektion lektion(fs::temp_directory_path() /
                          ("velmora-auswertung-" + std::to_string(::getpid())));
    if (const std::string fehler = lektion.AusTextBauen(Lektionsquelle()); !fehler.empty()) {
        state.SkipWithError(fehler.c_str());
        return;
    }
    lektion.Oeffnen();
    THauptfenster& fenster = *lektion.Fenster;
    int felder = 0;
    TiefDurchlaufen(fenster.Objektliste(), [&](TObjektliste& e) {
        if (auto* feld = qobject_cast<THEditfeld*>(e.Objekt.data())) {
            feld->setText("Richtig");
            ++felder;
        }
        return true;
    });
    if (felder != Felder) {
        state.SkipWithError("die Eingabefelder fehlen");
        return;
    }
    bool bestanden = true;
    for (auto _ : state)
        bestanden = Rolle<TAuswertungsdienst>().SeiteAuswerten(fenster) && bestanden;
    if (!bestanden) state.SkipWithError("ein Objekt hat reagiert");
}
BENCHMARK(SeiteAuswerten)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(7)
    ->ReportAggregatesOnly(true);

} // namespace
