#include "store/Datensaetze.h"
#include "store/Datenlexikon.h"
#include "store/TAnwendungskontext.h"
#include "store/TDatenanzeige.h"
#include "store/TTabelle.h"
#include "support/AufzeichnenderDialogDienst.h"
#include "support/Testverzeichnis.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

struct TSatz {
    int32_t Nr;
    std::string Inhalt;
    std::string Wert1;
    std::string Operator;
    std::string Wert2;
};

class DatensaetzeTest : public Testverzeichnis {
protected:
    fs::path Datei() const { return Verzeichnis / "Daten.tab"; }

    // Writes the records into a fresh "Daten.tab" in this order.
    void TabelleAnlegen(const std::vector<TSatz>& Saetze) {
        DateiSchreiben(Datei(), Dateikopf());
        TTabelle t(ArtDaten, Datei());
        t.Laden(2);
        for (const TSatz& s : Saetze)
            Speichern(t, s);
    }

    static TDatensatz* Speichern(TTabelle& t, const TSatz& s) {
        TDatensatz* satz = t.NeuerDatensatz(s.Nr);
        t.SchreibeText(satz, 301, s.Inhalt);
        t.SchreibeText(satz, 302, s.Wert1);
        t.SchreibeText(satz, 303, s.Operator);
        t.SchreibeText(satz, 304, s.Wert2);
        t.Speichern(satz);
        return satz;
    }

    // Every record's content as the file holds it now.
    std::map<int32_t, std::string> Inhalte() const {
        TTabelle t(ArtDaten, Datei());
        t.Laden(2);
        std::map<int32_t, std::string> inhalte;
        for (TDatensatz* s = t.Erster(); s; s = s->Naechster)
            inhalte[s->Nr] = t.LeseText(s, 301);
        return inhalte;
    }

    AufzeichnenderDialogDienst dialoge;
};

struct TDatumsfall {
    std::string Datum;
    std::string Operator;
    std::string Zahl;
    std::string Ergebnis;
};

TEST_F(DatensaetzeTest, Datumsrechnung) {
    const TDatumsfall faelle[] = {
        {"31.01.2004", "+ Monate", "1", "29.02.2004"},
        {"15.01.2004", "+ Monate", "-1", "15.12.2003"},
        {"29.02.2004", "+ Jahre", "1", "28.02.2005"},
        {"10.04.2004", "= Tag", "40", "30.04.2004"},
        {"10.04.2004", "= Tag", "0", "01.04.2004"},
        {"31.01.2003", "= Monat", "2", "00.00.0000"},
        {"29.02.2000", "= Jahr", "2003", "00.00.0000"},
        {"31.12.2003", "+ Tage", "1", "01.01.2004"},
        {"1.3.2004", "+ Tage", "-60", "01.01.2004"},
        {"1.2.2004", "+ Tage", "x", "01.02.2004"},
        {"15.01.2004", "+ Monate", "13", "15.02.2005"},
        {"15.01.2004", "+ Monate", "-12", "15.01.2003"},
        {"15.01.2004", "+ Monate", "-13", "15.12.2002"},
        {"31.03.2004", "+ Monate", "-1", "29.02.2004"},
        {"31.01.2004", "+ Monate", "0", "31.01.2004"},
        {"29.02.2000", "+ Jahre", "-1", "28.02.1999"},
        {"01.01.2004", "+ Jahre", "8000", "00.00.0000"},
        {"01.01.0001", "+ Tage", "-1", "00.00.0000"},
        {"31.12.9999", "+ Tage", "2147483647", "00.00.0000"},
        {"10.02.2003", "= Tag", "29", "28.02.2003"},
        {"01.02.1900", "= Tag", "29", "28.02.1900"},
        {"01.02.2000", "= Tag", "31", "29.02.2000"},
        {"15.01.2004", "= Monat", "13", "15.12.2004"},
        {"15.01.2004", "= Monat", "-3", "15.01.2004"},
        {"29.02.2000", "= Jahr", "2004", "29.02.2004"},
        {"01.01.2004", "= Jahr", "0", "00.00.0000"},
        {"31.02.2004", "+ Tage", "1", "00.00.0000"},
        {"1.1.04", "+ Tage", "1", "00.00.0000"},
        {"2004-01-01", "+ Tage", "1", "00.00.0000"},
        {"011.01.2004", "+ Tage", "1", "00.00.0000"},
        {"", "+ Tage", "1", "00.00.0000"},
    };
    for (const TDatumsfall& f : faelle) {
        TabelleAnlegen(
            {{1, f.Datum, "", "", ""}, {2, f.Zahl, "", "", ""}, {3, "", "1", f.Operator, "2"}});
        ASSERT_TRUE(BerechnenDatei(Verzeichnis));
        EXPECT_EQ(Inhalte()[3], f.Ergebnis) << f.Datum << " " << f.Operator << " " << f.Zahl;
    }
}

