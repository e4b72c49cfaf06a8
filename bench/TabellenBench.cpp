// The table engine against the bare system calls beneath it: loading a large object table,
// looking records up by number, saving one record in place and saving one that has to move.
// The last lines of the output put each pair side by side.

#include "bench/LektionsGenerator.h"
#include "store/TTabelle.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr int GrosseTabelle = 100000;
constexpr size_t Satzlaenge = 200; // head, field data and closing 0x1B

const fs::path& Arbeitsverzeichnis() {
    static const fs::path pfad =
        fs::temp_directory_path() / ("velmora-bench-" + std::to_string(::getpid()));
    return pfad;
}

[[noreturn]] void Abbrechen(const std::string& Text) {
    std::fprintf(stderr, "bench_tabelle: %s\n", Text.c_str());
    std::exit(1);
}

fs::path Objekttabelle(int Anzahl) {
    return Arbeitsverzeichnis() / ("Objekte" + std::to_string(Anzahl) + ".tab");
}

void ObjekttabelleErzeugen(int Anzahl) {
    // Twenty objects a page and a text for every fifth object, as in the large lesson.
    const LektionsGenerator generator(std::max(1, Anzahl / 20), Anzahl, std::max(1, Anzahl / 5));
    std::string fehler;
    if (!TabellendateiSchreiben(Objekttabelle(Anzahl), generator.Objektsaetze(), fehler))
        Abbrechen(Objekttabelle(Anzahl).string() + ": " + fehler);
}

// Tables held at level 2 across the runs of a benchmark, so loading is not measured twice.
TTabelle& GeladeneTabelle(int Anzahl) {
    static std::map<int, std::unique_ptr<TTabelle>> tabellen;
    auto& t = tabellen[Anzahl];
    if (!t) {
        t = std::make_unique<TTabelle>(ArtObjekte, Objekttabelle(Anzahl));
        t->Laden(2);
        if (t->Anzahl() != Anzahl) Abbrechen("falsche Satzanzahl in " + t->Pfad().string());
    }
    return *t;
}

// ---------------------------------------------------------------------------------------
// Loading the whole table, and reading the same file with one read call.

void Laden2(benchmark::State& state) {
    const fs::path datei = Objekttabelle(GrosseTabelle);
    TTabelle t(ArtObjekte, datei);
    int anzahl = 0;
    for (auto _ : state) {
        t.Laden(2);
        anzahl = t.Anzahl();
        state.PauseTiming();
        t.Laden(0);
        state.ResumeTiming();
    }
    if (anzahl != GrosseTabelle) state.SkipWithError("falsche Satzanzahl");
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(fs::file_size(datei)));
}
BENCHMARK(Laden2)
    ->Name("Laden(2)")
    ->Unit(benchmark::kMillisecond)
    ->MinTime(0.3)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

void EinRead(benchmark::State& state) {
    const std::string datei = Objekttabelle(GrosseTabelle).string();
    std::unique_ptr<char[]> puffer;
    int64_t groesse = 0;
    for (auto _ : state) {
        const int fd = ::open(datei.c_str(), O_RDONLY | O_CLOEXEC);
        struct stat st {};
        ::fstat(fd, &st);
        puffer.reset(new char[st.st_size]);
        const ssize_t n = ::read(fd, puffer.get(), st.st_size);
        ::close(fd);
        groesse = n;
        benchmark::DoNotOptimize(puffer.get());
        // The table frees its buffer in Laden(0), outside the measured time; so does this.
        state.PauseTiming();
        puffer.reset();
        state.ResumeTiming();
    }
    if (groesse != static_cast<int64_t>(fs::file_size(datei)))
        state.SkipWithError("read hat nicht die ganze Datei gelesen");
    state.SetBytesProcessed(state.iterations() * groesse);
}
BENCHMARK(EinRead)
    ->Name("open+fstat+read+close")
    ->Unit(benchmark::kMillisecond)
    ->MinTime(0.3)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// ---------------------------------------------------------------------------------------
