#include "store/TTabelle.h"
#include "Tabellenbytes.h"
#include "store/Lektionsdateien.h"
#include "support/AufzeichnenderDialogDienst.h"
#include "support/Testverzeichnis.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using namespace std::string_literals;

class Tabelle : public Testverzeichnis {
protected:
    std::filesystem::path Pfad() const { return Verzeichnis / "Texte.tab"; }

    // A text table (fields 1000 Text, 1001 Textgruppe) whose file holds these bytes.
    std::unique_ptr<TTabelle> MitInhalt(const std::string& NachKopf, int Stufe = 2) {
        DateiSchreiben(Pfad(), Dateikopf() + NachKopf);
        auto t = std::make_unique<TTabelle>(ArtTexte, Pfad());
        t->Laden(Stufe);
        return t;
    }

    std::string Datei() const { return DateiLesen(Pfad()); }
    std::string NachKopf() const { return Datei().substr(TTabelle::Kopflaenge); }

    AufzeichnenderDialogDienst Dialoge;
};

TEST_F(Tabelle, NeueDateiHatNurDenKopfUndDerErsteSatzStehtBei100) {
    TTabelle t(ArtTexte, Pfad());
    ASSERT_TRUE(t.DateiAnlegen());
    EXPECT_EQ(Datei(), "Datei f\xFCr Velmora XXX"s + Frei(79));
    EXPECT_EQ(Datei().size(), 100u);

    t.Laden(2);
    EXPECT_EQ(t.Anzahl(), 0);
    TDatensatz* s = t.NeuerDatensatz(7);
    t.SchreibeText(s, 1000, "Hallo");
    ASSERT_TRUE(t.Speichern(s));
    EXPECT_EQ(s->Dateiposition, 100);
    EXPECT_EQ(NachKopf(), Satz(7, "Hallo\0\x1B"s));
    EXPECT_TRUE(Dialoge.Nachrichten.empty());
    EXPECT_EQ(Dialoge.WarteCursorTiefe, 0);
    EXPECT_GT(Dialoge.WarteCursorMaxTiefe, 0);
}

TEST_F(Tabelle, LadenListetSaetzeInDateireihenfolgeUndUeberspringtMuell) {
    // free bytes, a record, garbage up to the next 0x1B, a record cut off by the end
    auto t = MitInhalt(Frei(3) + Satz(2, "a\0b\0\x1B"s) + "xyz\0\0\x1B"s + Satz(-9, "rest\0ohne"s));
    ASSERT_EQ(t->Anzahl(), 2);
    TDatensatz* a = t->Erster();
    EXPECT_EQ(a->Nr, 2);
    EXPECT_EQ(a->Dateiposition, 103);
    EXPECT_EQ(t->LeseText(a, 1001), "b");
    TDatensatz* b = a->Naechster;
    EXPECT_EQ(b->Nr, -9);
    EXPECT_EQ(b->Dateiposition, 103 + 10 + 6);
    EXPECT_EQ(b->Daten.Ansicht(), "rest\0ohne\x1B"s); // closed in memory
    EXPECT_EQ(t->LeseText(b, 1001), "ohne");
    EXPECT_EQ(t->Datensatz(9), b);
}

TEST_F(Tabelle, DatensatzSuchtNachBetragUndFindetDenErstenInListenreihenfolge) {
    auto t = MitInhalt(Satz(5, "erster\0\x1B"s) + Satz(-5, "zweiter\0\x1B"s) + Satz(6, "\x1B"s));
    EXPECT_EQ(t->LeseText(t->Datensatz(-5), 1000), "erster");
    EXPECT_EQ(t->LeseText(t->Datensatz(5), 1000), "erster");
    EXPECT_EQ(t->Datensatz(7), nullptr);

    TDatensatz* erster = t->Datensatz(5);
    t->Loeschen(erster);
    EXPECT_EQ(erster, nullptr);
    EXPECT_EQ(t->LeseText(t->Datensatz(5), 1000), "zweiter");

    TDatensatz* neu = t->NeuerDatensatz(5); // appended after the one that is left
    EXPECT_EQ(t->LeseText(t->Datensatz(5), 1000), "zweiter");
    TDatensatz* zweiter = t->Datensatz(5);
    t->Loeschen(zweiter);
    EXPECT_EQ(t->Datensatz(5), neu);

    t->SortiereNachZahl(0);
    EXPECT_EQ(t->Datensatz(5), neu);
    EXPECT_EQ(t->Datensatz(6)->Nr, 6);
}

