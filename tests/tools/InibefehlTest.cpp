// `vlmtab ini`: reading decodes Windows-1252, writing changes the bytes of one value and
// nothing else, and every missing or refused part fails with a message naming the file.

#include "vlmtab/Inibefehl.h"
#include "support/AufzeichnenderDialogDienst.h"
#include "support/Testverzeichnis.h"
#include "tools/VlmtabTesthilfe.h"

#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

// A file as an author's editor leaves it: CR LF, a comment, blanks around "=", an empty
// line between the sections, and a key given twice.
const std::string Lektionsini = "; Lektion Vertrieb\r\n"
                                "[Lektion]\r\n"
                                "Name=Vertrieb\r\n"
                                "Breite = 1024\r\n"
                                "\r\n"
                                "[State]\r\n"
                                "Nr=4\r\n"
                                "Nr=9\r\n";

class Inibefehl : public Testverzeichnis {
protected:
    std::string Ini(const std::string& Inhalt = Lektionsini) {
        const std::string pfad = (Verzeichnis / "VLM.INI").string();
        DateiSchreiben(pfad, Inhalt);
        return pfad;
    }
};

struct TLesefall {
    const char* Abschnitt;
    const char* Schluessel;
    const char* Ausgabe;
};

TEST_F(Inibefehl, LiestDenErstenWertOhneGrossKlein) {
    const std::string datei = Ini();
    const TLesefall faelle[] = {
        {"State", "Nr", "4\n"},
        {"STATE", "nr", "4\n"},
        {"Lektion", "Breite", "1024\n"},
        {" Lektion ", "Name", "Vertrieb\n"},
    };
    for (const TLesefall& f : faelle) {
        const TLauf lauf = Vlmtab({"ini", datei, f.Abschnitt, f.Schluessel});
        EXPECT_EQ(lauf.Status, 0) << f.Abschnitt << " " << f.Schluessel << lauf.Meldungen;
        EXPECT_EQ(lauf.Aus, f.Ausgabe) << f.Abschnitt << " " << f.Schluessel;
        EXPECT_EQ(lauf.Meldungen, "");
    }
}

struct TSchreibfall {
    const char* Abschnitt;
    const char* Schluessel;
    const char* Wert;
    std::string Datei;
};

TEST_F(Inibefehl, SchreibenAendertNurDenWert) {
    const TSchreibfall faelle[] = {
        {"State", "Nr", "12",
         "; Lektion Vertrieb\r\n[Lektion]\r\nName=Vertrieb\r\nBreite = 1024\r\n\r\n"
         "[State]\r\nNr=12\r\nNr=9\r\n"},
        {" State ", "Nr\t", "12",
         "; Lektion Vertrieb\r\n[Lektion]\r\nName=Vertrieb\r\nBreite = 1024\r\n\r\n"
         "[State]\r\nNr=12\r\nNr=9\r\n"},
        {"lektion", "BREITE", "800",
         "; Lektion Vertrieb\r\n[Lektion]\r\nName=Vertrieb\r\nBreite = 800\r\n\r\n"
         "[State]\r\nNr=4\r\nNr=9\r\n"},
        {"Lektion", "Name", "",
         "; Lektion Vertrieb\r\n[Lektion]\r\nName=\r\nBreite = 1024\r\n\r\n"
         "[State]\r\nNr=4\r\nNr=9\r\n"},
        // A new key goes behind the section's last line, before the empty one.
        {"Lektion", "Hoehe", "600",
         "; Lektion Vertrieb\r\n[Lektion]\r\nName=Vertrieb\r\nBreite = 1024\r\nHoehe=600\r\n"
         "\r\n[State]\r\nNr=4\r\nNr=9\r\n"},
        {"Backup", "Auto", "0", Lektionsini + "[Backup]\r\nAuto=0\r\n"},
    };
    for (const TSchreibfall& f : faelle) {
        const std::string datei = Ini();
        const TLauf lauf = Vlmtab({"ini", datei, f.Abschnitt, f.Schluessel, f.Wert});
        EXPECT_EQ(lauf.Status, 0) << f.Schluessel << lauf.Meldungen;
        EXPECT_EQ(lauf.Aus, "");
        EXPECT_EQ(lauf.Meldungen, "");
        EXPECT_EQ(DateiLesen(datei), f.Datei) << f.Abschnitt << " " << f.Schluessel;
    }
}