TEST_F(DatensaetzeTest, OperandOhneDatensatzIstKeinDatum) {
    TabelleAnlegen({{2, "5", "", "", ""}, {3, "alt", "9", "+ Tage", "2"}});
    ASSERT_TRUE(BerechnenDatei(Verzeichnis));
    EXPECT_EQ(Inhalte()[3], "00.00.0000");
}

struct TZahlenfall {
    const char* Name;
    std::vector<TSatz> Saetze;
    std::map<int32_t, std::string> Erwartet;
};

TEST_F(DatensaetzeTest, Zahlenrechnung) {
    const TZahlenfall faelle[] = {
        {"PLUS mit Nichtzahl",
         {{1, "5", "", "", ""}, {2, "x", "", "", ""}, {3, "", "1", "PLUS", "2"}},
         {{3, "5"}}},
        {"MINUS",
         {{1, "5", "", "", ""}, {2, "7", "", "", ""}, {3, "", "1", "MINUS", "2"}},
         {{3, "-2"}}},
        {"fehlender Operand", {{1, "5", "", "", ""}, {3, "", "1", "PLUS", "8"}}, {{3, "5"}}},
        {"negative Nummer", {{1, "5", "", "", ""}, {3, "", "-1", "PLUS", "1"}}, {{3, "10"}}},
        {"ohne Ueberlauf",
         {{1, "2147483647", "", "", ""},
          {2, "-2147483648", "", "", ""},
          {3, "", "1", "PLUS", "1"},
          {4, "", "2", "MINUS", "1"}},
         {{3, "4294967294"}, {4, "-4294967295"}}},
        {"SUMME mit sich selbst",
         {{1, "1", "", "", ""},
          {2, "2", "", "", ""},
          {3, "x", "", "", ""},
          {4, "10", "1", "SUMME", "4"},
          {5, "100", "", "", ""}},
         {{4, "13"}}},
        {"SUMME leer", {{4, "10", "5", "SUMME", "1"}}, {{4, "0"}}},
        {"SUMME ueber 32 Bit",
         {{1, "2147483647", "", "", ""}, {2, "2147483647", "", "", ""}, {3, "", "1", "SUMME", "2"}},
         {{3, "4294967294"}}},
        {"unbekannter Operator",
         {{1, "5", "", "", ""}, {3, "alt", "1", "plus", "1"}, {4, "alt", "1", " PLUS", "1"}},
         {{3, "alt"}, {4, "alt"}}},
        {"Reihenfolge nach Nummer",
         {{3, "100", "1", "PLUS", "1"}, {2, "", "1", "PLUS", "3"}, {1, "5", "", "", ""}},
         {{1, "5"}, {2, "105"}, {3, "10"}}},
        {"Kette aufsteigend",
         {{1, "1", "", "", ""}, {2, "", "1", "PLUS", "1"}, {3, "", "2", "PLUS", "2"}},
         {{2, "2"}, {3, "4"}}},
    };
    for (const TZahlenfall& f : faelle) {
        TabelleAnlegen(f.Saetze);
        ASSERT_TRUE(BerechnenDatei(Verzeichnis)) << f.Name;
        const auto inhalte = Inhalte();
        for (const auto& [nr, text] : f.Erwartet)
            EXPECT_EQ(inhalte.at(nr), text) << f.Name;
    }
}