// Whoever keeps something derived from a table renews it when the state has moved on:
// every change moves it, reading and saving do not, and two tables never share one.
TEST_F(Tabelle, AenderungsstandFolgtJederAenderung) {
    auto t = MitInhalt(Satz(1, "a\0\x1B"s) + Satz(2, "b\0\x1B"s));
    TTabelle andere(ArtTexte, Verzeichnis / "andere.tab");
    EXPECT_NE(t->Aenderungsstand(), andere.Aenderungsstand());
    uint64_t stand = t->Aenderungsstand();
    auto bewegt = [&] {
        const bool anders = t->Aenderungsstand() != stand;
        stand = t->Aenderungsstand();
        return anders;
    };
    TDatensatz* s = t->Datensatz(1);
    t->LeseText(s, 1000);
    EXPECT_FALSE(bewegt()) << "reading";
    t->SchreibeText(s, 1000, "neu");
    EXPECT_TRUE(bewegt()) << "writing a value";
    ASSERT_TRUE(t->Speichern(s));
    EXPECT_FALSE(bewegt()) << "saving";
    TDatensatz* neu = t->NeuerDatensatz(3);
    EXPECT_TRUE(bewegt()) << "a new record";
    EXPECT_TRUE(t->SortiereNachText(1000));
    EXPECT_TRUE(bewegt()) << "sorting";
    t->Loeschen(neu);
    EXPECT_TRUE(bewegt()) << "deleting";
    t->Laden(0);
    EXPECT_TRUE(bewegt()) << "unloading";
}

TEST_F(Tabelle, FeldadressierungUnbekannterUndKleinerKennungen) {
    auto t = MitInhalt(Satz(1, "eins\0zwei\0\x1B"s));
    TDatensatz* s = t->Erster();
    EXPECT_EQ(t->LeseText(s, 0), "eins");
    EXPECT_EQ(t->LeseText(s, 1), "eins");
    EXPECT_EQ(t->LeseText(s, 2), "zwei");
    EXPECT_EQ(t->LeseText(s, 1001), "zwei");
    EXPECT_EQ(t->LeseText(s, 1002), "");
    EXPECT_EQ(t->LeseZahl(s, 1200), 0);
    EXPECT_FALSE(t->LeseSchalter(s, 1200));
    EXPECT_EQ(t->FeldPosition(1200), -1);
    EXPECT_EQ(t->Feldname(1200), "####");
    t->SchreibeText(s, 1200, "x");
    EXPECT_EQ(s->Daten.Ansicht(), "eins\0zwei\0\x1B"s);
    EXPECT_EQ(t->LeseText(nullptr, 1000), "");
    EXPECT_FALSE(t->LeseTextPuffer(nullptr, 1000));
    EXPECT_FALSE(t->LeseTextPuffer(s, 5)); // record ends before
    EXPECT_EQ(t->LeseTextPuffer(s, 2), "zwei");
}

TEST_F(Tabelle, SchreibenHinterDasEndeFuelltMitLeerenWerten) {
    auto t = MitInhalt(Satz(1, "a\0b\0\x1B"s));
    TDatensatz* s = t->Erster();
    t->SchreibeText(s, 5, "e");
    EXPECT_EQ(s->Daten.Ansicht(), "a\0b\0\0\0e\0\x1B"s);
    EXPECT_EQ(t->AnzahlWerte(s), 5);
    t->SchreibeText(s, 2, "Bee");
    EXPECT_EQ(s->Daten.Ansicht(), "a\0Bee\0\0\0e\0\x1B"s);
    t->SchreibeText(s, 1, "x\x1By\0z"s); // the two bytes that structure a record are dropped
    EXPECT_EQ(t->LeseText(s, 1), "xyz");
    t->SchreibeTextPuffer(s, 2, nullptr);
    EXPECT_EQ(t->LeseText(s, 2), "");
    t->SchreibeSchalter(s, 3, true);
    EXPECT_TRUE(t->LeseSchalter(s, 3));
    t->SchreibeSchalter(s, 3, false);
    EXPECT_EQ(t->LeseText(s, 3), "0");
    EXPECT_EQ(NachKopf(), Satz(1, "a\0b\0\x1B"s)) << "nothing is written before Speichern";
}

TEST_F(Tabelle, ZahlenLesen) {
    const std::pair<std::string, int32_t> faelle[] = {
        {"", 0},
        {"12", 12},
        {"-7", -7},
        {"+3", 3},
        {" 5", 5},
        {"5 ", 0},
        {"abc", 0},
        {"1x", 0},
        {"-", 0},
        {"2147483647", 2147483647},
        {"2147483648", 0},
        {"-2147483648", INT32_MIN},
        {"-2147483649", 0},
        {"99999999999999999999", 0},
    };
    auto t = MitInhalt(Satz(1, "\x1B"s));
    TDatensatz* s = t->Erster();
    for (const auto& [text, zahl] : faelle) {
        t->SchreibeText(s, 1000, text);
        EXPECT_EQ(t->LeseZahl(s, 1000), zahl) << '"' << text << '"';
    }
}

TEST_F(Tabelle, KoordinatenUndSchriftgroesseFolgenDenAnzeigefaktoren) {
    auto t = MitInhalt(Satz(1, "5\0"
                               "7\0\x1B"s));
    TDatensatz* s = t->Erster();
    EXPECT_EQ(t->LeseKoordinate(s, 1000), 5);
    TTabelle::Anzeigefaktor1 = 0.5; // 5 * 0.5 = 2.5 and 7 * 0.5 = 3.5: halves to even
    EXPECT_EQ(t->LeseKoordinate(s, 1000), 2);
    EXPECT_EQ(t->LeseKoordinate(s, 1001), 4);
    EXPECT_EQ(t->LeseSchriftgroesse(s, 1001), 7);
    TTabelle::Anzeigefaktor2 = 0.5;
    EXPECT_EQ(t->LeseSchriftgroesse(s, 1001), 4);
    TTabelle::Anzeigefaktor1 = TTabelle::Anzeigefaktor2 = 1.0;
}