TEST_F(Inibefehl, EineFehlendeDateiWirdAngelegt) {
    const std::string datei = (Verzeichnis / "VLM.INI").string();
    EXPECT_EQ(Vlmtab({"ini", datei, "State", "Nr", "3"}).Status, 0);
    EXPECT_EQ(DateiLesen(datei), "[State]\r\nNr=3\r\n");
}

TEST_F(Inibefehl, UmlauteHinUndZurueck) {
    const std::string datei = Ini();
    EXPECT_EQ(Vlmtab({"ini", datei, "Lektion", "Name", "Gr\u00fc\u00dfe f\u00fcr 5 \u20ac"}).Status,
              0);
    EXPECT_EQ(DateiLesen(datei),
              "; Lektion Vertrieb\r\n[Lektion]\r\nName=Gr\xFC\xDF"
              "e f\xFCr 5 \x80\r\nBreite = 1024\r\n\r\n[State]\r\nNr=4\r\nNr=9\r\n");
    const TLauf lauf = Vlmtab({"ini", datei, "Lektion", "Name"});
    EXPECT_EQ(lauf.Status, 0);
    EXPECT_EQ(lauf.Aus, "Gr\u00fc\u00dfe f\u00fcr 5 \u20ac\n");

    // Section and key names are converted the same way.
    const std::string vorher = DateiLesen(datei);
    EXPECT_EQ(Vlmtab({"ini", datei, "\u00dcbung", "Schl\u00fcssel", "\u00e4"}).Status, 0);
    EXPECT_EQ(DateiLesen(datei), vorher + "[\xDC"
                                          "bung]\r\nSchl\xFC"
                                          "ssel=\xE4\r\n");
    EXPECT_EQ(Vlmtab({"ini", datei, "\u00dcbung", "Schl\u00fcssel"}).Aus, "\u00e4\n");
}

struct TFehlfall {
    std::vector<std::string> Argumente; // after "ini FILE"
    std::string Meldung;                // after "vlmtab: FILE: "
};

TEST_F(Inibefehl, FehlendesNenntDenFehlendenTeil) {
    const std::string datei = Ini();
    const TFehlfall faelle[] = {
        {{"State", "Seite"}, "section [State] has no key Seite\n"},
        {{"Lektion", "Nr"}, "section [Lektion] has no key Nr\n"},
        {{"Stat", "Nr"}, "no section [Stat]\n"},
        {{"Lektion Vertrieb", "Name"}, "no section [Lektion Vertrieb]\n"},
    };
    for (const TFehlfall& f : faelle) {
        std::vector<std::string> argumente{"ini", datei};
        argumente.insert(argumente.end(), f.Argumente.begin(), f.Argumente.end());
        const TLauf lauf = Vlmtab(argumente);
        EXPECT_EQ(lauf.Status, 1) << f.Meldung;
        EXPECT_EQ(lauf.Aus, "");
        EXPECT_EQ(lauf.Meldungen, "vlmtab: " + datei + ": " + f.Meldung);
    }

    const std::string fehlt = (Verzeichnis / "vlm.ini").string();
    TLauf lauf = Vlmtab({"ini", fehlt, "State", "Nr"});
    EXPECT_EQ(lauf.Status, 1);
    EXPECT_EQ(lauf.Aus, "");
    EXPECT_EQ(lauf.Meldungen, "vlmtab: " + fehlt + ": no such file\n");
    EXPECT_FALSE(fs::exists(fehlt));

    lauf = Vlmtab({"ini", Verzeichnis.string(), "State", "Nr"});
    EXPECT_EQ(lauf.Status, 1);
    EXPECT_EQ(lauf.Meldungen,
              "vlmtab: " + Verzeichnis.string() + ": is a directory, not an initialisation file\n");
}

