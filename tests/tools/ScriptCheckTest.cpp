// `vlmtab script-check`: the diagnostics rows and the summary of a script checked without
// running it, the exit statuses, and the lookup of a lesson's script.

#include "support/Testverzeichnis.h"
#include "tools/VlmtabTesthilfe.h"

#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

class ScriptCheck : public Testverzeichnis {};

TEST_F(ScriptCheck, ZweiFehler) {
    DateiSchreiben(Verzeichnis / "neu.txt",
                   "var x\r\nx = 5\r\nx=5\r\nweiterbl\xE4ttern\r\nsettext(5)\r\n");
    const TLauf lauf = Vlmtab({"script-check", (Verzeichnis / "neu.txt").string()});
    EXPECT_EQ(lauf.Status, 1);
    EXPECT_EQ(lauf.Aus, "[Fehler] Zeile(3) unbekannter Befehl \"x=5\"\n"
                        "[Fehler] Zeile(5) Anzahl der Parameter stimmt nicht\n"
                        "Script kann nicht ausgeführt werden\n");
    EXPECT_EQ(lauf.Meldungen, "");
}

TEST_F(ScriptCheck, WarnungenAllein) {
    DateiSchreiben(Verzeichnis / "ok.txt", "auswerten(1)\r\nsetdaten(1, 'a', 'b')\r\n");
    const TLauf lauf = Vlmtab({"script-check", (Verzeichnis / "ok.txt").string()});
    EXPECT_EQ(lauf.Status, 0);
    EXPECT_EQ(lauf.Aus, "[Warnung] Zeile(1) Keine Parameter erlaubt\nSyntax OK\n");
}

TEST_F(ScriptCheck, UnlesbareDatei) {
    const TLauf lauf = Vlmtab({"script-check", (Verzeichnis / "fehlt.txt").string()});
    EXPECT_EQ(lauf.Status, 2);
    EXPECT_NE(lauf.Meldungen.find("fehlt.txt"), std::string::npos);
}

// The script is found under the lesson's script path; the lesson's tables stay untouched.
TEST_F(ScriptCheck, SkriptDerLektion) {
    const fs::path lektion = Verzeichnis / "lektion";
    fs::create_directories(lektion / "Skripte");
    DateiSchreiben(lektion / "VLM.INI", "[Lektion]\r\nScriptpfad=Skripte\\\r\n");
    DateiSchreiben(lektion / "Skripte" / "Start.txt", "setdaten(1, 'a', 'b')\r\n");
    const TLauf lauf = Vlmtab({"script-check", "start.txt", "--lesson", lektion.string()});
    EXPECT_EQ(lauf.Status, 0) << lauf.Meldungen;
    EXPECT_EQ(lauf.Aus, "Syntax OK\n");
    EXPECT_FALSE(fs::exists(lektion / "Daten.tab"));
}

TEST_F(ScriptCheck, Aufruf) {
    EXPECT_EQ(Vlmtab({"script-check"}).Status, 2);
    EXPECT_EQ(Vlmtab({"script-check", "a.txt", "--lesson"}).Status, 2);
    const TLauf hilfe = Vlmtab({"script-check", "--help"});
    EXPECT_EQ(hilfe.Status, 0);
    EXPECT_NE(hilfe.Aus.find("Syntax OK"), std::string::npos);
}

} // namespace