TEST_F(Tabelle, SchriftAusDenObjektfeldern) {
    TTabelle objekte(ArtObjekte, Verzeichnis / "Objekte.tab");
    ASSERT_TRUE(objekte.DateiAnlegen());
    objekte.Laden(2);
    TDatensatz* s = objekte.NeuerDatensatz(1);
    objekte.SchreibeText(s, 1245, "255");
    objekte.SchreibeText(s, 1246, "Arial");
    objekte.SchreibeText(s, 1247, "12");
    objekte.SchreibeText(s, 1248, "01");
    TSchriftangaben f = objekte.LeseSchrift(s);
    EXPECT_EQ(f.Farbe, 255);
    EXPECT_EQ(f.Name, "Arial");
    EXPECT_EQ(f.Groesse, 12);
    EXPECT_FALSE(f.Fett);
    EXPECT_TRUE(f.Kursiv);
    EXPECT_FALSE(f.Unterstrichen);
    EXPECT_FALSE(f.Durchgestrichen);
    objekte.SchreibeText(s, 1248, "10110");
    f = objekte.LeseSchrift(s);
    EXPECT_TRUE(f.Fett && !f.Kursiv && f.Unterstrichen && f.Durchgestrichen);
}

TEST_F(Tabelle, SatznummernMitSteuerbytesLadenSpeichernUndLoeschen) {
    const int32_t nr = 0x001B001B; // number bytes 1B 00 1B 00
    auto t = MitInhalt(Satz(nr, "alt\0\x1B"s) + Satz(3, "x\0\x1B"s));
    ASSERT_EQ(t->Anzahl(), 2);
    TDatensatz* s = t->Datensatz(nr);
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(t->LeseText(s, 1000), "alt");
    t->SchreibeText(s, 1000, "viel laenger");
    ASSERT_TRUE(t->Speichern(s)); // moves behind record 3
    EXPECT_EQ(NachKopf(), Frei(10) + Satz(3, "x\0\x1B"s) + Satz(nr, "viel laenger\0\x1B"s));

    auto neu = std::make_unique<TTabelle>(ArtTexte, Pfad());
    neu->Laden(2);
    ASSERT_EQ(neu->Anzahl(), 2);
    TDatensatz* wieder = neu->Datensatz(nr);
    ASSERT_NE(wieder, nullptr);
    EXPECT_EQ(neu->LeseText(wieder, 1000), "viel laenger");
    neu->Loeschen(wieder);
    EXPECT_EQ(NachKopf(), Frei(10) + Satz(3, "x\0\x1B"s) + Frei(5 + 14));
    EXPECT_TRUE(Dialoge.Nachrichten.empty());
}

// The layout after a sequence of changes, byte for byte: shrinking in place, growing out
// of place into the first free run long enough or the end of the file.
TEST_F(Tabelle, SpeicherortNachSchrumpfenWachsenUndNeuanlage) {
    auto t = MitInhalt(Satz(1, "a\0\x1B"s) + Satz(2, "b\0\x1B"s) + Satz(3, "c\0\x1B"s));
    TDatensatz* zwei = t->Datensatz(2);
    t->SchreibeText(zwei, 1000, "");
    ASSERT_TRUE(t->Speichern(zwei));
    EXPECT_EQ(zwei->Dateiposition, 108);
    EXPECT_EQ(NachKopf(), Satz(1, "a\0\x1B"s) + Satz(2, "\0\x1B\x1B"s) + Satz(3, "c\0\x1B"s));

    // Record 1 outgrows its place: blanked there; the free run after its old place is too
    // short (a free byte that opens a run is not part of it), so it goes to the end.
    TDatensatz* eins = t->Datensatz(1);
    t->SchreibeText(eins, 1000, "abcdef");
    ASSERT_TRUE(t->Speichern(eins));
    EXPECT_EQ(eins->Dateiposition, 124);
    EXPECT_EQ(NachKopf(),
              Frei(8) + Satz(2, "\0\x1B\x1B"s) + Satz(3, "c\0\x1B"s) + Satz(1, "abcdef\0\x1B"s));

    // A small new record fits the seven free bytes behind the first one.
    TDatensatz* vier = t->NeuerDatensatz(-4);
    ASSERT_TRUE(t->Speichern(vier));
    EXPECT_EQ(vier->Dateiposition, 101);
    EXPECT_EQ(NachKopf(), Frei(1) + Satz(4, "\0\x1B"s) + Satz(2, "\0\x1B\x1B"s) +
                              Satz(3, "c\0\x1B"s) + Satz(1, "abcdef\0\x1B"s));

    // Growing into the free byte that follows: still in place.
    t->SchreibeText(zwei, 1000, "B");
    ASSERT_TRUE(t->Speichern(zwei));
    EXPECT_EQ(zwei->Dateiposition, 108);

    // The last record grows over its own old place and the end of the file.
    t->SchreibeText(eins, 1000, "abcdefghij");
    ASSERT_TRUE(t->Speichern(eins));
    EXPECT_EQ(eins->Dateiposition, 124);
    EXPECT_EQ(NachKopf(), Frei(1) + Satz(4, "\0\x1B"s) + Satz(2, "B\0\x1B"s) + Satz(3, "c\0\x1B"s) +
                              Satz(1, "abcdefghij\0\x1B"s));
    EXPECT_TRUE(Dialoge.Nachrichten.empty());
}