TEST_F(DatensaetzeTest, FormelsaetzeWerdenGespeichertAuchOhneErgebnis) {
    DateiSchreiben(Datei(), Dateikopf());
    TTabelle t(ArtDaten, Datei());
    t.Laden(2);
    TDatensatz* neu = t.NeuerDatensatz(7); // in memory only until the pass saves it
    t.SchreibeText(neu, 301, "bleibt");
    t.SchreibeText(neu, 303, "unbekannt");
    TDatensatz* wert = t.NeuerDatensatz(8); // not a formula: not saved
    t.SchreibeText(wert, 301, "1");
    EXPECT_TRUE(Berechnen(t));
    EXPECT_EQ(Inhalte(), (std::map<int32_t, std::string>{{7, "bleibt"}}));
}

TEST_F(DatensaetzeTest, BerechnenFrischtDieAnzeigeAufBerechnenDateiNicht) {
    TabelleAnlegen({{1, "5", "", "", ""}, {2, "", "1", "PLUS", "1"}});
    struct TZaehlendeAnzeige : TDatenanzeige {
        int Aufgefrischt = 0;
        void Auffrischen() override { ++Aufgefrischt; }
    } anzeige;
    TRollenersatz<TDatenanzeige> ersatz(anzeige);
    const int& aufgefrischt = anzeige.Aufgefrischt;
    EXPECT_TRUE(BerechnenDatei(Verzeichnis));
    EXPECT_EQ(aufgefrischt, 0);
    EXPECT_TRUE(Berechnen()); // no data table open
    EXPECT_EQ(aufgefrischt, 0);
    {
        TTabelle t(ArtDaten, Datei());
        t.Laden(2);
        EXPECT_TRUE(Berechnen());
        EXPECT_EQ(aufgefrischt, 1);
        EXPECT_EQ(t.LeseText(t.Datensatz(2), 301), "10");
        EXPECT_TRUE(FormelnBerechnen(t));
        EXPECT_EQ(aufgefrischt, 1);
    }
}

TEST_F(DatensaetzeTest, SortiertDieListeNachNummer) {
    TabelleAnlegen({{3, "c", "", "", ""}, {1, "a", "", "", ""}, {2, "b", "", "", ""}});
    TTabelle t(ArtDaten, Datei());
    t.Laden(2);
    Berechnen(t);
    std::vector<int32_t> reihenfolge;
    for (TDatensatz* s = t.Erster(); s; s = s->Naechster)
        reihenfolge.push_back(s->Nr);
    EXPECT_EQ(reihenfolge, (std::vector<int32_t>{1, 2, 3}));
}

TEST_F(DatensaetzeTest, BerechnenDateiFindetDenNamenInJederSchreibweise) {
    TabelleAnlegen({{1, "5", "", "", ""}, {2, "", "1", "PLUS", "1"}});
    fs::rename(Datei(), Verzeichnis / "DATEN.TAB");
    EXPECT_TRUE(BerechnenDatei(Verzeichnis));
    TTabelle t(ArtDaten, Verzeichnis / "DATEN.TAB");
    t.Laden(2);
    EXPECT_EQ(t.LeseText(t.Datensatz(2), 301), "10");
}

TEST_F(DatensaetzeTest, BerechnenDateiOhneTabelleMeldetUndLegtNichtsAn) {
    EXPECT_FALSE(BerechnenDatei(Verzeichnis));
    EXPECT_EQ(dialoge.Nachrichten.size(), 1u);
    EXPECT_FALSE(fs::exists(Datei()));
}

} // namespace
