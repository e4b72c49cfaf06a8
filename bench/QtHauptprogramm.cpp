// The main program of every benchmark that needs Qt widgets: one application under the
// offscreen platform, so that benchmarks run headless and measure no window system.

#include "platform/Ereignisschleife.h"

#include <benchmark/benchmark.h>

#include <QApplication>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    EreignisschleifeWaehlen(); // the player's event loop
    QApplication anwendung(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