TEST_F(Tabelle, SatzVerschiebtSichInEinenFreienBereichDavor) {
    // A run of 20 free bytes behind record 1 takes record 3 when it grows.
    auto t = MitInhalt(Satz(1, "\x1B"s) + Frei(20) + Satz(2, "\x1B"s) + Satz(3, "\x1B"s));
    TDatensatz* drei = t->Datensatz(3);
    t->SchreibeText(drei, 1000, "zwoelf Bytes");
    ASSERT_TRUE(t->Speichern(drei));
    EXPECT_EQ(drei->Dateiposition, 106);
    EXPECT_EQ(NachKopf(), Satz(1, "\x1B"s) + Satz(3, "zwoelf Bytes\0\x1B"s) + Frei(1) +
                              Satz(2, "\x1B"s) + Frei(6));
}

// A file that another program left ending inside a record (or in stray bytes): a record
// appended there must not become part of them.
TEST_F(Tabelle, AnhaengenAnEineOffeneDateiVerliertNichts) {
    for (const std::string& offen :
         {Satz(1, "ohne Ende"), Satz(1, "x\0\x1B"s) + "Streu\0bytes"s, "\0\x01"s, "\0\x1B"s}) {
        auto t = MitInhalt(offen);
        TDatensatz* neu = t->NeuerDatensatz(2);
        t->SchreibeText(neu, 1000, "neu");
        ASSERT_TRUE(t->Speichern(neu));
        EXPECT_EQ(NachKopf(), offen + Frei(5) + Satz(2, "neu\0\x1B"s));
        TTabelle wieder(ArtTexte, Pfad());
        wieder.Laden(2);
        EXPECT_EQ(wieder.LeseText(wieder.Datensatz(2), 1000), "neu");
    }
}

TEST_F(Tabelle, HoechstensEinSatzVon65520Bytes) {
    auto t = MitInhalt("");
    TDatensatz* s = t->NeuerDatensatz(1);
    const std::string passt(TTabelle::MaxFelddaten - 2, 'x'); // value, 0x00 and 0x1B
    t->SchreibeText(s, 1000, passt);
    ASSERT_TRUE(Dialoge.Nachrichten.empty());
    ASSERT_TRUE(t->Speichern(s));

    t->SchreibeText(s, 1000, passt + "y");
    ASSERT_EQ(Dialoge.Nachrichten.size(), 1u);
    EXPECT_EQ(Dialoge.Nachrichten[0].Art, Symbol::Fehler);
    EXPECT_EQ(Dialoge.Nachrichten[0].Text,
              "Ein einzelner Datensatz darf höchstens 64KBytes groß werden. Die Änderungen "
              "wurden nicht übernommen.");
    EXPECT_EQ(t->LeseText(s, 1000), passt);

    // The largest record reads back whole on demand as well.
    TTabelle neu(ArtTexte, Pfad());
    neu.Laden(1);
    EXPECT_EQ(neu.LeseText(neu.Erster(), 1000), passt);
}

TEST_F(Tabelle, NieGespeicherterSatzWirdOhneDateizugriffGeloescht) {
    auto t = MitInhalt(Satz(1, "\x1B"s));
    std::filesystem::remove(Pfad()); // any file access would now fail with a message
    TDatensatz* s = t->NeuerDatensatz(2);
    t->Loeschen(s);
    EXPECT_EQ(s, nullptr);
    EXPECT_EQ(t->Anzahl(), 1);
    EXPECT_TRUE(Dialoge.Nachrichten.empty());
    EXPECT_FALSE(std::filesystem::exists(Pfad()));
}

TEST_F(Tabelle, FremderSatzWirdNichtGeloescht) {
    auto t = MitInhalt(Satz(1, "\x1B"s));
    TTabelle andere(ArtTexte, Verzeichnis / "andere.tab");
    andere.Laden(2);
    TDatensatz* fremd = andere.NeuerDatensatz(1);
    t->Loeschen(fremd);
    EXPECT_NE(fremd, nullptr);
    EXPECT_EQ(andere.Anzahl(), 1);
    EXPECT_EQ(t->Anzahl(), 1);
}

TEST_F(Tabelle, SortierenBis16383Saetze) {
    auto t = MitInhalt("");
    for (int i = TTabelle::MaxSortierbar; i >= 1; --i)
        t->NeuerDatensatz(i);
    ASSERT_TRUE(t->SortiereNachZahl(0));
    EXPECT_EQ(t->Erster()->Nr, 1);
    EXPECT_TRUE(Dialoge.Nachrichten.empty());

    t->NeuerDatensatz(0);
    EXPECT_FALSE(t->SortiereNachZahl(0));
    ASSERT_EQ(Dialoge.Nachrichten.size(), 1u);
    EXPECT_EQ(Dialoge.Nachrichten[0].Text, "Es können maximal 16383 Datensätze sortiert werden!");
    EXPECT_EQ(t->Erster()->Nr, 1);
    EXPECT_EQ(Dialoge.WarteCursorTiefe, 0);
}