TEST_F(Inibefehl, WasDieDateiNichtHaltenKannWirdAbgelehnt) {
    const std::string datei = Ini();
    const TFehlfall faelle[] = {
        {{"Lektion", "Name", "Vertrieb \u4e2d"},
         "the value holds U+4E2D '\u4e2d', which Windows-1252 cannot hold\n"},
        {{"Lektion", "Name\u2192", "x"},
         "the key holds U+2192 '\u2192', which Windows-1252 cannot hold\n"},
        {{"Lektion", "Name", "a\xFF"}, "the value is not valid UTF-8 (byte 0xFF at byte 2)\n"},
        {{"Lektion", "Name", "Zeile 1\r\nZeile 2"}, "the value may not hold any of CR LF\n"},
        {{"Lektion", "Name=", "x"}, "the key may not hold any of CR LF '='\n"},
        {{"Lektion]", "Name", "x"}, "the section name may not hold any of CR LF '[' ']'\n"},
        {{"Lektion", "; Name", "x"}, "the key may not begin with ';', '#' or '['\n"},
        {{"Lektion", " ", "x"}, "the key is blank\n"},
        {{"\t", "Name", "x"}, "the section name is blank\n"},
    };
    for (const TFehlfall& f : faelle) {
        std::vector<std::string> argumente{"ini", datei};
        argumente.insert(argumente.end(), f.Argumente.begin(), f.Argumente.end());
        const TLauf lauf = Vlmtab(argumente);
        EXPECT_EQ(lauf.Status, 1) << f.Meldung;
        EXPECT_EQ(lauf.Meldungen, "vlmtab: " + datei + ": " + f.Meldung);
        EXPECT_EQ(DateiLesen(datei), Lektionsini) << f.Meldung;
    }
    // Reading converts the names too, rather than looking for a key that cannot exist.
    const TLauf lauf = Vlmtab({"ini", datei, "Lektion", "\u4e2d"});
    EXPECT_EQ(lauf.Status, 1);
    EXPECT_EQ(lauf.Meldungen, "vlmtab: " + datei +
                                  ": the key holds U+4E2D '\u4e2d', which Windows-1252 "
                                  "cannot hold\n");
}

// The writer's failure box goes to the installed dialog service and fails the command.
TEST_F(Inibefehl, EinSchreibfehlerLaesstDenBefehlScheitern) {
    AufzeichnenderDialogDienst dialoge;
    const std::string datei = (Verzeichnis / "fehlt" / "VLM.INI").string();
    const TLauf lauf = Vlmtab({"ini", datei, "State", "Nr", "3"});
    EXPECT_EQ(lauf.Status, 1);
    EXPECT_EQ(lauf.Meldungen,
              "vlmtab: " + datei + ": section [State], key Nr could not be written\n");
    ASSERT_EQ(dialoge.Nachrichten.size(), 1u);
    EXPECT_EQ(dialoge.Nachrichten[0].Art, Symbol::Fehler);
    EXPECT_FALSE(fs::exists(Verzeichnis / "fehlt"));
}

TEST_F(Inibefehl, Aufruffehler) {
    const std::string datei = Ini();
    for (const std::vector<std::string>& argumente : std::vector<std::vector<std::string>>{
             {"ini", datei, "State"},
             {"ini", datei, "State", "Nr", "1", "2"},
             {"ini", datei, "", "Nr"},
             {"ini", datei, "State", ""},
             {"ini", "", "State", "Nr"},
             {"ini", datei, "State", "Nr", "--kind", "1"},
         }) {
        const TLauf lauf = Vlmtab(argumente);
        EXPECT_EQ(lauf.Status, 2) << argumente.size();
        EXPECT_NE(lauf.Meldungen.find("Usage: vlmtab ini FILE SECTION KEY [VALUE]"),
                  std::string::npos);
    }
    // A value that begins with "-" passes after "--".
    EXPECT_EQ(Vlmtab({"ini", datei, "State", "Nr", "--", "--5"}).Status, 0);
    EXPECT_EQ(Vlmtab({"ini", datei, "State", "Nr"}).Aus, "--5\n");
    EXPECT_EQ(Vlmtab({"ini", datei, "State", "Nr", "-5"}).Status, 0);
    EXPECT_EQ(Vlmtab({"ini", datei, "State", "Nr"}).Aus, "-5\n");
}

} // namespace
