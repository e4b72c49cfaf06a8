#include "bench/Lernfenster.h"

#include "player/TFensterliste.h"
#include "player/THauptfenster.h"
#include "store/Config.h"
#include "store/Lektion.h"
#include "store/Lektionsdateien.h"

#include <QCoreApplication>

TBenchlektion::TBenchlektion(std::filesystem::path Verzeichnis)
    : Verzeichnis(std::move(Verzeichnis)) {}

void TBenchlektion::Oeffnen() {
    auto& orte = Lektionsorte();
    orte.Programmverzeichnis = orte.Lektionsverzeichnis = Verzeichnis;
    KonfigurationLesen();
    LektionOeffnen();
    Fenster = new THauptfenster();
    TFensterliste::Liste().Anhaengen(Fenster);
    TFensterliste::Liste().AktuellSetzen(Fenster);
    Fenster->show();
    QCoreApplication::processEvents();
}

TBenchlektion::~TBenchlektion() {
    if (Fenster) {
        delete Fenster;
        TFensterliste::Liste().Leeren();
        LektionSchliessen();
    }
    std::error_code fehler;
    std::filesystem::remove_all(Verzeichnis, fehler);
}
