// Pages of 200 objects (pictures, shapes and bevels): building such a page from scratch,
// changing to a page that keeps every object (also with 50 and 1,000 objects, to show how the
// cost grows), and finding an object by its number.

#include "bench/Lernfenster.h"
#include "objects/kern/TObjektliste.h"
#include "player/Navigation.h"
#include "player/THauptfenster.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <new>
#include <sstream>
#include <unistd.h>

namespace fs = std::filesystem;

// Every allocation of the program is counted, so that a lookup can show it allocates none.
namespace {
std::atomic<long> Anforderungen{0};
}

void* operator new(std::size_t Groesse) {
    Anforderungen.fetch_add(1, std::memory_order_relaxed);
    if (void* p = std::malloc(Groesse ? Groesse : 1)) return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}

namespace {

constexpr int Objektanzahl = 200;

// Page 1 and page 2 list the same objects, page 3 none (an empty list: a page record
// without the list would keep the previous page's objects).
std::string Lektionsquelle(int Anzahl) {
    std::ostringstream s;
    auto nummern = [&] {
        std::ostringstream n;
        for (int i = 1; i <= Anzahl; ++i)
            n << (i > 1 ? "," : "") << '"' << i << '"';
        return n.str();
    };
    s << R"({"tables": {"States.tab": [)"
      << R"({"nr": 1, "fields": {"100": "1", "161": [)" << nummern() << "]}},"
      << R"({"nr": 2, "fields": {"100": "2", "161": [)" << nummern() << "]}},"
      << R"({"nr": 3, "fields": {"100": "3", "161": ""}}], "Objekte.tab": [)";
    const char* formen[] = {"stRectangle",   "stSquare",  "stRoundRect",
                            "stRoundSquare", "stEllipse", "stCircle"};
    for (int i = 1; i <= Anzahl; ++i) {
        const int x = 10 + (i % 20) * 38, y = 10 + (i / 20) * 50;
        s << (i > 1 ? "," : "") << R"({"nr": )" << i << R"(, "fields": {)"
          << R"("1205": ")" << x << R"(", "1206": ")" << y
          << R"(", "1207": "34", "1208": "40", "1252": "Objekt )" << i << '"';
        switch (i % 3) {
        case 0: s << R"(, "1200": "5", "1210": "bild.png", "1219": ")" << (i % 2) << '"'; break;
        case 1:
            s << R"(, "1200": "9", "1209": "5294335", "1227": "8388608", "1229": "1", "1223": ")"
              << formen[(i / 3) % 6] << '"';
            break;
        default: s << R"(, "1200": "29")";
        }
        s << "}}";
    }
    s << "]}}";
    return s.str();
}

// The lesson of this program with its learner window: built on construction (a failure
// skips the benchmark with its reason), removed at the end.
class Umgebung {
public:
    explicit Umgebung(benchmark::State& state, int Anzahl = Objektanzahl)
        : Lektion(fs::temp_directory_path() / ("velmora-objekte-" + std::to_string(::getpid()))) {
        if (const std::string fehler = Lektion.AusTextBauen(Lektionsquelle(Anzahl));
            !fehler.empty()) {
            state.SkipWithError(fehler.c_str());
            return;
        }
        QImage bild(32, 32, QImage::Format_RGB32);
        bild.fill(Qt::darkCyan);
        bild.save(QString::fromStdString((Lektion.Verzeichnis / "bild.png").string()));
        Lektion.Oeffnen();
        Fenster = Lektion.Fenster;
    }
    explicit operator bool() const { return Fenster != nullptr; }

    THauptfenster* Fenster = nullptr;

private:
    TBenchlektion Lektion;
};

// From an empty page to the page of 200 objects: every object is created and filled, and
// the polish and layout requests the build posts are delivered, as the event loop does right
// after a page change. With the argument 1 the event loop's whole turn is measured, the
// painting of the window included.
void SeiteMitObjektenAufbauen(benchmark::State& state) {
    Umgebung u(state);
    if (!u) return;
    const bool malen = state.range(0) != 0;
    for (auto _ : state) {
        state.PauseTiming();
        Navigation::GeheZuSeite(*u.Fenster, 3);
        // Removed objects go when control returns to the event loop; here, before the clock
        // runs again, together with everything else the empty page left to do.
        QCoreApplication::sendPostedEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        if (u.Fenster->Objektliste()) state.SkipWithError("Objekte der Seite 1 blieben");
        state.ResumeTiming();
        Navigation::GeheZuSeite(*u.Fenster, 1);
        if (malen) {
            QCoreApplication::sendPostedEvents(); // the update request paints the window
        } else {
            QCoreApplication::sendPostedEvents(nullptr, QEvent::PolishRequest);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        }
    }
    TObjektliste* letztes = ObjektMitNummer(u.Fenster->Objektliste(), Objektanzahl);
    if (!letztes || !letztes->Objekt || !letztes->Objekt->isVisible())
        state.SkipWithError("Objekte fehlen");
}
BENCHMARK(SeiteMitObjektenAufbauen)
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// Between two pages that list the same objects (200, or as many as the argument says):
// every object stays.
void SeiteBehaeltObjekte(benchmark::State& state) {
    Umgebung u(state, static_cast<int>(state.range(0)));
    if (!u) return;
    Navigation::GeheZuSeite(*u.Fenster, 1);
    QWidget* erstes = ObjektMitNummer(u.Fenster->Objektliste(), 1)->Objekt;
    int32_t seite = 1;
    for (auto _ : state) {
        seite = 3 - seite;
        Navigation::GeheZuSeite(*u.Fenster, seite);
    }
    if (ObjektMitNummer(u.Fenster->Objektliste(), 1)->Objekt != erstes)
        state.SkipWithError("Objekt wurde neu erzeugt");
}
BENCHMARK(SeiteBehaeltObjekte)
    ->Arg(50)
    ->Arg(Objektanzahl)
    ->Arg(1000)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// Looking up the last object of a 200-object page; reports the allocations per lookup.
void ObjektNachNummer(benchmark::State& state) {
    Umgebung u(state);
    if (!u) return;
    Navigation::GeheZuSeite(*u.Fenster, 1);
    TObjektliste* kopf = u.Fenster->Objektliste();
    const long vorher = Anforderungen.load();
    for (auto _ : state)
        benchmark::DoNotOptimize(ObjektMitNummer(kopf, Objektanzahl));
    state.counters["Anforderungen"] = benchmark::Counter(
        static_cast<double>(Anforderungen.load() - vorher), benchmark::Counter::kAvgIterations);
}
BENCHMARK(ObjektNachNummer)->Unit(benchmark::kNanosecond);

} // namespace