// Looking up random existing numbers once the first lookup has built the index.

void DatensatzSuchen(benchmark::State& state) {
    const int anzahl = static_cast<int>(state.range(0));
    TTabelle& t = GeladeneTabelle(anzahl);
    benchmark::DoNotOptimize(t.Datensatz(1));
    // More numbers than the caches hold entries for, so the big table is not measured warm.
    std::vector<int32_t> nummern(1 << 16);
    std::minstd_rand zufall(4711);
    for (auto& n : nummern)
        n = static_cast<int32_t>(zufall() % static_cast<unsigned>(anzahl)) + 1;
    size_t i = 0;
    for (auto _ : state) {
        TDatensatz* satz = t.Datensatz(nummern[i++ & (nummern.size() - 1)]);
        benchmark::DoNotOptimize(satz);
    }
    state.SetComplexityN(anzahl);
}
BENCHMARK(DatensatzSuchen)
    ->Name("Datensatz")
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(GrosseTabelle)
    ->Unit(benchmark::kNanosecond)
    ->Complexity(benchmark::o1);

// ---------------------------------------------------------------------------------------
// Saving one 200-byte record in place, and writing the same 200 bytes with plain calls.

struct TSpeicherprobe {
    std::unique_ptr<TTabelle> Tabelle;
    TDatensatz* Satz = nullptr;
    std::string Varianten[2]; // field data of equal length, differing in one letter
    std::string Bytes;        // the record as it stands in the file
    int32_t Position = 0;
};

TSpeicherprobe& Speicherprobe() {
    static TSpeicherprobe probe = [] {
        TSpeicherprobe p;
        const fs::path kopie = Arbeitsverzeichnis() / "Objekte.tab";
        fs::copy_file(Objekttabelle(GrosseTabelle), kopie, fs::copy_options::overwrite_existing);
        p.Tabelle = std::make_unique<TTabelle>(ArtObjekte, kopie);
        p.Tabelle->Laden(2);
        // A record from the middle of the file, far from both ends.
        for (TDatensatz* s = p.Tabelle->Datensatz(GrosseTabelle / 2); s && !p.Satz;
             s = s->Naechster)
            if (s->Daten.Ansicht().size() + 5 == Satzlaenge) p.Satz = s;
        if (!p.Satz) Abbrechen("kein Datensatz von 200 Bytes in der zweiten Tabellenhälfte");
        const std::string_view daten = p.Satz->Daten.Ansicht();
        p.Varianten[0] = p.Varianten[1] = std::string(daten);
        p.Varianten[1][daten.find('\0') + 1] ^= 0x20; // first letter of the description
        p.Bytes = std::string(1, '\0') + std::string(4, '\0') + std::string(daten);
        const uint32_t nr = static_cast<uint32_t>(p.Satz->Nr);
        for (int k = 0; k < 4; ++k)
            p.Bytes[1 + k] = static_cast<char>((nr >> (8 * k)) & 0xFF);
        p.Position = p.Satz->Dateiposition;
        return p;
    }();
    return probe;
}

void SpeichernAnOrt(benchmark::State& state) {
    TSpeicherprobe& p = Speicherprobe();
    size_t i = 0;
    for (auto _ : state) {
        // Swapping in prepared field data keeps the field walk of SchreibeText out of the
        // figure; what is measured is the write of the record.
        p.Satz->Daten.Setzen(p.Varianten[i++ & 1]);
        if (!p.Tabelle->Speichern(p.Satz)) {
            state.SkipWithError("Speichern fehlgeschlagen");
            break;
        }
    }
    if (p.Satz->Dateiposition != p.Position) state.SkipWithError("Datensatz ist umgezogen");
    state.counters["Bytes"] = static_cast<double>(p.Satz->Daten.Ansicht().size() + 5);
}
BENCHMARK(SpeichernAnOrt)
    ->Name("Speichern")
    ->Unit(benchmark::kMicrosecond)
    ->MinTime(0.2)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

