// The script interpreter on a generated script of 100,000 lines: plain assignments alone,
// and assignments mixed with `setdaten` lines that write data records through the table
// engine. Items per second are statements per second, measured on the wall clock.

#include "script/TScript.h"
#include "store/Datenlexikon.h"
#include "store/TTabelle.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr int Zeilenzahl = 100000;

// Assignments to a few variables, values both literal and taken from another variable;
// every `Jede`-th line (0: none) fills one of 1,000 data records instead.
std::vector<std::string> Skript(int Jede) {
    std::vector<std::string> zeilen = {"var a", "var b", "var c"};
    for (int i = 0; zeilen.size() < Zeilenzahl; ++i) {
        if (Jede && i % Jede == 0)
            zeilen.push_back("setdaten(" + std::to_string(i % 1000 + 1) + ", 'Wert', a)");
        else if (i % 3 == 0)
            zeilen.push_back("a = " + std::to_string(i));
        else if (i % 3 == 1)
            zeilen.push_back("b := 'Text " + std::to_string(i) + "'");
        else
            zeilen.push_back("c = a");
    }
    return zeilen;
}

class Datentabelle {
public:
    Datentabelle() {
        fs::create_directories(Ordner);
        std::ofstream(Ordner / "Daten.tab", std::ios::binary) << Dateikopf();
        Tabelle = std::make_unique<TTabelle>(ArtDaten, Ordner / "Daten.tab");
        Tabelle->Laden(2);
        Lektion.Lektionsverzeichnis = Ordner;
        Lektion.Tabelle = [this](int Art) { return Art == ArtDaten ? Tabelle.get() : nullptr; };
    }
    ~Datentabelle() {
        Tabelle.reset();
        std::error_code fehler;
        fs::remove_all(Ordner, fehler);
    }

    const fs::path Ordner =
        fs::temp_directory_path() / ("velmora-scriptbench-" + std::to_string(::getpid()));
    std::unique_ptr<TTabelle> Tabelle;
    TScriptLektion Lektion;
};

void Ausfuehren(benchmark::State& Zustand, int Jede) {
    const std::vector<std::string> zeilen = Skript(Jede);
    Datentabelle daten;
    TScriptUmgebung umgebung;
    for (auto _ : Zustand) {
        TScript script(daten.Lektion, umgebung);
        script.Ausfuehren(zeilen, "bench.txt");
        if (script.Fehleranzahl() != 0) Zustand.SkipWithError("the script reported errors");
    }
    Zustand.SetItemsProcessed(Zustand.iterations() * static_cast<int64_t>(zeilen.size()));
}

void Zuweisungen(benchmark::State& Zustand) {
    Ausfuehren(Zustand, 0);
}
BENCHMARK(Zuweisungen)->Unit(benchmark::kMillisecond)->UseRealTime();

// One `setdaten` line in ten: each saves its record into the table file.
void ZuweisungenUndSetdaten(benchmark::State& Zustand) {
    Ausfuehren(Zustand, 10);
}
BENCHMARK(ZuweisungenUndSetdaten)->Unit(benchmark::kMillisecond)->UseRealTime();

// Every line a `setdaten`.
void NurSetdaten(benchmark::State& Zustand) {
    Ausfuehren(Zustand, 1);
}
BENCHMARK(NurSetdaten)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
