#include "DemoSeitenumgebung.h"

#include "player/Navigation.h"
#include "player/Objektliste.h"
#include "store/Lektion.h"
#include "store/Lektionsdateien.h"
#include "vlmtab/LektionBauen.h"

#include <sstream>

namespace fs = std::filesystem;

void DemoSeitentest::SetUp() {
    Lektionstest::SetUp();
    const fs::path demo = DEMO_VERZEICHNIS;
    std::ostringstream meldungen;
    ASSERT_EQ(vlmtab::LektionBauen(demo / "lesson.json", Verzeichnis, meldungen), 0)
        << meldungen.str();
    fs::copy(demo / "media", Verzeichnis, fs::copy_options::recursive);
    Lektionsorte().Programmverzeichnis = Lektionsorte().Lektionsverzeichnis = Verzeichnis;
    LektionOeffnen();
    Fenster = new THauptfenster();
    TDatensatz* seite = Navigation::SeiteMitNummer(Seitennummer());
    ASSERT_NE(seite, nullptr);
    std::istringstream liste(Tabelle(ArtSeiten)->LeseText(seite, 161));
    std::vector<std::string> nummern;
    for (std::string zeile; std::getline(liste, zeile);) {
        if (!zeile.empty() && zeile.back() == '\r') zeile.pop_back();
        nummern.push_back(zeile);
    }
    ObjektlisteAufbauen(*Fenster, nummern, seite);
}

void DemoSeitentest::TearDown() {
    delete Fenster;
    Fenster = nullptr;
    Lektionstest::TearDown();
}