void OpenPwriteClose(benchmark::State& state) {
    TSpeicherprobe& p = Speicherprobe();
    const std::string datei = p.Tabelle->Pfad().string();
    const off_t position = p.Position;
    for (auto _ : state) {
        const int fd = ::open(datei.c_str(), O_RDWR | O_CLOEXEC);
        const ssize_t n = ::pwrite(fd, p.Bytes.data(), p.Bytes.size(), position);
        ::close(fd);
        if (n != static_cast<ssize_t>(p.Bytes.size())) {
            state.SkipWithError("pwrite fehlgeschlagen");
            break;
        }
    }
    state.counters["Bytes"] = static_cast<double>(p.Bytes.size());
}
BENCHMARK(OpenPwriteClose)
    ->Name("open+pwrite+close")
    ->Unit(benchmark::kMicrosecond)
    ->MinTime(0.2)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

// ---------------------------------------------------------------------------------------
// Saving a record that outgrows its place and moves to the end of a small table: the
// whole file is searched for a free run, the old place is blanked. Between the runs the
// file is put back, outside the measured time.

struct TUmzugsprobe {
    std::unique_ptr<TTabelle> Tabelle;
    TDatensatz* Satz = nullptr;
    std::string Kurz, Lang; // field data: the record's own and one that no longer fits
    std::string Inhalt;     // the file before the save
    int32_t Position = 0;
};

TUmzugsprobe& Umzugsprobe() {
    static TUmzugsprobe probe = [] {
        TUmzugsprobe p;
        const fs::path kopie = Arbeitsverzeichnis() / "Umzug.tab";
        fs::copy_file(Objekttabelle(1000), kopie, fs::copy_options::overwrite_existing);
        p.Tabelle = std::make_unique<TTabelle>(ArtObjekte, kopie);
        p.Tabelle->Laden(2);
        p.Satz = p.Tabelle->Datensatz(500);
        if (!p.Satz) Abbrechen("kein Datensatz 500 in " + kopie.string());
        p.Kurz = std::string(p.Satz->Daten.Ansicht());
        p.Lang = std::string(p.Kurz.size() - 1, 'x') + '\0' + p.Kurz.substr(p.Kurz.size() - 1);
        p.Position = p.Satz->Dateiposition;
        std::FILE* f = std::fopen(kopie.c_str(), "rb");
        p.Inhalt.resize(fs::file_size(kopie));
        if (!f || std::fread(p.Inhalt.data(), 1, p.Inhalt.size(), f) != p.Inhalt.size())
            Abbrechen("kann " + kopie.string() + " nicht lesen");
        std::fclose(f);
        return p;
    }();
    return probe;
}

void Zuruecksetzen(TUmzugsprobe& p) {
    std::FILE* f = std::fopen(p.Tabelle->Pfad().c_str(), "wb");
    if (!f || std::fwrite(p.Inhalt.data(), 1, p.Inhalt.size(), f) != p.Inhalt.size())
        Abbrechen("kann " + p.Tabelle->Pfad().string() + " nicht schreiben");
    std::fclose(f);
    p.Satz->Dateiposition = p.Position;
    p.Satz->Daten.Setzen(p.Lang);
}

void SpeichernMitUmzug(benchmark::State& state) {
    TUmzugsprobe& p = Umzugsprobe();
    for (auto _ : state) {
        state.PauseTiming();
        Zuruecksetzen(p);
        state.ResumeTiming();
        if (!p.Tabelle->Speichern(p.Satz)) {
            state.SkipWithError("Speichern fehlgeschlagen");
            break;
        }
    }
    if (p.Satz->Dateiposition == p.Position) state.SkipWithError("Datensatz ist nicht umgezogen");
    state.counters["Dateibytes"] = static_cast<double>(p.Inhalt.size());
}
BENCHMARK(SpeichernMitUmzug)
    ->Name("Speichern mit Umzug")
    ->Unit(benchmark::kMicrosecond)
    ->MinTime(0.2)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

