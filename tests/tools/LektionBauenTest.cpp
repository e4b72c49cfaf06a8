// `vlmtab build`: a source built into table files reads back as written (dump and bytes),
// VLM.INI comes out byte for byte in source order, and errors name source, file and record.

#include "vlmtab/LektionBauen.h"
#include "store/TTabelle.h"
#include "support/Testverzeichnis.h"
#include "tools/VlmtabTesthilfe.h"

#include <gtest/gtest.h>

#include <sstream>

namespace fs = std::filesystem;

namespace {

class LektionBauen : public Testverzeichnis {
protected:
    // Builds `Json` into <test dir>/lektion; returns the status, messages in `Meldungen`.
    int Bauen(const std::string& Json) {
        std::ostringstream meldungen;
        const int status = vlmtab::LektionAusTextBauen(Json, "quelle.json", Ziel(), meldungen);
        Meldungen = meldungen.str();
        return status;
    }
    fs::path Ziel() const { return Verzeichnis / "lektion"; }
    std::string Dump(const std::string& Datei) {
        return Vlmtab({"dump", (Ziel() / Datei).string()}).Aus;
    }
    std::string Meldungen;
};

const char* const Quelle = R"({
  "comment": "a small lesson",
  "tables": {
    "texte.TAB": [
      {"nr": 2, "fields": {"1001": "Gruppe", "1000": ["Zeile ä", "Zeile ß", ""]}},
      {"nr": -1, "comment": "stored as 1", "fields": {"1000": "Größe €"}},
      {"nr": 3}
    ],
    "States.tab": [
      {"nr": 1, "fields": {"100": 1, "101": "Willkommen", "161": ["1", 2], "104": "1"}}
    ],
    "Lernweg.tab": [{"nr": 1, "fields": {"3": "c", "1": "a"}}],
    "Muster.tab": []
  },
  "ini": {"Lektion": {"Name": "Dämo", "Breite": 800}, "State": {"Nr": "1"}, "Alpha": {}}
})";

TEST_F(LektionBauen, TabellenLesenSichWieGeschrieben) {
    ASSERT_EQ(Bauen(Quelle), vlmtab::Erfolg) << Meldungen;
    EXPECT_EQ(Meldungen, "");

    // Records in source order; the file holds absolute numbers; lists joined with CR LF.
    EXPECT_EQ(Dump("Texte.tab"),
              "{\"nr\":2,\"offset\":100,\"values\":[\"Zeile \u00e4\\r\\nZeile \u00df\\r\\n\","
              "\"Gruppe\"]}\n"
              "{\"nr\":1,\"offset\":132,\"values\":[\"Gr\u00f6\u00dfe \u20ac\"]}\n"
              "{\"nr\":3,\"offset\":146,\"values\":[]}\n");
    EXPECT_EQ(DateiLesen(Ziel() / "Texte.tab"),
              Dateikopf() +
                  SatzBytes(2, std::string("Zeile \xE4\r\nZeile \xDF\r\n\0Gruppe\0\x1B", 27)) +
                  SatzBytes(1, std::string("Gr\xF6\xDF\x65 \x80\0\x1B", 9)) + SatzBytes(3, "\x1B"));

    // Values at their field's position, gaps empty, nothing after the last one given.
    std::string seite = "{\"nr\":1,\"offset\":100,\"values\":[\"1\",\"Willkommen\",\"\",\"\",\"1\"";
    for (int pos = 6; pos <= 61; ++pos)
        seite += ",\"\"";
    seite += ",\"1\\r\\n2\"]}\n";
    EXPECT_EQ(Dump("States.tab"), seite);

    // A kind without field list is addressed by position.
    EXPECT_EQ(Dump("Lernweg.tab"), "{\"nr\":1,\"offset\":100,\"values\":[\"a\",\"\",\"c\"]}\n");

    // A table without records is its header alone.
    EXPECT_EQ(DateiLesen(Ziel() / "Muster.tab"), Dateikopf());
}

TEST_F(LektionBauen, VlmIniInQuellreihenfolgeMitCrLfUndWindows1252) {
    ASSERT_EQ(Bauen(Quelle), vlmtab::Erfolg) << Meldungen;
    EXPECT_EQ(DateiLesen(Ziel() / "VLM.INI"),
              "[Lektion]\r\nName=D\xE4mo\r\nBreite=800\r\n[State]\r\nNr=1\r\n[Alpha]\r\n");
}

TEST_F(LektionBauen, NurDieGenanntenDateienWerdenGeschrieben) {
    ASSERT_EQ(Bauen(R"({"tables": {"Daten.tab": []}})"), vlmtab::Erfolg) << Meldungen;
    std::vector<std::string> namen;
    for (const auto& e : fs::directory_iterator(Ziel()))
        namen.push_back(e.path().filename());
    EXPECT_EQ(namen, std::vector<std::string>{"Daten.tab"});
}

