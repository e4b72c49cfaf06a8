#include "bench/Lernfenster.h"

#include "player/TFensterliste.h"
#include "player/THauptfenster.h"
#include "store/Config.h"
#include "store/Lektion.h"
#include "store/Lektionsdateien.h"
#include "vlmtab/LektionBauen.h"

#include <QCoreApplication>

#include <sstream>

TBenchlektion::TBenchlektion(std::filesystem::path Verzeichnis)
    : Verzeichnis(std::move(Verzeichnis)) {}

std::string TBenchlektion::AusTextBauen(const std::string& Quelle) {
    std::ostringstream meldungen;
    if (vlmtab::LektionAusTextBauen(Quelle, "bench", Verzeichnis, meldungen) == 0) return {};
    const std::string text = meldungen.str();
    return text.empty() ? std::string("the lesson could not be built") : text;
}

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