// The same save with fsync left out: what the journal costs apart from waiting for the disk.
class TOhneSync : public TDateizugriff {
public:
    int Synchronisieren(int) override { return 0; }
};

void SpeichernMitUmzugOhneSync(benchmark::State& state) {
    TUmzugsprobe& p = Umzugsprobe();
    TOhneSync ohneSync;
    p.Tabelle->DateizugriffVerwenden(ohneSync);
    SpeichernMitUmzug(state);
    p.Tabelle->DateizugriffVerwenden(TDateizugriff::System());
}
BENCHMARK(SpeichernMitUmzugOhneSync)
    ->Name("Speichern mit Umzug ohne fsync")
    ->Unit(benchmark::kMicrosecond)
    ->MinTime(0.2)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

// ---------------------------------------------------------------------------------------

// The console output as usual, and the figures it needs for the comparison at the end:
// the median of repeated benchmarks, the single figure of the others, in seconds.
class Vergleichsbericht : public benchmark::ConsoleReporter {
public:
    explicit Vergleichsbericht(OutputOptions Optionen) : ConsoleReporter(Optionen) {}

    void ReportRuns(const std::vector<Run>& Laeufe) override {
        ConsoleReporter::ReportRuns(Laeufe);
        for (const Run& lauf : Laeufe) {
            if (lauf.error_occurred) continue;
            const bool median =
                lauf.run_type == Run::RT_Aggregate && lauf.aggregate_name == "median";
            if (!median && lauf.run_type != Run::RT_Iteration) continue;
            std::string name = lauf.run_name.function_name;
            if (!lauf.run_name.args.empty()) name += "/" + lauf.run_name.args;
            Sekunden[name] =
                lauf.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(lauf.time_unit);
        }
    }

    void VergleichAusgeben() const {
        std::printf("\n");
        Verhaeltnis("Laden(2)", "open+fstat+read+close", 1e3, "ms");
        std::printf("Datensatz (zufällige Nummern):");
        for (const char* n : {"1000", "10000", "100000"})
            if (const double* s = Wert(std::string("Datensatz/") + n))
                std::printf("  %s Sätze %.1f ns", n, *s * 1e9);
        std::printf("\n");
        Verhaeltnis("Speichern", "open+pwrite+close", 1e6, "µs");
        Verhaeltnis("Speichern mit Umzug", "Speichern", 1e6, "µs");
        Verhaeltnis("Speichern mit Umzug ohne fsync", "Speichern", 1e6, "µs");
    }

private:
    const double* Wert(const std::string& Name) const {
        const auto it = Sekunden.find(Name);
        return it == Sekunden.end() ? nullptr : &it->second;
    }

    void Verhaeltnis(const char* Oben, const char* Unten, double Faktor,
                     const char* Einheit) const {
        const double* a = Wert(Oben);
        const double* b = Wert(Unten);
        if (!a || !b || *b <= 0) return;
        std::printf("%s / %s = %.2f  (Median %.3f %s gegen %.3f %s)\n", Oben, Unten, *a / *b,
                    *a * Faktor, Einheit, *b * Faktor, Einheit);
    }

    std::map<std::string, double> Sekunden;
};

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;

    std::error_code fehler;
    fs::create_directories(Arbeitsverzeichnis(), fehler);
    if (fehler) Abbrechen(Arbeitsverzeichnis().string() + ": " + fehler.message());
    for (const int anzahl : {1000, 10000, GrosseTabelle})
        ObjekttabelleErzeugen(anzahl);

    Vergleichsbericht bericht(::isatty(STDOUT_FILENO) ? benchmark::ConsoleReporter::OO_Defaults
                                                      : benchmark::ConsoleReporter::OO_Tabular);
    benchmark::RunSpecifiedBenchmarks(&bericht);
    bericht.VergleichAusgeben();
    benchmark::Shutdown();
    fs::remove_all(Arbeitsverzeichnis(), fehler);
    return 0;
}