std::vector<int32_t> Reihenfolge(const TTabelle& t) {
    std::vector<int32_t> r;
    for (TDatensatz* s = t.Erster(); s; s = s->Naechster)
        r.push_back(s->Nr);
    return r;
}

TEST_F(Tabelle, SortiereNachZahlMitGleichstandNachSatznummer) {
    auto t = MitInhalt(Satz(4, "10\0\x1B"s) + Satz(-3, "\0\x1B"s) + Satz(2, "10\0\x1B"s) +
                       Satz(1, "-5\0\x1B"s) + Satz(5, "kein\0\x1B"s));
    ASSERT_TRUE(t->SortiereNachZahl(1000));
    EXPECT_EQ(Reihenfolge(*t), (std::vector<int32_t>{1, -3, 5, 2, 4}));
    ASSERT_TRUE(t->SortiereNachZahl(0));
    EXPECT_EQ(Reihenfolge(*t), (std::vector<int32_t>{1, 2, -3, 4, 5}));
}

TEST_F(Tabelle, SortiereNachTextFaltetUmlauteUndGrossschreibung) {
    auto t = MitInhalt(Satz(1, "Zebra\0\x1B"s) + Satz(6, "APFEL\0a\0\x1B"s) +
                       Satz(3, "apfel\0b\0\x1B"s) + Satz(4, "Apfel\0a\0\x1B"s) +
                       Satz(2, "\xC4pfel\0\x1B"s) + Satz(5, "Banane\0\x1B"s) +
                       Satz(7, "apfelbaum\0\x1B"s) +
                       Satz(8, "\xE4pfeL\0"
                               "0\0\x1B"s));
    ASSERT_TRUE(t->SortiereNachText(1000));
    // "Äpfel" sorts as "apfel"; equal keys fall back to field 1001, then the number.
    EXPECT_EQ(Reihenfolge(*t), (std::vector<int32_t>{2, 8, 4, 6, 3, 7, 5, 1}));
}

TEST_F(Tabelle, SortiereNachTextWeiterImKreisUeberDieFeldliste) {
    // Sorting by the second field: ties go on to the first field (wrapping round).
    auto t = MitInhalt(Satz(1, "b\0x\0\x1B"s) + Satz(2, "a\0X\0\x1B"s) + Satz(3, "c\0w\0\x1B"s));
    ASSERT_TRUE(t->SortiereNachText(1001));
    EXPECT_EQ(Reihenfolge(*t), (std::vector<int32_t>{3, 2, 1}));
}

TEST_F(Tabelle, ZaehleUndFreieNummer) {
    auto t = MitInhalt(Satz(-2, "Haus\0\x1B"s) + Satz(7, "Maus\0\x1B"s) + Satz(-3, "Baum\0\x1B"s));
    EXPECT_EQ(t->Zaehle(1000, ""), t->Anzahl());
    EXPECT_EQ(t->Zaehle(1000, "aus"), 2);
    EXPECT_EQ(Reihenfolge(*t), (std::vector<int32_t>{2, 7, 3})) << "counted numbers turn positive";
    EXPECT_EQ(t->Suche(1000, "Maus")->Nr, 7);
    EXPECT_EQ(t->Suche(1000, "maus"), nullptr);
    EXPECT_EQ(t->FreieNummer(1), 8);
    EXPECT_EQ(t->FreieNummer(20), 20);
}

// Fields read in order walk on from the last value read; any change of field data, also
// one that keeps the record's length, and any other record make it start again.
TEST_F(Tabelle, WerteInUndGegenDieReihenfolgeNachAenderungen) {
    auto t = MitInhalt(Satz(1, "a\0bb\0ccc\0dddd\0\x1B"s) + Satz(2, "x\0y\0\x1B"s));
    TDatensatz* eins = t->Datensatz(1);
    TDatensatz* zwei = t->Datensatz(2);
    const auto werte = [&](TDatensatz* s, std::initializer_list<int> Positionen) {
        std::string alle;
        for (int pos : Positionen)
            alle += t->LeseText(s, static_cast<uint16_t>(pos)) + "|";
        return alle;
    };
    EXPECT_EQ(werte(eins, {1, 2, 3, 4, 5}), "a|bb|ccc|dddd||");
    EXPECT_EQ(werte(eins, {4, 2, 2, 1, 3}), "dddd|bb|bb|a|ccc|");
    EXPECT_EQ(werte(eins, {2, 3}) + werte(zwei, {2}) + werte(eins, {4}), "bb|ccc|y|dddd|");
    EXPECT_EQ(werte(eins, {3}), "ccc|");
    t->SchreibeText(eins, 2, "b"); // shorter: every later value moves
    EXPECT_EQ(werte(eins, {3, 4}), "ccc|dddd|");
    t->SchreibeText(eins, 1, "aa"); // the record's length as before the last change
    EXPECT_EQ(werte(eins, {3, 4, 2}), "ccc|dddd|b|");
    t->SchreibeText(eins, 3, "c");
    t->SchreibeText(eins, 2, "bbb"); // same length again, the separators elsewhere
    EXPECT_EQ(werte(eins, {3, 4}), "c|dddd|");
}

