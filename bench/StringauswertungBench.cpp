// A string evaluation with 1,000 accepted values against a 200-character answer typed in an
// input field: the values have the answer's length, hold "?" and differ from it at varying
// places, so most comparisons run far into the text; the case is ignored. Once no value
// matches, once the last one does.

#include "evaluation/Stringauswertung.h"
#include "objects/auswertung/THStringAuswertung.h"
#include "objects/eingabe/THEditfeld.h"
#include "objects/kern/TObjektliste.h"
#include "objects/kern/TSeitenfenster.h"
#include "store/Objekttyp.h"

#include <benchmark/benchmark.h>

#include <QWidget>

#include <cctype>
#include <memory>
#include <string>

namespace {

// A learner window that holds only the page list.
class TBankfenster : public QWidget, public TSeitenfenster {
public:
    QWidget* Fensterwidget() override { return this; }
    void FormMouseDown(QObject*, Qt::MouseButton, Qt::KeyboardModifiers, QPoint) override {}
    void FormMouseMove(QObject*, Qt::MouseButtons, Qt::KeyboardModifiers, QPoint) override {}
    void FormMouseUp(QObject*, Qt::MouseButton, Qt::KeyboardModifiers, QPoint) override {}
    void EreignisAusloesen(int32_t, int) override {}
    TObjektliste* Objektliste() override { return Liste.Kopf(); }
    void Fensterbefehl(int, int32_t) override {}

    void Eintragen(QWidget* Objekt, int32_t Nummer, Objekttyp Typ) {
        auto e = std::make_unique<TObjektliste>();
        e->ObjektSetzen(Objekt);
        e->Nummer = Nummer;
        e->Typ = static_cast<int16_t>(Typcode(Typ));
        Liste.Anhaengen(std::move(e));
    }

    TObjektreihe Liste;
};

std::string Antwort() {
    std::string text;
    for (int i = 0; text.size() < 200; ++i)
        text += static_cast<char>('a' + i * 7 % 26);
    return text;
}

void Stringauswertung1000(benchmark::State& state, bool LetzterPasst, bool GrossKleinEgal = true,
                          bool Grossbuchstaben = false) {
    TBankfenster fenster;
    auto* feld = new THEditfeld(&fenster);
    const std::string antwort = Antwort();
    feld->setText(QString::fromStdString(antwort));
    fenster.Eintragen(feld, 7, Objekttyp::Editfeld);
    auto* objekt = new THStringAuswertung(&fenster);
    objekt->Objektnummer = 7;
    objekt->Stringliste1[THStringAuswertung::GrossKleinEgal - 1] = GrossKleinEgal ? "1" : "";
    for (int i = 0; i < 1000; ++i) {
        std::string wert = antwort;
        wert[(i * 37) % 200] = '?';
        wert[100 + (i * 13) % 100] = '#'; // differs in the second half
        if (Grossbuchstaben)
            for (char& z : wert)
                z = static_cast<char>(std::toupper(static_cast<unsigned char>(z)));
        objekt->Stringliste.push_back(wert);
    }
    if (LetzterPasst) objekt->Stringliste.back() = "?" + antwort.substr(1);
    bool ergebnis = false;
    for (auto _ : state) {
        feld->Verbraucht = false;
        ergebnis = Pruefen(fenster, *objekt, fenster.Objektliste());
        benchmark::DoNotOptimize(ergebnis);
    }
    if (ergebnis != LetzterPasst) state.SkipWithError("wrong result");
}

void KeinWertPasst(benchmark::State& state) {
    Stringauswertung1000(state, false);
}
void LetzterWertPasst(benchmark::State& state) {
    Stringauswertung1000(state, true);
}
// The accepted values in capitals, the answer in small letters.
void KeinWertPasstInGrossbuchstaben(benchmark::State& state) {
    Stringauswertung1000(state, false, true, true);
}
BENCHMARK(KeinWertPasstInGrossbuchstaben)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

// The same with the case compared.
void KeinWertPasstMitGrossKlein(benchmark::State& state) {
    Stringauswertung1000(state, false, false);
}
BENCHMARK(KeinWertPasstMitGrossKlein)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);
BENCHMARK(KeinWertPasst)->Unit(benchmark::kMicrosecond)->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK(LetzterWertPasst)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

} // namespace
