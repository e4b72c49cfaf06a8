#include "store/Datenlexikon.h"
#include "store/TTabelle.h"
#include "store/Zeichensatz.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace {

std::vector<std::string> Spalten(const std::string& Zeile) {
    std::vector<std::string> s;
    std::stringstream in(Zeile);
    std::string teil;
    while (std::getline(in, teil, '\t'))
        s.push_back(teil);
    if (!Zeile.empty() && Zeile.back() == '\t') s.emplace_back();
    return s;
}

// Every kind's file name, title and field list, row by row, against the golden list
// (UTF-8 text; the dictionary holds Windows-1252).
TEST(Datenlexikon, StimmtMitDerGoldenenListeUeberein) {
    std::ifstream datei(VELMORA_TESTDATEN "/datenlexikon.txt");
    ASSERT_TRUE(datei) << "golden list missing";
    std::string zeile;
    int arten = 0, felder = 0;
    while (std::getline(datei, zeile)) {
        const auto s = Spalten(zeile);
        if (s[0] == "Art") {
            const int art = std::stoi(s[1]);
            const TTabellenbeschreibung b = Tabellenbeschreibung(art);
            EXPECT_EQ(b.Dateiname, s[2]) << "kind " << art;
            EXPECT_EQ(AnsiNachUtf8(b.Titel), s[3]) << "kind " << art;
            EXPECT_EQ(static_cast<int>(b.Vorspann.size() + b.Felder.size()), std::stoi(s[4]))
                << "kind " << art;
            ++arten;
        } else {
            const int art = std::stoi(s[1]);
            const size_t pos = std::stoul(s[2]);
            const TTabellenbeschreibung b = Tabellenbeschreibung(art);
            const TFelddefinition& f = pos <= b.Vorspann.size()
                                           ? b.Vorspann[pos - 1]
                                           : b.Felder[pos - 1 - b.Vorspann.size()];
            EXPECT_EQ(f.FeldId, std::stoi(s[3])) << "kind " << art << " position " << pos;
            EXPECT_EQ(f.Typ, std::stoi(s[4])) << "kind " << art << " position " << pos;
            EXPECT_EQ(AnsiNachUtf8(f.Name), s.size() > 5 ? s[5] : "")
                << "kind " << art << " position " << pos;
            ++felder;
        }
    }
    EXPECT_EQ(arten, 29);
    EXPECT_GT(felder, 700);
}

TEST(Datenlexikon, GleicheFeldlistenGebenGleichePositionen) {
    for (int art : {4, 17, 20}) {
        TTabelle t(art, "unbenutzt");
        EXPECT_EQ(t.FeldPosition(1205), 6) << "kind " << art;
    }
    TTabelle typen(14, "unbenutzt");
    EXPECT_EQ(typen.FeldPosition(1205), 16);
    EXPECT_EQ(typen.FeldPosition(1190), 1);
    EXPECT_EQ(typen.Feldname(1190), "Typname");
    EXPECT_EQ(typen.AnzahlFelder(), 104);
}

TEST(Datenlexikon, UnbenannteUndFehlendeFelder) {
    TTabelle effekte(10, "unbenutzt");
    EXPECT_EQ(effekte.Feldname(1731), "");
    EXPECT_EQ(effekte.Feldname(1733), "####");
    EXPECT_EQ(effekte.FeldPosition(1733), -1);
    EXPECT_EQ(effekte.FeldIdVonName("Geschwindigkeit"), 1707); // the first of four
    EXPECT_EQ(effekte.FeldIdAnPosition(34), 1734);
    EXPECT_EQ(effekte.FeldIdAnPosition(35), 0);
    EXPECT_EQ(effekte.FeldIdAnPosition(0), 0);
    TTabelle seiten(0, "unbenutzt");
    EXPECT_EQ(seiten.Feldname(1201), "####");
    EXPECT_EQ(seiten.Feldname(112), "Hintergrundfarbe");
    EXPECT_EQ(seiten.Feldname(160), "N\xE4"
                                    "chsterState");
    EXPECT_EQ(seiten.FeldIdVonName("N\xE4"
                                   "chsterState"),
              160);
    EXPECT_EQ(seiten.FeldIdVonName("gibt es nicht"), 0);
    EXPECT_EQ(seiten.Tabellentitel(), "StateTabelle");
}

TEST(Datenlexikon, ArtenOhneFeldlisteUndUnbekannteArten) {
    for (int art : {8, 13, 29, 200, -1}) {
        TTabelle t(art, "unbenutzt");
        EXPECT_EQ(t.AnzahlFelder(), 0) << "kind " << art;
        EXPECT_EQ(t.Feldname(100), "####");
        EXPECT_EQ(t.Tabellentitel(), "");
    }
    EXPECT_STREQ(Tabellenbeschreibung(29).Dateiname, "");
    EXPECT_STREQ(Tabellenbeschreibung(25).Dateiname, "Begriff1.tmp");
    EXPECT_EQ(AnsiNachUtf8(Tabellenbeschreibung(25).Titel), "Begriffserklärungen");
}

TEST(Datenlexikon, ArtVonDateinameOhneGrossKlein) {
    EXPECT_EQ(TabellenartVonDateiname("States.tab"), 0);
    EXPECT_EQ(TabellenartVonDateiname("STATES.TAB"), 0);
    EXPECT_EQ(TabellenartVonDateiname("vlm2.obj"), 14);
    EXPECT_EQ(TabellenartVonDateiname("begriff1.TMP"), 25);
    EXPECT_EQ(TabellenartVonDateiname("States.tabx"), -1);
    EXPECT_EQ(TabellenartVonDateiname(""), -1);
}

} // namespace