TEST_F(Tabelle, AufStufe1GehenUngespeicherteAenderungenMitDemAktuellenSatzVerloren) {
    auto t = MitInhalt(Satz(1, "eins\0\x1B"s) + Satz(2, "zwei\0\x1B"s), 1);
    TDatensatz* eins = t->Datensatz(1);
    TDatensatz* zwei = t->Datensatz(2);
    EXPECT_FALSE(eins->Daten.Vorhanden());
    t->SchreibeText(eins, 1000, "geaendert");
    EXPECT_EQ(t->LeseText(zwei, 1000), "zwei");
    EXPECT_FALSE(eins->Daten.Vorhanden());
    EXPECT_EQ(t->LeseText(eins, 1000), "eins");

    t->Laden(2); // from level 1 the list is read anew
    eins = t->Datensatz(1);
    zwei = t->Datensatz(2);
    t->SchreibeText(eins, 1000, "geaendert");
    EXPECT_EQ(t->LeseText(zwei, 1000), "zwei");
    EXPECT_EQ(t->LeseText(eins, 1000), "geaendert");

    t->Laden(1); // level 2 to 1 keeps the list, drops the field data
    EXPECT_EQ(t->Datensatz(1), eins);
    EXPECT_EQ(t->LeseText(eins, 1000), "eins");
    t->Laden(0);
    EXPECT_EQ(t->Anzahl(), 0);
}

TEST_F(Tabelle, LesefehlerNenntDenDateinamenUndDenFehlertext) {
    std::filesystem::create_directory(Pfad()); // opens, but cannot be read
    TTabelle t(ArtTexte, Pfad());
    t.Laden(2);
    ASSERT_EQ(Dialoge.Nachrichten.size(), 1u);
    EXPECT_EQ(Dialoge.Nachrichten[0].Art, Symbol::Fehler);
    EXPECT_EQ(Dialoge.Nachrichten[0].Text,
              "Fehler beim Lesen in der Datei Texte.tab: \n" + std::string(std::strerror(EISDIR)));
    EXPECT_EQ(t.Ladestufe(), 2);
    EXPECT_EQ(t.Anzahl(), 0);
}

// Another program shortened or rewrote the file since it was loaded: nothing is written
// through the stale position, and the record in memory keeps its change.
TEST_F(Tabelle, VeralteteDateipositionWirdNichtBeschrieben) {
    const std::string nummerFalsch =
        "Fehler beim Zugreifen auf die Datei Texte.tab: \nDie Nummer des Datensatzes im "
        "Speicher stimmt nicht mit der auf der Festplatte überein.";
    struct Fall {
        const char* Name;
        std::string NeuerInhalt;
    };
    const Fall faelle[] = {
        {"gekuerzt", ""},
        {"verschoben", Frei(2) + Satz(1, "a\0\x1B"s) + Satz(2, "b\0\x1B"s)},
        {"andere Nummer", Satz(9, "a\0\x1B"s) + Satz(2, "b\0\x1B"s)},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.Name);
        Dialoge.Nachrichten.clear();
        auto t = MitInhalt(Satz(1, "a\0\x1B"s) + Satz(2, "b\0\x1B"s));
        DateiSchreiben(Pfad(), Dateikopf() + f.NeuerInhalt);
        TDatensatz* s = t->Datensatz(1);
        t->SchreibeText(s, 1000, "A");
        EXPECT_FALSE(t->Speichern(s));
        EXPECT_EQ(NachKopf(), f.NeuerInhalt);
        EXPECT_EQ(t->LeseText(s, 1000), "A");
        t->Loeschen(s);
        EXPECT_EQ(NachKopf(), f.NeuerInhalt);
        ASSERT_EQ(Dialoge.Nachrichten.size(), 2u);
        EXPECT_EQ(Dialoge.Nachrichten[0].Text, nummerFalsch);
        EXPECT_EQ(Dialoge.Nachrichten[1].Text, nummerFalsch);
    }
}

// A full disk (a file-size limit in a child process): the failed save is reported, the
// file keeps every record as it was, and the record in memory keeps its change.
TEST_F(Tabelle, VolleFestplatteLaesstDieDateiHeil) {
    const std::string inhalt = Satz(1, "a\0\x1B"s) + Satz(2, "b\0\x1B"s);
    auto t = MitInhalt(inhalt);
    auto versuchen = [&] {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit grenze{Datei().size() + 4, Datei().size() + 4};
        setrlimit(RLIMIT_FSIZE, &grenze);
        TDatensatz* s = t->Datensatz(1);
        t->SchreibeText(s, 1000, "waechst ueber die Grenze");
        const bool gespeichert = t->Speichern(s);
        const bool heil = NachKopf() == inhalt;
        const bool gemeldet =
            Dialoge.Nachrichten.size() == 1 &&
            Dialoge.Nachrichten[0].Text == "Fehler beim Zugreifen auf die Datei Texte.tab: \n" +
                                               std::string(std::strerror(EFBIG));
        const bool behalten = t->LeseText(s, 1000) == "waechst ueber die Grenze";
        return !gespeichert && heil && gemeldet && behalten;
    };
    EXPECT_EXIT(std::_Exit(versuchen() ? 0 : 1), ::testing::ExitedWithCode(0), "");
}

