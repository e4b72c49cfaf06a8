// Script statements against a small lesson: what each snippet changes in the tables, what
// it asks of the learner window, and which diagnostics it leaves in the author protocol.

#include "ScriptTesthilfe.h"

#include "store/Config.h"
#include "store/Datenlexikon.h"

#include <gtest/gtest.h>

namespace {

struct TFall {
    const char* Name;
    const char* Skript;
    std::vector<std::string> Ablauf;                     // calls at once, then posted commands
    std::vector<std::string> Meldungen;                  // protocol rows
    std::map<int32_t, std::optional<std::string>> Daten; // content (301); none: no record
};

// Data records 7 = "2" and 8 = "3"; record 9 = 7 PLUS 8, content "0" until recalculated.
// Objects 5 (input field, text "Eingabe") and 8 (text) are on page 3.
const TFall Faelle[] = {
    {"GleichMitBlanks", "var x\nx = 5\nsetdaten(1, 'd', x)", {}, {}, {{1, "5"}}},
    {"GleichOhneBlanksIstEinWort",
     "var x\nx=5\nsetdaten(1, 'd', x)",
     {},
     {"[Fehler] Zeile(2) unbekannter Befehl \"x=5\""},
     {{1, ""}}},
    {"Zuweisungsformen",
     "var a\nvar b\nvar c\na := 1\nb:2\nc(3)\nsetdaten(1,'d',a)\nsetdaten(2,'d',b)\n"
     "setdaten(3,'d',c)",
     {},
     {},
     {{1, "1"}, {2, "2"}, {3, "3"}}},
    {"VarZweimal",
     "var a\na = 1\nvar a\nsetdaten(1, 'd', a)",
     {},
     {"[Fehler] Zeile(3) Variable \"a\" schon vorhanden"},
     {{1, "1"}}},
    {"ZitierterNameWirdNochmalsAufgeloest",
     "var x\nvar y\nx = 7\ny = 'x'\nsetdaten(1, 'd', y)",
     {},
     {},
     {{1, "7"}}},
    {"KommaImZitatBleibtEinParameter", "setdaten(1, 'd', 'a, b')", {}, {}, {{1, "a, b"}}},
    {"BlanksAusserhalbVonZitatenFallenWeg", "setdaten(1, 'd', a b)", {}, {}, {{1, "ab"}}},
    {"VerzweigenErstNachDemScript",
     "verzweigen(12)\nsettext(5, 'fertig')",
     {"settext 5 fertig", "befehl 0 12"},
     {},
     {}},
    {"LeererBereichRechnetTrotzdem",
     "setdaten_inhalt(5, 3, x)",
     {},
     {},
     {{3, std::nullopt}, {4, std::nullopt}, {5, std::nullopt}, {9, "5"}}},
    {"BereichWirdGefuellt", "setdaten_inhalt(1, 2, 4)", {}, {}, {{1, "4"}, {2, "4"}, {9, "5"}}},
    {"RiesigerBereichWirdAbgelehnt",
     "setdaten_inhalt(1, 2000000000, x)",
     {},
     {"[Fehler] Zeile(1) Bereich von 2000000000 Datensätzen ist zu groß (höchstens 10000)"},
     {{1, std::nullopt}, {9, "0"}}},
    {"ObjekttypNichtDefiniert",
     "var o\no = db_objektneu(70)\nsetdaten(1, 'd', o)",
     {},
     {"[Fehler] Zeile(2) Objekttyp 70 nicht definiert"},
     {{1, "9"}}},
    {"TextEinesEditfelds", "var t\nt = gettext(5)\nsetdaten(1, 'd', t)", {}, {}, {{1, "Eingabe"}}},
    {"GettextAufKeinEditfeld",
     "var t\nt = gettext(8)\nsetdaten(1, 'd', t)",
     {},
     {"[Fehler] Zeile(2) Objekt hat nicht den Typ Editfeld"},
     {{1, ""}}},
    {"ObjektNichtAufDerSeite",
     "settext(9, 'x')\nbringtofront(9)",
     {},
     {"[Fehler] Zeile(1) Objekt nicht in der Objektliste enthalten",
      "[Fehler] Zeile(2) Objekt nicht in der Objektliste enthalten"},
     {}},
    {"BefehleOhneParameter",
     "auswerten(1)\nweiterbl\xE4ttern\nZUR\xDC"
     "CKBL\xC4TTERN_IM_VERLAUF",
     {"zurueck", "befehl 13 0", "befehl 11 0"},
     {"[Warnung] Zeile(1) Keine Parameter erlaubt"},
     {}},
    {"Beep",
     "beep(440, 200)\nbeep(440, 0)",
     {"beep 440 200", "beep 440 0"},
     {"[Fehler] Zeile(2) Parameter ist keine positive Zahl"},
     {}},
    {"KommentareUndLeereZeilen",
     "/ nichts\n   \n  // auch nichts\nsetdaten(1, 'd', 'ja')",
     {},
     {},
     {{1, "ja"}}},
    {"SeitennummerVorbelegt", "setdaten(1, 'd', Vlm_SNr)", {}, {}, {{1, "3"}}},
    {"Hexadezimal", "setdaten($10, 'd', 'x')", {}, {}, {{16, "x"}}},
    {"GrossKleinschreibung",
     "VERZWEIGEN(4)\nSetDaten(1, 'd', 'x')",
     {"befehl 0 4"},
     {},
     {{1, "x"}}},
    {"KeineZahlWirdNull",
     "verzweigen(abc)",
     {"befehl 0 0"},
     {"[Fehler] Zeile(1) Parameter ist keine gültige Statenummer"},
     {}},
    {"KeinWahrheitswert",
     "settitelzeile(vielleicht)",
     {"titelzeile 0"},
     {"[Fehler] Zeile(1) Parameter ist nicht TRUE oder FALSE"},
     {}},
    {"ObjekteDerSeite",
     "objekt_anzeigen(8)\nobjektinhalt_nach_datensatz(5, 7)\ndatensatzinhalt_nach_objekt(7, 5)\n"
     "bringtofront(8)\nsendtoback(8)\nf4fenster_\xF6"
     "ffnen(5)\nf4fenster_\xF6"
     "ffnen(8)",
     {"zeigen 8", "objekt>satz 5 7", "satz>objekt 5 7", "vorn 8", "hinten 8", "f4 5"},
     {},
     {}},
};

void PrintTo(const TFall& Fall, std::ostream* Aus) {
    *Aus << Fall.Name;
}

class Snippet : public ScriptLektion, public ::testing::WithParamInterface<TFall> {
protected:
    void SetUp() override { ScriptLektion::SetUp(); }
    void TearDown() override { ScriptLektion::TearDown(); }
};

TEST_P(Snippet, WirktUndMeldet) {
    const TFall& fall = GetParam();
    Umgebung.Texte[5] = "Eingabe";
    Ausfuehren(fall.Skript);
    EXPECT_EQ(Umgebung.Ablauf(), fall.Ablauf);
    EXPECT_EQ(Meldungen(), fall.Meldungen);
    for (const auto& [nr, inhalt] : fall.Daten)
        EXPECT_EQ(Wert(ArtDaten, nr, 301), inhalt) << nr;
    EXPECT_EQ(Umgebung.Geloescht, 1);
    EXPECT_TRUE(Dialoge.Nachrichten.empty());
}

INSTANTIATE_TEST_SUITE_P(Script, Snippet, ::testing::ValuesIn(Faelle),
                         [](const auto& Info) { return std::string(Info.param.Name); });

using ScriptBefehle = ScriptLektion;

TEST_F(ScriptBefehle, NeueSeiteKopiertUndZaehltWeiter) {
    for (int32_t nr : {10, 11, 12})
        Satz(ArtSeiten, 20 + nr, {{100, std::to_string(nr)}, {101, "Seite " + std::to_string(nr)}});
    Ausfuehren("var p\np = db_stateneu(10, TRUE)\nsetdaten(1, 'd', p)");
    EXPECT_EQ(Wert(ArtDaten, 1, 301), "13");
    ASSERT_NE(Seite(13), nullptr);
    EXPECT_EQ(Tab(ArtSeiten).LeseText(Seite(13), 101), "Seite 10");
    EXPECT_EQ(Seite(13)->Nr, 33); // the next free record number
    EXPECT_TRUE(Meldungen().empty());
}

TEST_F(ScriptBefehle, NeueSeiteOhneVorlageIstLeer) {
    Ausfuehren("var p\np = db_stateneu(10, FALSE)\nsetdaten(1, 'd', p)");
    EXPECT_EQ(Wert(ArtDaten, 1, 301), "10");
    ASSERT_NE(Seite(10), nullptr);
    EXPECT_EQ(Tab(ArtSeiten).LeseText(Seite(10), 101), "");
}

TEST_F(ScriptBefehle, SchrittweiteAusVlmSW) {
    Satz(ArtSeiten, 2, {{100, "10"}});
    Ausfuehren("Vlm_SW = 5\nvar p\np = db_stateneu(10, FALSE)\nsetdaten(1, 'd', p)\n"
               "vlm_sw = viel\np = db_stateneu(10, FALSE)\nsetdaten(2, 'd', p)");
    EXPECT_EQ(Wert(ArtDaten, 1, 301), "15");
    EXPECT_EQ(Wert(ArtDaten, 2, 301), "11");
    EXPECT_EQ(Meldungen(), std::vector<std::string>{
                               "[Fehler] Zeile(6) Fehler beim Lesen der Variablen \"Vlm_SW\""});
}

TEST_F(ScriptBefehle, NeuesObjektTraegtSeinenTypnamen) {
    Ausfuehren("var a\nvar b\na = db_objektneu(6)\nb = db_objektneu(70)\nsetdaten(1, a, b)");
    EXPECT_EQ(Wert(ArtObjekte, 9, 1200), "6");
    EXPECT_EQ(Wert(ArtObjekte, 9, 1201), "Editfeld");
    EXPECT_EQ(Wert(ArtObjekte, 10, 1200), "0");
    EXPECT_EQ(Wert(ArtObjekte, 10, 1201), "unbekannt");
    EXPECT_EQ(Wert(ArtDaten, 1, 300), "9");
    EXPECT_EQ(Wert(ArtDaten, 1, 301), "10");
}

TEST_F(ScriptBefehle, EigenschaftenVonObjektUndSeite) {
    Ausfuehren("db_setobjeig(8, 1264, 'eins|zwei')\n"
               "db_setobjeig(8, 1202, 40)\n"
               "db_setstateeig(3, 101, 'Neu')\n"
               "db_setstateeig(99, 101, 'Neu')\n"
               "db_addobjtostate(3, 12)\n"
               "var w\nw = db_getobjeig(8, 1202)\nsetdaten(1, 'd', w)\n"
               "w = db_getstateeig(3, 101)\nsetdaten(2, 'd', w)\n"
               "w = db_getobjeig(77, 1202)\nw = db_getstateeig(99, 101)");
    EXPECT_EQ(Wert(ArtObjekte, 8, 1264), "eins\r\nzwei");
    EXPECT_EQ(Wert(ArtDaten, 1, 301), "40");
    EXPECT_EQ(Wert(ArtDaten, 2, 301), "Neu");
    EXPECT_EQ(Tab(ArtSeiten).LeseText(Seite(3), 161), "5\r\n8\r\n12");
    EXPECT_EQ(Meldungen(), (std::vector<std::string>{
                               "[Fehler] Zeile(4) State in der Datenbank nicht vorhanden",
                               "[Fehler] Zeile(11) Objekt in der Datenbank nicht vorhanden",
                               "[Fehler] Zeile(12) State in der Datenbank nicht vorhanden"}));
}

// A property out of range must not fall back to field 0, the record's first value.
TEST_F(ScriptBefehle, UndefinierteEigenschaftAendertNichts) {
    Ausfuehren("db_setobjeig(5, 2000, 1)\ndb_setstateeig(3, 7, 1)\ndb_setobjeig(5, x, 1)");
    EXPECT_EQ(Wert(ArtObjekte, 5, 1200), "6");
    EXPECT_EQ(Tab(ArtSeiten).LeseText(Seite(3), 100), "3");
    EXPECT_EQ(Meldungen(), (std::vector<std::string>{
                               "[Fehler] Zeile(1) Objekteigenschaft 2000 nicht definiert",
                               "[Fehler] Zeile(2) Stateeigenschaft 7 nicht definiert",
                               "[Fehler] Zeile(3) Parameter ist keine gültige Objekteigenschaft"}));
}

// The record limit of the table engine is met with a diagnostic, not a message box, and the
// table stays valid.
TEST_F(ScriptBefehle, ZuLangerWertWirdAbgelehnt) {
    Ausfuehren("setdaten(7, 'd', '" + std::string(70000, 'x') + "')\nsetdaten(8, 'd', 'kurz')");
    EXPECT_TRUE(Dialoge.Nachrichten.empty());
    ASSERT_EQ(Meldungen().size(), 1u);
    EXPECT_EQ(Meldungen()[0], "[Fehler] Zeile(1) Datensatz 7 in Daten.tab darf höchstens 65520 "
                              "Bytes groß werden; der Wert wurde nicht übernommen");
    TTabelle neu(ArtDaten, Verzeichnis / "Daten.tab");
    neu.Laden(2);
    EXPECT_EQ(neu.LeseText(neu.Datensatz(7), 301), "2");
    EXPECT_EQ(neu.LeseText(neu.Datensatz(7), 300), "d");
    EXPECT_EQ(neu.LeseText(neu.Datensatz(8), 301), "kurz");
}

TEST_F(ScriptBefehle, NotizMitDatumUndZeit) {
    std::tm zeit{};
    zeit.tm_year = 2026 - 1900;
    zeit.tm_mon = 2;
    zeit.tm_mday = 7;
    zeit.tm_hour = 9;
    zeit.tm_min = 5;
    zeit.tm_isdst = -1;
    Umgebung.Zeitpunkt = std::mktime(&zeit);
    Ausfuehren("db_notizneu(3, 'Aufgabe', 'Bitte lesen')");
    EXPECT_EQ(Wert(ArtNotizen, 1, 2410), "Aufgabe");
    EXPECT_EQ(Wert(ArtNotizen, 1, 2404), "Bitte lesen");
    EXPECT_EQ(Wert(ArtNotizen, 1, 2400), "3");
    EXPECT_EQ(Wert(ArtNotizen, 1, 2402), "07.03.2026");
    EXPECT_EQ(Wert(ArtNotizen, 1, 2403), "09:05");
    EXPECT_EQ(Wert(ArtNotizen, 1, 2405), "");
}

TEST_F(ScriptBefehle, TitelzeileMerktDieSeite) {
    Umgebung.Seite = 4;
    Ausfuehren("settitelzeile(true)\nsettitelzeile(False)");
    EXPECT_EQ(Umgebung.Ablauf(), (std::vector<std::string>{"titelzeile 1", "titelzeile 0"}));
    EXPECT_EQ(IniWertLesen(Verzeichnis / "VLM.INI", "State", "Nr"), "4");
}

} // namespace
