// vlmtab's table commands (dump, get, set, delete) through the library: the dump format
// byte for byte, the records and offsets that a sequence of commands leaves, and the
// failures with their exit statuses and messages.

#include "vlmtab/Tabellenbefehle.h"
#include "store/TTabelle.h"
#include "support/AufzeichnenderDialogDienst.h"
#include "support/Testverzeichnis.h"
#include "tools/VlmtabTesthilfe.h"

#include <gtest/gtest.h>

#include <sstream>

namespace fs = std::filesystem;

namespace {

class Tabellenbefehle : public Testverzeichnis {
protected:
    std::string Pfad(const std::string& Name) const { return (Verzeichnis / Name).string(); }

    // A Texte.tab written byte by byte: umlauts, a CR LF list, a record with fewer values
    // than the field list, a negative number, free bytes, a record without values, JSON
    // escapes, the bytes 0x80 and 0x81, and a number whose bytes hold 0x1B.
    std::string KleineTabelle() {
        std::string datei = Dateikopf();
        datei += SatzBytes(1, std::string("Gr\xFC\xDF\x65\0A\0\x1B", 9));    // 100 (0x65 "e")
        datei += SatzBytes(-7, std::string("Zeile 1\r\nZeile 2\0\x1B", 18)); // 114
        datei += "\x1B\x1B\x1B";                                             // 137
        datei += SatzBytes(300, "\x1B");                                     // 140
        datei += SatzBytes(5, std::string("a\"b\\c\td\x01\x80\x81\0\0x\0\x1B", 15)); // 146
        datei += SatzBytes(0x1B1B, std::string("z\0\x1B", 3));                       // 166
        const std::string pfad = Pfad("Texte.tab");
        DateiSchreiben(pfad, datei);
        return pfad;
    }
};

const char* const KleineTabelleDump =
    "{\"nr\":1,\"offset\":100,\"values\":[\"Gr\u00fc\u00dfe\",\"A\"]}\n"
    "{\"nr\":-7,\"offset\":114,\"values\":[\"Zeile 1\\r\\nZeile 2\"]}\n"
    "{\"nr\":300,\"offset\":140,\"values\":[]}\n"
    "{\"nr\":5,\"offset\":146,\"values\":[\"a\\\"b\\\\c\\td\\u0001\u20ac\u0081\",\"\",\"x\"]}\n"
    "{\"nr\":6939,\"offset\":166,\"values\":[\"z\"]}\n";

TEST_F(Tabellenbefehle, DumpSchreibtJedeZeileByteGenau) {
    const std::string datei = KleineTabelle();
    std::ostringstream aus, meldungen;
    EXPECT_EQ(vlmtab::TabelleAusgeben(datei, std::nullopt, aus, meldungen), vlmtab::Erfolg);
    EXPECT_EQ(aus.str(), KleineTabelleDump);
    EXPECT_EQ(meldungen.str(), "");
}

// A damaged record of 131072 zero bytes is 131072 empty values; the dump walks it once.
TEST_F(Tabellenbefehle, DumpEinesSatzesAusNullbytes) {
    constexpr size_t Anzahl = 131072;
    DateiSchreiben(Pfad("Texte.tab"),
                   Dateikopf() + SatzBytes(1, std::string(Anzahl, '\0') + "\x1B"));
    std::ostringstream aus, meldungen;
    EXPECT_EQ(vlmtab::TabelleAusgeben(Pfad("Texte.tab"), std::nullopt, aus, meldungen),
              vlmtab::Erfolg);
    std::string erwartet = "{\"nr\":1,\"offset\":100,\"values\":[\"\"";
    for (size_t i = 1; i < Anzahl; ++i)
        erwartet += ",\"\"";
    EXPECT_EQ(aus.str(), erwartet + "]}\n");
}

TEST_F(Tabellenbefehle, DumpEinerLeerenTabelleGibtNichts) {
    DateiSchreiben(Pfad("Lerner.tab"), Dateikopf());
    const TLauf lauf = Vlmtab({"dump", Pfad("Lerner.tab")});
    EXPECT_EQ(lauf.Status, 0);
    EXPECT_EQ(lauf.Aus, "");
}

TEST_F(Tabellenbefehle, DieArtFolgtAusDemDateinamenOhneGrossKlein) {
    const std::string datei = KleineTabelle();
    fs::rename(datei, Pfad("TEXTE.TAB"));
    const TLauf lauf = Vlmtab({"dump", Pfad("TEXTE.TAB")});
    EXPECT_EQ(lauf.Status, 0) << lauf.Meldungen;
    EXPECT_EQ(lauf.Aus, KleineTabelleDump);
}

TEST_F(Tabellenbefehle, EinUnbekannterDateinameBrauchtKind) {
    const std::string datei = KleineTabelle();
    fs::rename(datei, Pfad("sicherung.bin"));
    TLauf lauf = Vlmtab({"dump", Pfad("sicherung.bin")});
    EXPECT_EQ(lauf.Status, 1);
    EXPECT_EQ(lauf.Aus, "");
    EXPECT_NE(lauf.Meldungen.find(Pfad("sicherung.bin")), std::string::npos);
    EXPECT_NE(lauf.Meldungen.find("--kind"), std::string::npos);

    lauf = Vlmtab({"dump", Pfad("sicherung.bin"), "--kind", "1"});
    EXPECT_EQ(lauf.Status, 0);
    EXPECT_EQ(lauf.Aus, KleineTabelleDump);
    lauf = Vlmtab({"dump", "--kind=texte.tab", Pfad("sicherung.bin")});
    EXPECT_EQ(lauf.Status, 0);
    EXPECT_EQ(lauf.Aus, KleineTabelleDump);
    // The kind decides the field list: 1001 is the second field of Texte, not of States.
    lauf = Vlmtab({"get", Pfad("sicherung.bin"), "1", "1001", "--kind", "1"});
    EXPECT_EQ(lauf.Aus, "A\n");
    lauf = Vlmtab({"get", Pfad("sicherung.bin"), "1", "1001", "--kind", "0"});
    EXPECT_EQ(lauf.Status, 1);
}

TEST_F(Tabellenbefehle, KindMussEineArtSein) {
    const std::string datei = KleineTabelle();
    for (const char* k : {"29", "-1", "x", "Foo.tab"}) {
        const TLauf lauf = Vlmtab({"dump", datei, "--kind", k});
        EXPECT_EQ(lauf.Status, 2) << k;
        EXPECT_NE(lauf.Meldungen.find("Usage: vlmtab dump"), std::string::npos);
    }
    EXPECT_EQ(Vlmtab({"dump", datei, "--kind"}).Status, 2);
}

TEST_F(Tabellenbefehle, GetLiestEinenWertAlsUtf8) {
    const std::string datei = KleineTabelle();
    EXPECT_EQ(Vlmtab({"get", datei, "1", "1000"}).Aus, "Gr\u00fc\u00dfe\n");
    EXPECT_EQ(Vlmtab({"get", datei, "-1", "1001"}).Aus, "A\n");
    // The record's number is compared by its absolute value.
    EXPECT_EQ(Vlmtab({"get", datei, "7", "1000"}).Aus, "Zeile 1\r\nZeile 2\n");
    // A field that the record does not hold reads as empty; below 100 is a position.
    EXPECT_EQ(Vlmtab({"get", datei, "-7", "1001"}).Aus, "\n");
    EXPECT_EQ(Vlmtab({"get", datei, "5", "3"}).Aus, "x\n");
    EXPECT_EQ(Vlmtab({"get", datei, "5", "0"}).Aus, Vlmtab({"get", datei, "5", "1"}).Aus);
    EXPECT_EQ(Vlmtab({"get", datei, "6939", "1000"}).Status, 0);
}

TEST_F(Tabellenbefehle, GetFehler) {
    const std::string datei = KleineTabelle();
    TLauf lauf = Vlmtab({"get", Pfad("States.tab"), "1", "101"});
    EXPECT_EQ(lauf.Status, 1);
    EXPECT_EQ(lauf.Meldungen, "vlmtab: " + Pfad("States.tab") + ": no such file\n");

    lauf = Vlmtab({"get", datei, "9", "1000"});
    EXPECT_EQ(lauf.Status, 1);
    EXPECT_EQ(lauf.Aus, "");
    EXPECT_EQ(lauf.Meldungen, "vlmtab: " + datei + ": record 9 not found\n");

    lauf = Vlmtab({"get", datei, "1", "101"});
    EXPECT_EQ(lauf.Status, 1);
    EXPECT_EQ(lauf.Meldungen, "vlmtab: " + datei +
                                  ": field 101 is not in the field list of Texte (kind 1, "
                                  "Texte.tab)\n");

    EXPECT_EQ(Vlmtab({"get", datei, "eins", "1000"}).Status, 2);
    EXPECT_EQ(Vlmtab({"get", datei, "1", "70000"}).Status, 2);
    EXPECT_EQ(Vlmtab({"get", datei, "4294967296", "1000"}).Status, 2);
    EXPECT_EQ(Vlmtab({"get", datei, "1"}).Status, 2);
    EXPECT_EQ(Vlmtab({"get", datei, "1", "1000", "zu viel"}).Status, 2);
    EXPECT_EQ(Vlmtab({"get", datei, "1", "1000", "--was"}).Status, 2);
}

// Each step is a command of its own, as from the shell: the table is loaded afresh every
// time, so the dump lists the records in file order.
TEST_F(Tabellenbefehle, SetUndDeleteFolgenDenRegelnDesDateiformats) {
    const std::string datei = Pfad("Daten.tab");
    auto set = [&](const std::string& nr, const std::string& feld, const std::string& wert) {
        std::ostringstream meldungen;
        EXPECT_EQ(vlmtab::WertSetzen(datei, std::stoi(nr), std::stoi(feld), wert, std::nullopt,
                                     meldungen),
                  vlmtab::Erfolg)
            << meldungen.str();
    };
    auto dump = [&] { return Vlmtab({"dump", datei}).Aus; };

    set("1", "300", "Eins"); // a new file: header, then the record at 100
    EXPECT_EQ(DateiLesen(datei), Dateikopf() + SatzBytes(1, std::string("Eins\0\x1B", 6)));
    set("2", "300", "Zwei"); // behind record 1
    EXPECT_EQ(dump(), "{\"nr\":1,\"offset\":100,\"values\":[\"Eins\"]}\n"
                      "{\"nr\":2,\"offset\":111,\"values\":[\"Zwei\"]}\n");

    // Record 1 grows past record 2: its old place becomes free and it goes to the first
    // run that is long enough, here the end of the file.
    set("1", "301", "mehr");
    EXPECT_EQ(dump(), "{\"nr\":2,\"offset\":111,\"values\":[\"Zwei\"]}\n"
                      "{\"nr\":1,\"offset\":122,\"values\":[\"Eins\",\"mehr\"]}\n");
    EXPECT_EQ(DateiLesen(datei).substr(100, 11), std::string(11, '\x1B'));

    // A short record reuses the free run; the byte that opens a run is not part of it.
    set("3", "300", "D");
    EXPECT_EQ(dump(), "{\"nr\":3,\"offset\":101,\"values\":[\"D\"]}\n"
                      "{\"nr\":2,\"offset\":111,\"values\":[\"Zwei\"]}\n"
                      "{\"nr\":1,\"offset\":122,\"values\":[\"Eins\",\"mehr\"]}\n");

    // Deleting leaves 0x1B bytes, which with the two left behind record 3 take record 4.
    std::ostringstream meldungen;
    EXPECT_EQ(vlmtab::DatensatzLoeschen(datei, 2, std::nullopt, meldungen), vlmtab::Erfolg);
    EXPECT_EQ(DateiLesen(datei).substr(111, 11), std::string(11, '\x1B'));
    set("4", "300", "Vier");
    // A record that shrinks stays where it is; the rest of its old bytes become free.
    set("1", "300", "");
    // A free run that reaches the end of the file takes a record of any length.
    set("-5", "300", "F\u00fcnf");

    EXPECT_EQ(dump(), "{\"nr\":3,\"offset\":101,\"values\":[\"D\"]}\n"
                      "{\"nr\":4,\"offset\":109,\"values\":[\"Vier\"]}\n"
                      "{\"nr\":1,\"offset\":122,\"values\":[\"\",\"mehr\"]}\n"
                      "{\"nr\":5,\"offset\":134,\"values\":[\"F\u00fcnf\"]}\n");
    const std::string erwartet = Dateikopf() + "\x1B" + SatzBytes(3, std::string("D\0\x1B", 3)) +
                                 SatzBytes(4, std::string("Vier\0\x1B", 6)) + "\x1B\x1B" +
                                 SatzBytes(1, std::string("\0mehr\0\x1B", 7)) +
                                 SatzBytes(5, std::string("F\xFCnf\0\x1B", 6));
    EXPECT_EQ(DateiLesen(datei), erwartet);
    EXPECT_EQ(Vlmtab({"get", datei, "-5", "300"}).Aus, "F\u00fcnf\n");
}

TEST_F(Tabellenbefehle, SetFuelltFehlendeWerteMitLeeren) {
    const std::string datei = Pfad("Texte.tab");
    EXPECT_EQ(Vlmtab({"set", datei, "8", "5", "f\u00fcnf"}).Status, 0);
    EXPECT_EQ(Vlmtab({"dump", datei}).Aus,
              "{\"nr\":8,\"offset\":100,\"values\":[\"\",\"\",\"\",\"\",\"f\u00fcnf\"]}\n");
    // Values that begin with "-": negative numbers pass, anything else after "--".
    EXPECT_EQ(Vlmtab({"set", datei, "8", "1000", "-16777201"}).Status, 0);
    EXPECT_EQ(Vlmtab({"get", datei, "8", "1000"}).Aus, "-16777201\n");
    EXPECT_EQ(Vlmtab({"set", datei, "8", "1000", "--x"}).Status, 2);
    EXPECT_EQ(Vlmtab({"set", datei, "8", "1000", "--", "--x"}).Status, 0);
    EXPECT_EQ(Vlmtab({"get", datei, "8", "1000"}).Aus, "--x\n");
}

TEST_F(Tabellenbefehle, SetFehler) {
    const std::string datei = Pfad("States.tab");
    // Unknown field: nothing is created.
    TLauf lauf = Vlmtab({"set", datei, "1", "1000", "x"});
    EXPECT_EQ(lauf.Status, 1);
    EXPECT_NE(lauf.Meldungen.find("field 1000 is not in the field list of StateTabelle"),
              std::string::npos);
    EXPECT_FALSE(fs::exists(datei));

    // A character that Windows-1252 cannot hold: named, and the file stays as it was.
    ASSERT_EQ(Vlmtab({"set", datei, "1", "101", "Gr\u00fc\u00dfe"}).Status, 0);
    const std::string vorher = DateiLesen(datei);
    lauf = Vlmtab({"set", datei, "1", "101", "Gr\u00fc\u00dfe \u4e2d"});
    EXPECT_EQ(lauf.Status, 1);
    EXPECT_EQ(lauf.Meldungen, "vlmtab: " + datei +
                                  ": record 1, field 101: the value holds U+4E2D '\u4e2d', "
                                  "which Windows-1252 cannot hold\n");
    EXPECT_EQ(DateiLesen(datei), vorher);

    // ESC would end the record, invalid UTF-8 is no text.
    lauf = Vlmtab({"set", datei, "2", "101", std::string("a\x1B") + "b"});
    EXPECT_EQ(lauf.Status, 1);
    EXPECT_NE(lauf.Meldungen.find("record 2, field 101: the value holds U+001B"),
              std::string::npos);
    lauf = Vlmtab({"set", datei, "2", "101", "a\xFF"});
    EXPECT_EQ(lauf.Status, 1);
    EXPECT_NE(lauf.Meldungen.find("is not valid UTF-8 (byte 0xFF at byte 2)"), std::string::npos);
    EXPECT_EQ(DateiLesen(datei), vorher);

    EXPECT_EQ(Vlmtab({"set", datei, "1", "101"}).Status, 2);
}

TEST_F(Tabellenbefehle, SetLegtDieDateiUndFehlendeVerzeichnisseAn) {
    const std::string datei = (Verzeichnis / "neu" / "Objekte.tab").string();
    EXPECT_EQ(Vlmtab({"set", datei, "12", "1200", "9"}).Status, 0);
    EXPECT_EQ(DateiLesen(datei), Dateikopf() + SatzBytes(12, std::string("9\0\x1B", 3)));
}

// The engine refuses field data above 65520 bytes with an error box; the box goes to the
// installed dialog service and the command fails without saving anything.
TEST_F(Tabellenbefehle, EinFehlerkastenDerEngineLaesstDenBefehlScheitern) {
    AufzeichnenderDialogDienst dialoge;
    const std::string datei = Pfad("Texte.tab");
    ASSERT_EQ(Vlmtab({"set", datei, "1", "1000", "kurz"}).Status, 0);
    const std::string vorher = DateiLesen(datei);
    const TLauf lauf = Vlmtab({"set", datei, "1", "1000", std::string(70000, 'x')});
    EXPECT_EQ(lauf.Status, 1);
    EXPECT_NE(lauf.Meldungen.find("record 1, field 1000: the value was refused"),
              std::string::npos);
    ASSERT_EQ(dialoge.Nachrichten.size(), 1u);
    EXPECT_EQ(dialoge.Nachrichten[0].Art, Symbol::Fehler);
    EXPECT_EQ(DateiLesen(datei), vorher);
    EXPECT_EQ(&Dialoge(), &dialoge);
}

TEST_F(Tabellenbefehle, DeleteFehler) {
    const std::string datei = KleineTabelle();
    const std::string vorher = DateiLesen(datei);
    TLauf lauf = Vlmtab({"delete", datei, "42"});
    EXPECT_EQ(lauf.Status, 1);
    EXPECT_EQ(lauf.Meldungen, "vlmtab: " + datei + ": record 42 not found\n");
    EXPECT_EQ(DateiLesen(datei), vorher);

    lauf = Vlmtab({"delete", Pfad("Menues.tab"), "1"});
    EXPECT_EQ(lauf.Status, 1);
    EXPECT_EQ(lauf.Meldungen, "vlmtab: " + Pfad("Menues.tab") + ": no such file\n");
    EXPECT_FALSE(fs::exists(Pfad("Menues.tab")));

    EXPECT_EQ(Vlmtab({"delete", datei}).Status, 2);
    EXPECT_EQ(Vlmtab({"delete", datei, "1.5"}).Status, 2);
}

TEST_F(Tabellenbefehle, DeleteEntferntDenErstenSatzMitDerNummer) {
    const std::string datei = KleineTabelle();
    EXPECT_EQ(Vlmtab({"delete", datei, "7"}).Status, 0);
    const std::string inhalt = DateiLesen(datei);
    EXPECT_EQ(inhalt.substr(114, 23), std::string(23, '\x1B'));
    const TLauf lauf = Vlmtab({"dump", datei});
    EXPECT_EQ(lauf.Aus.find("\"nr\":-7"), std::string::npos);
    EXPECT_NE(lauf.Aus.find("\"nr\":300,\"offset\":140"), std::string::npos);
}

TEST_F(Tabellenbefehle, DumpEinesVerzeichnissesScheitert) {
    fs::create_directory(Verzeichnis / "States.tab");
    const TLauf lauf = Vlmtab({"dump", Pfad("States.tab")});
    EXPECT_EQ(lauf.Status, 1);
    EXPECT_NE(lauf.Meldungen.find(Pfad("States.tab")), std::string::npos);
}

TEST_F(Tabellenbefehle, HilfeUndAufruffehler) {
    TLauf lauf = Vlmtab({"--help"});
    EXPECT_EQ(lauf.Status, 0);
    EXPECT_EQ(lauf.Aus.rfind("Usage: vlmtab COMMAND", 0), 0u);
    EXPECT_NE(lauf.Aus.find("\n  ini FILE SECTION KEY [VALUE]  "), std::string::npos);
    EXPECT_NE(lauf.Aus.find("\n  calc DIR  "), std::string::npos);
    for (const char* befehl : {"dump", "get", "set", "delete", "build", "ini", "calc"}) {
        lauf = Vlmtab({befehl, "--help"});
        EXPECT_EQ(lauf.Status, 0) << befehl;
        EXPECT_EQ(lauf.Aus.rfind(std::string("Usage: vlmtab ") + befehl, 0), 0u) << befehl;
        EXPECT_EQ(Vlmtab({"help", befehl}).Aus, lauf.Aus);
    }
    EXPECT_EQ(Vlmtab({}).Status, 2);
    EXPECT_EQ(Vlmtab({"zeige"}).Status, 2);
    EXPECT_EQ(Vlmtab({"--zeige"}).Status, 2);
    EXPECT_EQ(Vlmtab({"help", "zeige"}).Status, 2);
    EXPECT_EQ(Vlmtab({"build", "a.json", "b", "--kind", "1"}).Status, 2);
    EXPECT_EQ(Vlmtab({"dump"}).Status, 2);
    EXPECT_EQ(Vlmtab({"dump", ""}).Status, 2);
}

} // namespace