// A table whose name stands for a pipe, a device or a directory is never read or written:
// loading and saving report it and nothing waits or reads without end (the alarm ends a
// test that would).
TEST_F(Tabelle, NurGewoehnlicheDateienSindTabellen) {
    const std::pair<const char*, std::function<void()>> faelle[] = {
        {"Pipe", [&] { ASSERT_EQ(::mkfifo(Pfad().c_str(), 0644), 0); }},
        {"/dev/zero", [&] { std::filesystem::create_symlink("/dev/zero", Pfad()); }},
        {"Verzeichnis", [&] { std::filesystem::create_directory(Pfad()); }},
    };
    ::alarm(30);
    for (const auto& [name, anlegen] : faelle) {
        SCOPED_TRACE(name);
        Dialoge.Nachrichten.clear();
        std::filesystem::remove_all(Pfad());
        anlegen();
        TTabelle t(ArtTexte, Pfad());
        t.Laden(2);
        EXPECT_EQ(t.Anzahl(), 0);
        TDatensatz* s = t.NeuerDatensatz(1);
        EXPECT_FALSE(t.Speichern(s));
        ASSERT_EQ(Dialoge.Nachrichten.size(), 2u);
        EXPECT_EQ(Dialoge.Nachrichten[0].Text.rfind("Fehler beim Lesen in der Datei Texte.tab", 0),
                  0u);
        EXPECT_EQ(
            Dialoge.Nachrichten[1].Text.rfind("Fehler beim Zugreifen auf die Datei Texte.tab", 0),
            0u);
    }
    ::alarm(0);
}

TEST_F(Tabelle, FehlendeDateiWirdNachRueckfrageAngelegt) {
    auto& orte = Lektionsorte();
    orte = TLektionsorte{};
    orte.Lektionsverzeichnis = Verzeichnis;
    {
        Dialoge.NaechsteAntwort(KnopfOK);
        TTabelle t(ArtSeiten);
        ASSERT_EQ(Dialoge.Nachrichten.size(), 1u);
        EXPECT_EQ(Dialoge.Nachrichten[0].Art, Symbol::Warnung);
        EXPECT_EQ(Dialoge.Nachrichten[0].Knoepfe, KnopfOK | KnopfAbbrechen | KnopfAlle);
        EXPECT_EQ(Dialoge.Nachrichten[0].Text,
                  std::string(std::strerror(ENOENT)) + "\nDie Datei States.tab wird neu erstellt.");
        EXPECT_EQ(DateiLesen(Verzeichnis / "States.tab"), Dateikopf());
        EXPECT_FALSE(orte.NeuAnlegenOhneFrage);
    }
    Dialoge.NaechsteAntwort(KnopfAlle);
    { TTabelle t(ArtTexte); }
    EXPECT_TRUE(orte.NeuAnlegenOhneFrage);
    { TTabelle t(ArtObjekte); } // no more questions
    EXPECT_EQ(Dialoge.Nachrichten.size(), 2u);
    EXPECT_TRUE(std::filesystem::exists(Verzeichnis / "Objekte.tab"));

    orte.NeuAnlegenOhneFrage = false;
    Dialoge.NaechsteAntwort(KnopfAbbrechen);
    EXPECT_THROW(TTabelle t(ArtMenues), ProgrammBeendet);
    orte = TLektionsorte{};
}

TEST_F(Tabelle, DateiDieNichtAngelegtWerdenKannLaesstDieTabelleLeer) {
    auto& orte = Lektionsorte();
    orte = TLektionsorte{};
    DateiSchreiben(Verzeichnis / "keinVerzeichnis", "x");
    orte.Lektionsverzeichnis = Verzeichnis / "keinVerzeichnis";
    orte.NeuAnlegenOhneFrage = true;
    TTabelle t(ArtTexte);
    ASSERT_EQ(Dialoge.Nachrichten.size(), 1u);
    EXPECT_EQ(Dialoge.Nachrichten[0].Text,
              std::string(std::strerror(ENOTDIR)) + "\nFehler beim Erstellen der Datei Texte.tab");
    t.Laden(2);
    EXPECT_EQ(t.Anzahl(), 0);
    orte = TLektionsorte{};
}

