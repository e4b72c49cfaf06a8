// A text object's work on a long formatted text: cutting it into tokens (with placeholders)
// and rendering it with word wrap into an off-screen picture of the object's size.

#include "objects/rollen/TSystemwertdienst.h"
#include "objects/texte/THText.h"
#include "objects/texte/Textdienste.h"
#include "platform/Schriften.h"
#include "store/TAnwendungskontext.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>

#include <string>

namespace {

// Every system value is "42", for as long as it lives.
class TFesterSystemwert : public TSystemwertdienst {
public:
    std::string Systemwert(int32_t) override { return "42"; }

private:
    TRollenersatz<TSystemwertdienst> Ersatz{*this};
};

// About 2,000 characters with 40 tags: styles, colours, resets and system-value
// placeholders spread over the text, and a line break now and then.
std::string LangerText() {
    static const char* const tags[] = {"{f}", "{n}",       "{k}", "{rot}", "{n}",
                                       "{u}", "{gr\xFCn}", "{n}", "{12}",  "{blau}"};
    std::string text;
    int tag = 0;
    int wort = 0;
    while (text.size() < 2000) {
        if (wort % 7 == 3 && tag < 40) text += tags[tag++ % 10];
        text += wort % 5 == 0 ? "Lerneinheit" : wort % 3 == 0 ? "und" : "Beispieltext";
        text += wort % 23 == 22 ? "\r\n" : " ";
        ++wort;
    }
    return text;
}

void TextZerlegenUndRendern(benchmark::State& state) {
    SchriftersatzRegistrieren();
    TFesterSystemwert wert;
    const std::string text = LangerText();
    THText objekt;
    objekt.setGeometry(0, 0, 720, 400);
    objekt.ColorSetzen(Qt::white);
    QImage bild(objekt.size(), QImage::Format_RGB32);
    for (auto _ : state) {
        objekt.TextStringSetzen(text);
        QPainter maler(&bild);
        objekt.Rendern(maler);
    }
    objekt.hide();
}
BENCHMARK(TextZerlegenUndRendern)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(7)
    ->ReportAggregatesOnly(true);

// The two halves on their own.
void NurZerlegen(benchmark::State& state) {
    TFesterSystemwert wert;
    const std::string text = LangerText();
    for (auto _ : state)
        benchmark::DoNotOptimize(TextZerlegen(text, {}));
}
BENCHMARK(NurZerlegen)->Unit(benchmark::kMicrosecond)->Repetitions(7)->ReportAggregatesOnly(true);

void NurRendern(benchmark::State& state) {
    SchriftersatzRegistrieren();
    THText objekt;
    objekt.setGeometry(0, 0, 720, 400);
    objekt.ColorSetzen(Qt::white);
    objekt.TextStringSetzen(LangerText());
    QImage bild(objekt.size(), QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter maler(&bild);
        objekt.Rendern(maler);
    }
    objekt.hide();
}
BENCHMARK(NurRendern)->Unit(benchmark::kMicrosecond)->Repetitions(7)->ReportAggregatesOnly(true);

// Laying the words out without drawing them, and the background alone.
void NurAnordnen(benchmark::State& state) {
    SchriftersatzRegistrieren();
    THText objekt;
    objekt.setGeometry(0, 0, 720, 400);
    objekt.TextStringSetzen(LangerText());
    for (auto _ : state)
        objekt.Anordnen([](const THText::TWortlage&) {});
    objekt.hide();
}
BENCHMARK(NurAnordnen)->Unit(benchmark::kMicrosecond)->Repetitions(7)->ReportAggregatesOnly(true);

void NurHintergrund(benchmark::State& state) {
    THText objekt;
    objekt.setGeometry(0, 0, 720, 400);
    QImage bild(objekt.size(), QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter maler(&bild);
        objekt.Rendern(maler);
    }
}
BENCHMARK(NurHintergrund)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(7)
    ->ReportAggregatesOnly(true);

} // namespace
