// A page of 50 system labels (dates, times, page numbers, answer counts, amounts) refreshing
// after a click on a mouse-sensitive area that takes part in the evaluation, and the refresh
// on its own.

#include "bench/Lernfenster.h"
#include "objects/kern/TObjektliste.h"
#include "objects/rollen/TSystemwertdienst.h"
#include "objects/texte/THSystemLabel.h"
#include "player/Navigation.h"
#include "player/THauptfenster.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QMouseEvent>

#include <sstream>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

constexpr int Labelanzahl = 50;
constexpr int Flaeche = 100;
constexpr int Werte[] = {5, 6, 7, 8, 14, 15, 24, 26, 27, 29, 36, 37, 40, 43, 46, 1100, 1101, 3000};

std::string Lektionsquelle() {
    std::ostringstream s;
    s << R"({"tables": {"States.tab": [{"nr": 1, "fields": {"100": "1", "161": [")" << Flaeche
      << '"';
    for (int i = 1; i <= Labelanzahl; ++i)
        s << ",\"" << i << '"';
    s << R"(]}}], "Objekte.tab": [{"nr": )" << Flaeche
      << R"(, "fields": {"1200": "37", "1205": "700", "1206": "10", "1207": "40", "1208": "40",)"
      << R"( "1251": "1"}})";
    for (int i = 1; i <= Labelanzahl; ++i)
        s << R"(, {"nr": )" << i << R"(, "fields": {"1200": "45", "1205": ")" << (i % 2) * 300
          << R"(", "1206": ")" << (i / 2) * 20 << R"(", "1256": "1", "1260": "1", "1259": ")"
          << Werte[i % std::size(Werte)] << R"("}})";
    s << "]}}";
    return s.str();
}

class Umgebung {
public:
    explicit Umgebung(benchmark::State& state)
        : Lektion(fs::temp_directory_path() /
                  ("velmora-systemlabel-" + std::to_string(::getpid()))) {
        if (const std::string fehler = Lektion.AusTextBauen(Lektionsquelle()); !fehler.empty()) {
            state.SkipWithError(fehler.c_str());
            return;
        }
        Lektion.Oeffnen();
        Fenster = Lektion.Fenster;
        const TObjektliste* e = ObjektMitNummer(Fenster->Objektliste(), Flaeche);
        Bereich = e ? e->Objekt.data() : nullptr;
        if (!Bereich) state.SkipWithError("die Fläche fehlt");
    }
    explicit operator bool() const { return Bereich != nullptr; }

    void Klicken() {
        for (auto art : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
            QMouseEvent e(art, QPointF(5, 5), QPointF(Bereich->mapToGlobal(QPoint(5, 5))),
                          Qt::LeftButton,
                          art == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, {});
            QApplication::sendEvent(Bereich, &e);
        }
    }

    THauptfenster* Fenster = nullptr;
    QWidget* Bereich = nullptr;

private:
    TBenchlektion Lektion;
};

void Klick(benchmark::State& state) {
    Umgebung u(state);
    if (!u) return;
    for (auto _ : state)
        u.Klicken();
    const TObjektliste* e = ObjektMitNummer(u.Fenster->Objektliste(), 1);
    const auto* label = e ? qobject_cast<const THSystemLabel*>(e->Objekt.data()) : nullptr;
    if (!label || label->text() == "unbekannt") state.SkipWithError("kein Wert");
}
BENCHMARK(Klick)->Unit(benchmark::kMicrosecond)->Repetitions(7)->ReportAggregatesOnly(true);

void NurAktualisieren(benchmark::State& state) {
    Umgebung u(state);
    if (!u) return;
    for (auto _ : state)
        Rolle<TSystemwertdienst>().SystemanzeigenAktualisieren();
}
BENCHMARK(NurAktualisieren)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(7)
    ->ReportAggregatesOnly(true);

} // namespace