TEST_F(LektionBauen, EineVorhandeneDateiAndererSchreibweiseWirdErsetzt) {
    fs::create_directories(Ziel());
    DateiSchreiben(Ziel() / "texte.tab", "alt");
    DateiSchreiben(Ziel() / "vlm.ini", "alt");
    ASSERT_EQ(Bauen(R"({"tables": {"Texte.tab": []}, "ini": {"State": {"Nr": 2}}})"),
              vlmtab::Erfolg);
    EXPECT_EQ(DateiLesen(Ziel() / "texte.tab"), Dateikopf());
    EXPECT_EQ(DateiLesen(Ziel() / "vlm.ini"), "[State]\r\nNr=2\r\n");
    EXPECT_FALSE(fs::exists(Ziel() / "Texte.tab"));
    EXPECT_FALSE(fs::exists(Ziel() / "VLM.INI"));
}

TEST_F(LektionBauen, EineByteOrderMarkWirdUebersprungen) {
    ASSERT_EQ(Bauen("\xEF\xBB\xBF{\"tables\": {\"Daten.tab\": []}}"), vlmtab::Erfolg) << Meldungen;
    EXPECT_EQ(DateiLesen(Ziel() / "Daten.tab"), Dateikopf());
}

TEST_F(LektionBauen, BauenUeberDieBefehlszeile) {
    DateiSchreiben(Verzeichnis / "lesson.json", Quelle);
    TLauf lauf = Vlmtab({"build", (Verzeichnis / "lesson.json").string(), Ziel().string()});
    EXPECT_EQ(lauf.Status, 0) << lauf.Meldungen;
    EXPECT_EQ(lauf.Aus, "");
    EXPECT_TRUE(fs::exists(Ziel() / "Texte.tab"));

    lauf = Vlmtab({"build", (Verzeichnis / "fehlt.json").string(), Ziel().string()});
    EXPECT_EQ(lauf.Status, 1);
    EXPECT_EQ(lauf.Meldungen,
              "vlmtab: " + (Verzeichnis / "fehlt.json").string() + ": cannot be read\n");
    EXPECT_EQ(Vlmtab({"build", (Verzeichnis / "lesson.json").string()}).Status, 2);
}

// Each error names the source, the table file and the record; every error is reported and
// nothing at all is written.
struct TFehlerfall {
    const char* Name;
    const char* Json;
    const char* Meldung; // the first message line
};

void PrintTo(const TFehlerfall& Fall, std::ostream* Aus) {
    *Aus << Fall.Name;
}

class LektionBauenFehler : public LektionBauen,
                           public ::testing::WithParamInterface<TFehlerfall> {};

