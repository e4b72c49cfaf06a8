// `vlmtab calc`: the formula records of a lesson built from source are computed and saved
// where the table engine puts grown records, and a lesson without data records or an
// engine failure fails the command.

#include "vlmtab/Rechenbefehl.h"
#include "store/TTabelle.h"
#include "support/AufzeichnenderDialogDienst.h"
#include "support/Testverzeichnis.h"
#include "tools/VlmtabTesthilfe.h"
#include "vlmtab/LektionBauen.h"

#include <gtest/gtest.h>

#include <sstream>

namespace fs = std::filesystem;

namespace {

// Fields: 300 description, 301 content, 302 first operand, 303 operator, 304 second operand.
const char* const Rechenlektion = R"({"tables": {"Daten.tab": [
    {"nr": 1, "fields": {"301": "5"}},
    {"nr": 2, "fields": {"301": "7"}},
    {"nr": 3, "fields": {"300": "Summe", "302": "1", "303": "PLUS", "304": "2"}},
    {"nr": 4, "fields": {"301": "31.01.2004"}},
    {"nr": 5, "fields": {"300": "Frist", "302": "4", "303": "+ Tage", "304": "2"}}
]}})";

class Rechenbefehl : public Testverzeichnis {
protected:
    fs::path Lektion() const { return Verzeichnis / "lektion"; }
    void Bauen(const std::string& Json) {
        std::ostringstream meldungen;
        ASSERT_EQ(vlmtab::LektionAusTextBauen(Json, "quelle.json", Lektion(), meldungen),
                  vlmtab::Erfolg)
            << meldungen.str();
    }
    std::string Dump() { return Vlmtab({"dump", (Lektion() / "Daten.tab").string()}).Aus; }
};

TEST_F(Rechenbefehl, BerechnetUndSpeichertDieFormelsaetze) {
    Bauen(Rechenlektion);
    // Records of 9, 9, 22, 18 and 24 bytes from offset 100 on.
    ASSERT_EQ(Dump(),
              "{\"nr\":1,\"offset\":100,\"values\":[\"\",\"5\"]}\n"
              "{\"nr\":2,\"offset\":109,\"values\":[\"\",\"7\"]}\n"
              "{\"nr\":3,\"offset\":118,\"values\":[\"Summe\",\"\",\"1\",\"PLUS\",\"2\"]}\n"
              "{\"nr\":4,\"offset\":140,\"values\":[\"\",\"31.01.2004\"]}\n"
              "{\"nr\":5,\"offset\":158,\"values\":[\"Frist\",\"\",\"4\",\"+ Tage\",\"2\"]}\n");

    const TLauf lauf = Vlmtab({"calc", Lektion().string()});
    EXPECT_EQ(lauf.Status, 0) << lauf.Meldungen;
    EXPECT_EQ(lauf.Aus, "");
    EXPECT_EQ(lauf.Meldungen, "");
    // 5 + 7, and 31 January plus 7 days. Both records grew and moved to the end of the file
    // in record-number order (3 to 182, 5 to 182 + 24); the plain values stayed.
    EXPECT_EQ(Dump(),
              "{\"nr\":1,\"offset\":100,\"values\":[\"\",\"5\"]}\n"
              "{\"nr\":2,\"offset\":109,\"values\":[\"\",\"7\"]}\n"
              "{\"nr\":4,\"offset\":140,\"values\":[\"\",\"31.01.2004\"]}\n"
              "{\"nr\":3,\"offset\":182,\"values\":[\"Summe\",\"12\",\"1\",\"PLUS\",\"2\"]}\n"
              "{\"nr\":5,\"offset\":206,\"values\":[\"Frist\",\"07.02.2004\",\"4\",\"+ "
              "Tage\",\"2\"]}\n");
    EXPECT_EQ(DateiLesen(Lektion() / "Daten.tab").substr(118, 22), std::string(22, '\x1B'));

    // A second pass finds the results in place: same length, nothing moves.
    const std::string vorher = DateiLesen(Lektion() / "Daten.tab");
    EXPECT_EQ(Vlmtab({"calc", Lektion().string()}).Status, 0);
    EXPECT_EQ(DateiLesen(Lektion() / "Daten.tab"), vorher);
}

TEST_F(Rechenbefehl, DerTabellennameIgnoriertGrossKlein) {
    Bauen(Rechenlektion);
    fs::rename(Lektion() / "Daten.tab", Lektion() / "DATEN.TAB");
    EXPECT_EQ(Vlmtab({"calc", Lektion().string()}).Status, 0);
    EXPECT_EQ(Vlmtab({"get", (Lektion() / "DATEN.TAB").string(), "3", "301"}).Aus, "12\n");
}

TEST_F(Rechenbefehl, OhneDatenTabellenScheitertEs) {
    Bauen(R"({"tables": {"Texte.tab": []}})");
    TLauf lauf = Vlmtab({"calc", Lektion().string()});
    EXPECT_EQ(lauf.Status, 1);
    EXPECT_EQ(lauf.Meldungen, "vlmtab: " + Lektion().string() + ": the lesson has no Daten.tab\n");
    EXPECT_FALSE(fs::exists(Lektion() / "Daten.tab"));

    lauf = Vlmtab({"calc", (Verzeichnis / "fehlt").string()});
    EXPECT_EQ(lauf.Status, 1);
    EXPECT_EQ(lauf.Meldungen,
              "vlmtab: " + (Verzeichnis / "fehlt").string() + ": no such directory\n");

    EXPECT_EQ(Vlmtab({"calc"}).Status, 2);
    EXPECT_EQ(Vlmtab({"calc", ""}).Status, 2);
    EXPECT_EQ(Vlmtab({"calc", Lektion().string(), "mehr"}).Status, 2);
}

// A formula record whose other fields already fill the largest record cannot take its
// result: the engine's error box makes the command fail, and the pass still goes on.
TEST_F(Rechenbefehl, EinFehlerkastenDerEngineLaesstDenBefehlScheitern) {
    AufzeichnenderDialogDienst dialoge;
    fs::create_directory(Lektion());
    const fs::path datei = Lektion() / "Daten.tab";
    DateiSchreiben(datei, Dateikopf() +
                              SatzBytes(1, std::string("\0"
                                                       "5\0\x1B",
                                                       4)) +
                              SatzBytes(2, std::string(65530, 'x') + std::string("\0\0"
                                                                                 "1\0PLUS\0"
                                                                                 "1\0\x1B",
                                                                                 12)) +
                              SatzBytes(3, std::string("\0\0"
                                                       "1\0PLUS\0"
                                                       "1\0\x1B",
                                                       12)));
    std::ostringstream meldungen;
    EXPECT_EQ(vlmtab::DatenBerechnen(Lektion(), meldungen), vlmtab::Fehlschlag);
    EXPECT_EQ(meldungen.str(),
              "vlmtab: " + datei.string() + ": the table engine reported an error\n");
    ASSERT_EQ(dialoge.Nachrichten.size(), 1u);
    EXPECT_EQ(dialoge.Nachrichten[0].Art, Symbol::Fehler);
    EXPECT_EQ(Vlmtab({"get", datei.string(), "2", "301"}).Aus, "\n");
    EXPECT_EQ(Vlmtab({"get", datei.string(), "3", "301"}).Aus, "10\n");
}

} // namespace
