// The demo lesson's source builds into a complete lesson whose records refer to each other
// consistently: what the build of `demo_lesson` produces, checked through the engine.

#include "store/Datenlexikon.h"
#include "store/TTabelle.h"
#include "support/AufzeichnenderDialogDienst.h"
#include "support/Testverzeichnis.h"
#include "vlmtab/LektionBauen.h"

#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <sstream>

namespace {

class DemoLektion : public Testverzeichnis {
protected:
    void SetUp() override {
        Testverzeichnis::SetUp();
        std::ostringstream meldungen;
        ASSERT_EQ(vlmtab::LektionBauen(DEMO_QUELLE, Verzeichnis, meldungen), vlmtab::Erfolg)
            << meldungen.str();
        for (int art = 0; art <= 17; ++art) {
            if (art == ArtVersion) continue;
            Tabellen[art] =
                std::make_unique<TTabelle>(art, Verzeichnis / Tabellenbeschreibung(art).Dateiname);
        }
    }
    TTabelle& T(int Art) {
        TTabelle& t = *Tabellen[Art];
        t.Laden(2);
        return t;
    }
    // The page record whose field 100 is `Nr`.
    TDatensatz* Seite(int32_t Nr) {
        TTabelle& s = T(ArtSeiten);
        for (TDatensatz* d = s.Erster(); d; d = d->Naechster)
            if (s.LeseZahl(d, 100) == Nr) return d;
        return nullptr;
    }

    std::unique_ptr<TTabelle> Tabellen[18];
};

TEST_F(DemoLektion, JedeTabelleDerLektionIstDaUndLaedtOhneMeldung) {
    AufzeichnenderDialogDienst dialoge;
    for (int art = 0; art <= 17; ++art) {
        if (art == ArtVersion) continue;
        const auto pfad = Verzeichnis / Tabellenbeschreibung(art).Dateiname;
        EXPECT_TRUE(std::filesystem::is_regular_file(pfad)) << pfad;
        EXPECT_EQ(DateiLesen(pfad).substr(0, 100), Dateikopf()) << pfad;
        T(art);
    }
    EXPECT_TRUE(dialoge.Nachrichten.empty());
}

TEST_F(DemoLektion, VlmIni) {
    const std::string ini = DateiLesen(Verzeichnis / "VLM.INI");
    EXPECT_EQ(ini.rfind("[Lektion]\r\nName=Demo\r\n", 0), 0u) << ini;
    EXPECT_NE(ini.find("[State]\r\nNr=1\r\n"), std::string::npos) << ini;
}

TEST_F(DemoLektion, SeitenVerweisenAufVorhandeneObjekteUndSeiten) {
    TTabelle& seiten = T(ArtSeiten);
    TTabelle& objekte = T(ArtObjekte);
    ASSERT_GE(seiten.Anzahl(), 3);
    ASSERT_NE(Seite(1), nullptr);
    EXPECT_EQ(seiten.LeseZahl(Seite(1), 110), 800);
    EXPECT_EQ(seiten.LeseZahl(Seite(1), 111), 570);
    for (TDatensatz* s = seiten.Erster(); s; s = s->Naechster) {
        const int32_t nr = seiten.LeseZahl(s, 100);
        EXPECT_GT(nr, 0);
        EXPECT_FALSE(seiten.LeseText(s, 101).empty()) << "page " << nr;
        for (uint16_t feld : {160, 162})
            if (const int32_t ziel = seiten.LeseZahl(s, feld)) {
                EXPECT_NE(Seite(ziel), nullptr) << "page " << nr << " field " << feld;
            }
        std::istringstream liste(seiten.LeseText(s, 161));
        int anzahl = 0;
        for (std::string zeile; std::getline(liste, zeile); ++anzahl) {
            if (!zeile.empty() && zeile.back() == '\r') zeile.pop_back();
            EXPECT_NE(objekte.Datensatz(std::stoi(zeile)), nullptr)
                << "page " << nr << " object " << zeile;
        }
        EXPECT_GT(anzahl, 0) << "page " << nr;
    }
}

TEST_F(DemoLektion, ObjekteZeigenTexteFormenUndRahmen) {
    TTabelle& objekte = T(ArtObjekte);
    TTabelle& texte = T(ArtTexte);
    std::set<int32_t> typen;
    for (TDatensatz* o = objekte.Erster(); o; o = o->Naechster) {
        const int32_t typ = objekte.LeseZahl(o, 1200);
        typen.insert(typ);
        EXPECT_GT(objekte.LeseZahl(o, 1207), 0) << "object " << o->Nr;
        EXPECT_GT(objekte.LeseZahl(o, 1208), 0) << "object " << o->Nr;
        if (typ == 1) {
            EXPECT_NE(texte.Datensatz(objekte.LeseZahl(o, 1211)), nullptr) << "object " << o->Nr;
        }
        // Every page a button, link or navigation button names exists; a navigation button
        // without target steps to the next or previous page.
        const int32_t ziel = objekte.LeseZahl(o, 1218);
        const bool verzweigt =
            typ == 4 || typ == 11 || typ == 12 || typ == 15 || typ == 32 || typ == 41 || typ == 60;
        const bool springt = typ != 11 && typ != 15 && objekte.LeseZahl(o, 1231) == 3;
        if (verzweigt && (ziel != 0 || springt)) {
            EXPECT_NE(Seite(ziel), nullptr) << "object " << o->Nr;
        }
    }
    for (int32_t typ : {1, 9, 29})
        EXPECT_TRUE(typen.count(typ)) << "type " << typ;
    // German texts with umlauts, stored in Windows-1252.
    EXPECT_NE(texte.LeseText(texte.Datensatz(2), 1000).find("\xE4"), std::string::npos);
    EXPECT_GE(T(ArtDaten).Anzahl(), 1);
}

} // namespace