TEST_P(LektionBauenFehler, NenntDateiUndSatzUndSchreibtNichts) {
    const TFehlerfall& fall = GetParam();
    EXPECT_EQ(Bauen(fall.Json), vlmtab::Fehlschlag);
    EXPECT_EQ(Meldungen.substr(0, Meldungen.find('\n') + 1), fall.Meldung) << Meldungen;
    EXPECT_FALSE(fs::exists(Ziel()));
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, LektionBauenFehler,
    ::testing::Values(
        TFehlerfall{
            "UnbekanntesFeld",
            R"({"tables": {"States.tab": [{"nr": 4, "fields": {"100": "4", "1000": "x"}}]}})",
            "vlmtab: quelle.json: States.tab, record 4, field 1000: unknown field "
            "identifier (not in the field list of StateTabelle)\n"},
        TFehlerfall{"UnbekannteTabelle", R"({"tables": {"Seiten.tab": []}})",
                    "vlmtab: quelle.json: Seiten.tab: unknown table file name\n"},
        TFehlerfall{"ZeichenNichtInWindows1252",
                    R"({"tables": {"Texte.tab": [{"nr": 2, "fields": {"1000": "Ω"}}]}})",
                    "vlmtab: quelle.json: Texte.tab, record 2, field 1000: the value holds "
                    "U+03A9 '\u03a9', which Windows-1252 cannot hold\n"},
        TFehlerfall{"ZeichenInEinerListe",
                    R"({"tables": {"Menues.tab": [{"nr": 7, "fields": {"1601": ["a", "b ☺"]}}]}})",
                    "vlmtab: quelle.json: Menues.tab, record 7, field 1601: the value holds "
                    "U+263A '\u263a', which Windows-1252 cannot hold\n"},
        TFehlerfall{"EscImWert",
                    R"({"tables": {"Texte.tab": [{"nr": 1, "fields": {"1000": "a\u001bb"}}]}})",
                    "vlmtab: quelle.json: Texte.tab, record 1, field 1000: the value holds "
                    "U+001B, which marks the end of a value or record and cannot be part of "
                    "one\n"},
        TFehlerfall{"FeldschluesselKeineZahl",
                    R"({"tables": {"Texte.tab": [{"nr": 1, "fields": {"Text": "a"}}]}})",
                    "vlmtab: quelle.json: Texte.tab, record 1, field Text: a field key must be a "
                    "field identifier (a decimal number)\n"},
        TFehlerfall{"WertKeinText",
                    R"({"tables": {"Texte.tab": [{"nr": 1, "fields": {"1000": 1.5}}]}})",
                    "vlmtab: quelle.json: Texte.tab, record 1, field 1000: a value must be a "
                    "string, a whole number or a list of them\n"},
        TFehlerfall{"NummerDoppelt", R"({"tables": {"Texte.tab": [{"nr": 1}, {"nr": -1}]}})",
                    "vlmtab: quelle.json: Texte.tab, record -1: the record number is given twice "
                    "(numbers are compared by their absolute value)\n"},
        TFehlerfall{"NummerFehlt", R"({"tables": {"Texte.tab": [{"nr": 1}, {"fields": {}}]}})",
                    "vlmtab: quelle.json: Texte.tab, entry 2: \"nr\" must be a whole number from "
                    "-2147483648 to 2147483647\n"},
        TFehlerfall{"UnbekannterSchluesselImSatz",
                    R"({"tables": {"Texte.tab": [{"nr": 1, "field": {}}]}})",
                    "vlmtab: quelle.json: Texte.tab, record 1: unknown key \"field\" (expected "
                    "\"nr\", \"fields\", \"comment\")\n"},
        TFehlerfall{"GleicheArtZweimal", R"({"tables": {"Texte.tab": [], "TEXTE.tab": []}})",
                    "vlmtab: quelle.json: TEXTE.tab: table kind 1 is given twice\n"},
        TFehlerfall{
            "GleicherSchluesselZweimal",
            R"({"tables": {"Texte.tab": [{"nr": 1, "fields": {"1000": "a", "1000": "b"}}]}})",
            "vlmtab: quelle.json: Texte.tab, record 1: the key \"1000\" is given twice\n"},
        TFehlerfall{"IniZeichen", R"({"ini": {"Lektion": {"Name": "Ω"}}})",
                    "vlmtab: quelle.json: VLM.INI, section [Lektion], key Name: the value holds "
                    "U+03A9 '\u03a9', which Windows-1252 cannot hold\n"},
        TFehlerfall{"IniZeilenumbruch", R"({"ini": {"Lektion": {"Name": "a\nb"}}})",
                    "vlmtab: quelle.json: VLM.INI, section [Lektion], key Name: the value may "
                    "not hold any of CR LF\n"},
        TFehlerfall{"UnbekannterOberschluessel", R"({"table": {}})",
                    "vlmtab: quelle.json: unknown key \"table\" at the top level (expected "
                    "\"tables\", \"ini\", \"comment\")\n"},
        TFehlerfall{"KeinJson", "{\"tables\": {\n  \"Texte.tab\": [,]}}",
                    "vlmtab: quelle.json:2:18: not valid JSON: illegal value\n"},
        TFehlerfall{"KeinObjekt", "[]",
                    "vlmtab: quelle.json: the source must be a JSON object with \"tables\" and "
                    "\"ini\"\n"}),
    [](const ::testing::TestParamInfo<TFehlerfall>& info) { return info.param.Name; });

TEST_F(LektionBauen, AlleFehlerWerdenGemeldetUndNichtsWirdGeschrieben) {
    fs::create_directories(Ziel());
    DateiSchreiben(Ziel() / "States.tab", "vorher");
    EXPECT_EQ(Bauen(R"({"tables": {
        "States.tab": [{"nr": 1, "fields": {"101": "neu"}}],
        "Texte.tab": [{"nr": 1, "fields": {"999": "x"}}, {"nr": 2, "fields": {"1000": "Ω"}}]}})"),
              vlmtab::Fehlschlag);
    EXPECT_EQ(Meldungen,
              "vlmtab: quelle.json: Texte.tab, record 1, field 999: unknown field identifier "
              "(not in the field list of Texte)\n"
              "vlmtab: quelle.json: Texte.tab, record 2, field 1000: the value holds U+03A9 "
              "'\u03a9', which Windows-1252 cannot hold\n"
              "vlmtab: quelle.json: 2 errors; nothing was written\n");
    EXPECT_EQ(DateiLesen(Ziel() / "States.tab"), "vorher");
    EXPECT_FALSE(fs::exists(Ziel() / "Texte.tab"));
}

} // namespace
