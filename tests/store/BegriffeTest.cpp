// The glossary lookup and the cutting of texts into words.

#include "store/Begriffe.h"
#include "store/Datenlexikon.h"
#include "store/TTabelle.h"
#include "support/AufzeichnenderDialogDienst.h"
#include "support/Testverzeichnis.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

class BegriffeTest : public Testverzeichnis {
protected:
    // A glossary in this order: (term, additional terms joined with CR LF).
    void Glossar(const std::vector<std::pair<std::string, std::string>>& Begriffe) {
        DateiSchreiben(Verzeichnis / "Begriffe.tab", Dateikopf());
        Tabelle = std::make_unique<TTabelle>(ArtBegriffe, Verzeichnis / "Begriffe.tab");
        Tabelle->Laden(2);
        int32_t nr = 1;
        for (const auto& [begriff, weitere] : Begriffe) {
            TDatensatz* satz = Tabelle->NeuerDatensatz(nr++);
            Tabelle->SchreibeText(satz, 1100, begriff);
            Tabelle->SchreibeText(satz, 1102, weitere);
            Tabelle->Speichern(satz);
        }
    }
    int32_t Gefunden(const std::string& Wort) {
        TDatensatz* satz = BegriffSuchen(*Tabelle, Wort);
        return satz ? satz->Nr : 0;
    }

    AufzeichnenderDialogDienst Dialoge;
    std::unique_ptr<TTabelle> Tabelle;
};

TEST_F(BegriffeTest, NurDasErsteZeichenWirdAngeglichen) {
    Glossar({{"Modem", "Modems"}, {"\xC4rger", ""}, {"Drei W\xF6rter hier", ""}});
    struct Fall {
        const char* Wort;
        int32_t Satz;
    };
    const Fall faelle[] = {
        {"modem", 1},    {"Modem", 1},    {"MODEM", 0}, {"Modems", 1}, {"modems", 1},
        {"\xE4rger", 0}, {"\xC4rger", 2}, {"", 0},      {"Mode", 0},   {"Drei W\xF6rter hier", 3},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(Gefunden(f.Wort), f.Satz) << f.Wort;
}

TEST_F(BegriffeTest, DerFruehereSatzGewinnt) {
    Glossar({{"Router", "Netz\r\nKnoten"}, {"Switch", "Knoten"}, {"knoten", ""}});
    EXPECT_EQ(Gefunden("knoten"), 1);
    EXPECT_EQ(Gefunden("Netz"), 1);
    EXPECT_EQ(Gefunden("Switch"), 2);
}

TEST_F(BegriffeTest, LeereZeilenFindenNichts) {
    Glossar({{"", "\r\n\r\n"}, {"Modem", ""}});
    EXPECT_EQ(Gefunden("Modem"), 2);
}

TEST(WoerterSchneiden, AnDenAchtTrennzeichen) {
    // Tabs, "!", ";", hyphens and umlauts belong to words.
    EXPECT_EQ(WoerterSchneiden("Das Modem! (ist) ein\r\n\xC4rger;\tGer\xE4t-Teil, \"x\". 2.Modem"),
              (std::vector<std::string>{"Das", "Modem!", "ist", "ein", "\xC4rger;\tGer\xE4t-Teil",
                                        "x", "2", "Modem"}));
}

TEST(WoerterSchneiden, EndetAmErstenNullzeichen) {
    const std::string text("eins zwei\0drei", 14);
    EXPECT_EQ(WoerterSchneiden(text), (std::vector<std::string>{"eins", "zwei"}));
    EXPECT_TRUE(WoerterSchneiden(" ,.()\"\r\n").empty());
}

} // namespace