TEST_F(Tabelle, LektionsdateienWerdenOhneGrossKleinGefunden) {
    auto& orte = Lektionsorte();
    orte = TLektionsorte{};
    orte.Lektionsverzeichnis = Verzeichnis;
    DateiSchreiben(Verzeichnis / "TEXTE.TAB", Dateikopf() + Satz(1, "da\0\x1B"s));
    TTabelle t(ArtTexte);
    t.Laden(2);
    EXPECT_EQ(t.Pfad(), Verzeichnis / "TEXTE.TAB");
    EXPECT_EQ(t.LeseText(t.Datensatz(1), 1000), "da");
    EXPECT_EQ(LektionsdateiFinden(Verzeichnis, "unter\\Bild.BMP"), Verzeichnis / "unter/Bild.BMP");
    orte = TLektionsorte{};
}

TEST_F(Tabelle, SchreibgeschuetzteLektionArbeitetMitKopien) {
    auto& orte = Lektionsorte();
    orte = TLektionsorte{};
    orte.Lektionsverzeichnis = Verzeichnis / "lektion";
    orte.Arbeitsverzeichnis = Verzeichnis / "arbeit";
    orte.SchreibgeschuetzteLektion = true;
    orte.NeuAnlegenOhneFrage = true;
    std::filesystem::create_directories(orte.Lektionsverzeichnis);
    std::filesystem::create_directories(orte.Arbeitsverzeichnis);
    const std::string original = Dateikopf() + Satz(1, "original\0\x1B"s);
    DateiSchreiben(orte.Lektionsverzeichnis / "Texte.tab", original);
    std::filesystem::permissions(orte.Lektionsverzeichnis / "Texte.tab",
                                 std::filesystem::perms::owner_read);
    {
        TTabelle t(ArtTexte);
        t.Laden(2);
        EXPECT_EQ(t.Pfad(), orte.Arbeitsverzeichnis / "Texte.tab");
        TDatensatz* s = t.Datensatz(1);
        t.SchreibeText(s, 1000, "vom Lerner");
        ASSERT_TRUE(t.Speichern(s));
    }
    { // the second start uses the copy as it is
        TTabelle t(ArtTexte);
        t.Laden(2);
        EXPECT_EQ(t.LeseText(t.Datensatz(1), 1000), "vom Lerner");
    }
    EXPECT_EQ(DateiLesen(orte.Lektionsverzeichnis / "Texte.tab"), original);
    EXPECT_TRUE(Dialoge.Nachrichten.empty());
    orte = TLektionsorte{};
}

TEST_F(Tabelle, KopiereDatensatzInDieArbeitskopie) {
    TTabelle seiten(ArtSeiten, Verzeichnis / "States.tab");
    TTabelle kopie(ArtSeitenKopie, Verzeichnis / "States.tmp");
    ASSERT_TRUE(seiten.DateiAnlegen() && kopie.DateiAnlegen());
    seiten.Laden(2);
    kopie.Laden(2);
    TDatensatz* q = seiten.NeuerDatensatz(3);
    seiten.SchreibeText(q, 100, "3");
    seiten.SchreibeText(q, 161, "1\r\n2");
    TDatensatz* z = kopie.NeuerDatensatz(3);
    ASSERT_TRUE(KopiereDatensatz(seiten, q, kopie, z));
    EXPECT_EQ(kopie.LeseText(z, 161), "1\r\n2");
    EXPECT_EQ(kopie.AnzahlWerte(z), 65);
    EXPECT_EQ(DateiLesen(Verzeichnis / "States.tmp").substr(100, 5), Satz(3, ""));
}

TEST_F(Tabelle, TabellenlisteInErzeugungsreihenfolge) {
    const size_t vorher = TTabelle::Tabellenliste().size();
    auto a = std::make_unique<TTabelle>(ArtTexte, Verzeichnis / "a");
    auto b = std::make_unique<TTabelle>(ArtSeiten, Verzeichnis / "b");
    ASSERT_EQ(TTabelle::Tabellenliste().size(), vorher + 2);
    EXPECT_EQ(TTabelle::Tabellenliste()[vorher], a.get());
    EXPECT_EQ(TTabelle::Tabellenliste()[vorher + 1], b.get());
    a.reset();
    ASSERT_EQ(TTabelle::Tabellenliste().size(), vorher + 1);
    EXPECT_EQ(TTabelle::Tabellenliste()[vorher], b.get());
}

TEST_F(Tabelle, TabellendateiSchreibenGleichtEinzelnemSpeichern) {
    TTabelle t(ArtTexte, Pfad());
    ASSERT_TRUE(t.DateiAnlegen());
    t.Laden(2);
    for (int nr : {3, -1, 2}) {
        TDatensatz* s = t.NeuerDatensatz(nr);
        t.SchreibeText(s, 1001, "Gruppe " + std::to_string(nr));
        ASSERT_TRUE(t.Speichern(s));
    }
    std::string fehler;
    ASSERT_TRUE(TabellendateiSchreiben(Verzeichnis / "neu.tab",
                                       {{3, FelddatenAus({"", "Gruppe 3"})},
                                        {-1, FelddatenAus({"", "Gruppe -1"})},
                                        {2, FelddatenAus({"", "Gruppe 2"})}},
                                       fehler));
    EXPECT_EQ(DateiLesen(Verzeichnis / "neu.tab"), Datei());
    EXPECT_FALSE(std::filesystem::exists(Verzeichnis / "neu.tab.neu"));
}

} // namespace
