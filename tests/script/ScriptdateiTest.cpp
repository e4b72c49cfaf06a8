// Where a script is found, what one run leaves to the next, and the text blocks of
// "VLWDB.TXT".

#include "ScriptTesthilfe.h"

#include "store/Datenlexikon.h"

#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

class Scriptdatei : public ScriptLektion {
protected:
    void Skript(const fs::path& Relativ, const std::string& Text) {
        fs::create_directories((Verzeichnis / Relativ).parent_path());
        DateiSchreiben(Verzeichnis / Relativ, CrLf(Text));
    }
    std::optional<std::string> Daten(int32_t Nr) { return Wert(ArtDaten, Nr, 301); }
};

TEST_F(Scriptdatei, ErstUnterDemScriptpfadDannImLektionsverzeichnis) {
    Lektion.Scriptpfad = "\\Skripte";
    Skript("skripte/A.TXT", "setdaten(1, 'd', 'pfad')");
    Skript("a.txt", "setdaten(1, 'd', 'lektion')");
    Skript("nurhier.txt", "setdaten(2, 'd', 'lektion')");
    ScriptAusfuehren("C:\\woanders\\a.txt", Lektion, Umgebung);
    ScriptAusfuehren("nurhier.txt", Lektion, Umgebung);
    EXPECT_EQ(Daten(1), "pfad");
    EXPECT_EQ(Daten(2), "lektion");
}

TEST_F(Scriptdatei, FehlendeDateiOderLeererNameBleibtOhneWirkung) {
    Skript("leer.txt", "setdaten(1, 'd', 'x')");
    ScriptAusfuehren("gibtsnicht.txt", Lektion, Umgebung);
    ScriptAusfuehren("", Lektion, Umgebung);
    ScriptAusfuehren("unterordner/", Lektion, Umgebung);
    EXPECT_EQ(Daten(1), std::nullopt);
    EXPECT_TRUE(Umgebung.Protokoll.empty());
    EXPECT_TRUE(Dialoge.Nachrichten.empty());
    EXPECT_EQ(Umgebung.Geloescht, 3); // the pending name is cleared all the same
}

TEST_F(Scriptdatei, VariablenLebenNurEinenLauf) {
    Umgebung.Seite = 3;
    Ausfuehren("var x\nx = 5\nVlm_SNr = 99");
    Umgebung.Seite = 4;
    Ausfuehren("x = 6\nsetdaten(1, 'd', x)\nsetdaten(2, 'd', Vlm_SNr)");
    EXPECT_EQ(Daten(1), "x");
    EXPECT_EQ(Daten(2), "4");
}

TEST_F(Scriptdatei, Textbloecke) {
    DateiSchreiben(Verzeichnis / "vlwdb.txt", "@Nr@1@Erster Text\r\n@Nr@12@Zw\xF6lf@Nr@2@Zwei");
    Ausfuehren("var a\nvar b\nvar c\na = db_vlw_textneu(G, 12)\nb = db_vlw_textneu(G, 2)\n"
               "c = db_vlw_textneu(H, 3)\nsetdaten(1, a, b)\nsetdaten(2, c, c)");
    EXPECT_EQ(Wert(ArtTexte, 1, 1000), "Zw\xF6lf");
    EXPECT_EQ(Wert(ArtTexte, 1, 1001), "G");
    EXPECT_EQ(Wert(ArtTexte, 2, 1000), "Zwei");
    EXPECT_EQ(Wert(ArtTexte, 3, 1000), "");
    EXPECT_EQ(Wert(ArtTexte, 3, 1001), "H");
    EXPECT_EQ(Wert(ArtDaten, 1, 300), "1");
    EXPECT_EQ(Daten(1), "2");
    EXPECT_EQ(Daten(2), "3");
    ASSERT_EQ(Dialoge.Nachrichten.size(), 1u);
    EXPECT_EQ(Dialoge.Nachrichten[0].Text, "Text Nr. 3 nicht gefunden.");
}

TEST_F(Scriptdatei, OhneTextblockdateiEndetDerLauf) {
    Ausfuehren("var a\na = db_vlw_textneu(G, 1)\nsetdaten(1, 'd', 'weiter')");
    ASSERT_EQ(Dialoge.Nachrichten.size(), 1u);
    EXPECT_EQ(Dialoge.Nachrichten[0].Art, Symbol::Fehler);
    EXPECT_NE(Dialoge.Nachrichten[0].Text.find("VLWDB.TXT"), std::string::npos);
    EXPECT_EQ(Daten(1), std::nullopt);
    EXPECT_EQ(Wert(ArtTexte, 1, 1000), std::nullopt);
}

TEST_F(Scriptdatei, NeuerText) {
    Ausfuehren("var t\nt = db_textneu(7, 'Hallo, Welt')\nsetdaten(1, 'd', t)");
    EXPECT_EQ(Wert(ArtTexte, 1, 1000), "Hallo, Welt");
    EXPECT_EQ(Wert(ArtTexte, 1, 1001), "7");
    EXPECT_EQ(Daten(1), "1");
}

} // namespace
