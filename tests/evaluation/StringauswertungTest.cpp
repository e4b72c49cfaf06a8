// String evaluations: the comparison with the "?" wildcard, bounds and deletions, the date
// placeholders, and the check of real page objects: the value each kind of source gives,
// data references, consumed sources and catch-all objects in page order, the attempt
// filter, the pending script and the evaluation function.

#include "evaluation/Stringauswertung.h"

#include "objects/ObjektTesthilfe.h"
#include "objects/auswahl/THCheckBox.h"
#include "objects/auswahl/THListBox.h"
#include "objects/auswahl/THRadioButton.h"
#include "objects/auswahl/THSAPComboBox.h"
#include "objects/auswertung/THStringAuswertung.h"
#include "objects/bereiche/THMouseSensitive.h"
#include "objects/eingabe/THEditfeld.h"
#include "objects/eingabe/THMemo.h"
#include "objects/rollen/Aktionsanforderung.h"
#include "objects/texte/THSystemLabel.h"
#include "store/Objekttyp.h"
#include "support/QtAnwendung.h"
#include "support/TTestuhr.h"

#include <QTest>

#include <functional>

namespace {

using namespace Stringauswertung;

auto* const qt = ::testing::AddGlobalTestEnvironment(new QtAnwendung);

TEST(Stringvergleich, FragezeichenGrossKleinUndLeereTexte) {
    struct Fall {
        std::string Wert, Muster;
        bool GrossKleinEgal, Passt;
    };
    const Fall faelle[] = {
        {"abc", "A?C", true, true},
        {"abcd", "A?C", true, false},
        {"abc", "A?C", false, false},
        {"AxC", "A?C", false, true},
        {"\xE4\x9A\xFF", "\xC4\x8A\x9F", true, true}, // ä š ÿ against Ä Š Ÿ
        {"\xDF", "SS", true, false},                  // ß has no one-letter capital
        {"", "", false, true},
        {"x", "", false, false},
        {"", "?", false, false},
        {"ab", "ab", false, true},
        // Longer than the runs of eight bytes that are compared at once.
        {"abcdefghijk", "ABCDEFGH?JK", true, true},
        {"ABCDEFGHIJKL", "abcdefgh?jkl", true, true},
        {"AbCdEfGhIjKlMnOp", "aBcDeFgHiJkLmNoP", true, true},
        {"abcdefghijkl", "abcdefgh?jkX", true, false},
        {"abcdefghijklmnop", "abcdefghijklmnoP", false, false},
        {"abcdefghijklmnoq", "abcdefghijklmno?", false, true},
        {"xbcdefghijklmnop", "abcdefghijklmnop", true, false},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(WertPasst(f.Wert, f.Muster, f.GrossKleinEgal), f.Passt)
            << f.Wert << " / " << f.Muster;
    EXPECT_TRUE(WertInListe("abc", {"?xx", "abc"}, false)) << "the second value matches";
    EXPECT_FALSE(WertInListe("abc", {"?xx", "ab"}, false));
    EXPECT_FALSE(WertInListe("", {}, false));
}

TEST(Stringvergleich, GrenzenUndBereiche) {
    struct Fall {
        std::string Wert, Unter, Ober, Anfang, Ende;
        bool Passt;
    };
    const Fall faelle[] = {
        {"15", "10", "20", "", "", false},   {"5", "10", "20", "", "", true},
        {"25", "10", "20", "", "", true},    {"-3", "10", "", "", "", true},
        {"10", "10", "20", "", "", false},   {"abc", "10", "20", "", "", false},
        {"5", "zehn", "", "", "", false},    {"4", "", "", "3", "4", true},
        {"3", "", "", "3", "4", true},       {"5", "", "", "3", "4", false},
        {"3", "", "", "3", "", false},       {"+7", "", "", "5", "9", true},
        {"", "10", "20", "0", "100", false},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(GrenzenPassen(f.Wert, f.Unter, f.Ober, f.Anfang, f.Ende), f.Passt)
            << f.Wert << " [" << f.Unter << " " << f.Ober << " " << f.Anfang << " " << f.Ende
            << "]";
    EXPECT_EQ(ZeichenLoeschen("1.000 ", " ."), "1000");
    EXPECT_EQ(ZeichenLoeschen("a.b.c", ""), "a.b.c");
}

TEST(Stringvergleich, DatumsplatzhalterNachModus) {
    const QDate fuenfterMaerz(2001, 3, 5);
    struct Fall {
        int32_t Modus;
        QDate Heute;
        std::string Muster, Ergebnis;
    };
    const Fall faelle[] = {
        {1, fuenfterMaerz, "tt.mm.jjjj", "05.03.2001"},
        {3, fuenfterMaerz, "tt.mm.jjjj", "31.03.2001"},
        {2, fuenfterMaerz, "tt.mm.jjjj", "01.04.2001"},
        {9, fuenfterMaerz, "tt.mm.jjjj", "05.03.2001"},
        {1, fuenfterMaerz, "t.m.jj", "5.3.01"},
        {2, QDate(2001, 12, 5), "t.m.jjjj", "1.1.2002"},
        {3, QDate(2001, 12, 5), "tt.mm.jjjj", "31.12.2001"},
        {3, QDate(2000, 2, 10), "tt.mm.", "29.02."},
        {1, QDate(2001, 11, 15), "tt-t mm-m jjjj-jj", "15-15 11-11 2001-01"},
        {1, fuenfterMaerz, "tt tt", "05 5t"}, // each placeholder once, in this order
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(DatumEinsetzen(f.Muster, Stichtag(f.Modus, f.Heute)), f.Ergebnis)
            << f.Modus << " " << f.Muster;
}

// A page of real objects built from their records: an input field 7, a check box 8, a list
// box 9 (multiple selection) and string evaluations added by the test.
class Stringauswertungen : public Lektionstest {
protected:
    void SetUp() override {
        Lektionstest::SetUp();
        LektionBauen(R"("Objekte.tab": [
            {"nr": 7, "fields": {"1200": "6", "1207": "80", "1208": "20"}},
            {"nr": 8, "fields": {"1200": "30", "1221": "Ja"}},
            {"nr": 9, "fields": {"1200": "49", "1264": ["rot", "gelb", "blau"], "1269": "1"}},
            {"nr": 10, "fields": {"1200": "6", "1265": "*"}},
            {"nr": 20, "fields": {"1200": "44", "1214": ["?xx", "abc"], "1256": "7",
                                  "1261": ["10", "20"], "1231": "3", "1218": "55",
                                  "1288": "pruefen.vls"}},
            {"nr": 21, "fields": {"1200": "44", "1233": "1", "1256": "7"}}],
            "Daten.tab": [{"nr": 3, "fields": {"301": "Berlin"}}])");
        Feld = ObjektBauen<THEditfeld>(Fenster, 7, Typcode(Objekttyp::Editfeld));
        Haken = ObjektBauen<THCheckBox>(Fenster, 8, Typcode(Objekttyp::CheckBox));
        Liste = ObjektBauen<THListBox>(Fenster, 9, Typcode(Objekttyp::ListBox));
    }

    THStringAuswertung* AusSatz(int32_t Nr) {
        return ObjektBauen<THStringAuswertung>(Fenster, Nr, Typcode(Objekttyp::StringAuswertung));
    }

    // A string evaluation on source `Quelle` with accepted values and option lines.
    THStringAuswertung* Neu(int32_t Quelle, std::vector<std::string> Werte,
                            std::vector<std::string> Optionen = {}) {
        auto* s = new THStringAuswertung(&Fenster);
        Fenster.Eintragen(s, 100 + Anzahl++, Typcode(Objekttyp::StringAuswertung));
        s->Objektnummer = Quelle;
        s->Stringliste = std::move(Werte);
        Optionen.resize(THStringAuswertung::Optionszeilen);
        s->Stringliste1 = std::move(Optionen);
        return s;
    }

    bool Pruefe(THStringAuswertung& s) { return Pruefen(Fenster, s, Fenster.Objektliste()); }

    // The start of a page evaluation: no source is consumed.
    void NeueAuswertung() {
        TiefDurchlaufen(Fenster.Objektliste(), [](TObjektliste& e) {
            if (TSeitenobjekt* o = e.Seitenobjekt()) o->Verbraucht = false;
            return true;
        });
    }

    TTestfenster Fenster;
    THEditfeld* Feld = nullptr;
    THCheckBox* Haken = nullptr;
    THListBox* Liste = nullptr;
    int Anzahl = 0;
    TTestuhr Uhr{QDateTime(QDate(2001, 3, 5), QTime(10, 0))};
    TRollenersatz<TUhr> UhrErsatz{Uhr};
};

TEST_F(Stringauswertungen, FelderAusDemSatz) {
    THStringAuswertung* s = AusSatz(20);
    EXPECT_EQ(s->Stringliste, (std::vector<std::string>{"?xx", "abc"}));
    ASSERT_EQ(s->Stringliste1.size(), 8u) << "the option lines are filled up to eight";
    EXPECT_EQ(s->OptionZeile(THStringAuswertung::Obergrenze), "20");
    EXPECT_EQ(s->OptionZeile(THStringAuswertung::Loeschzeichen), "");
    EXPECT_EQ(s->Typ, 3);
    EXPECT_EQ(s->Ziel, 55);
    EXPECT_EQ(s->Script, "pruefen.vls");
    EXPECT_FALSE(s->AllesUebrige);
    EXPECT_EQ(s->Quellnummer(), 7) << "Quelle 0: the source is Objektnummer";
    EXPECT_TRUE(AusSatz(21)->AllesUebrige);
}

// The value of the input field against the accepted values and option lines.
TEST_F(Stringauswertungen, WertGegenListeUndOptionen) {
    struct Fall {
        std::vector<std::string> Werte, Optionen;
        std::string Eingabe;
        bool Passt;
    };
    const std::vector<std::string> ohneFall{"", "", "", "", "", "", "1"};
    const Fall faelle[] = {
        {{"A?C"}, ohneFall, "abc", true},
        {{"A?C"}, ohneFall, "abcd", false},
        {{"A?C"}, {}, "abc", false},
        {{"?xx", "abc"}, {}, "abc", true},
        {{}, {"10", "20"}, "15", false},
        {{}, {"10", "20"}, "5", true},
        {{}, {"10", "20"}, "25", true},
        {{}, {"", "", "1", "9"}, "9", true},
        {{"1000"}, {"", "", "", "", "", "", "", " ."}, "1.000 ", true},
        {{"tt.mm.jjjj"}, {"", "", "", "", "", "1"}, "05.03.2001", true},
        {{"tt.mm.jjjj"}, {"", "", "", "", "", "3"}, "31.03.2001", true},
        {{"tt.mm.jjjj"}, {"", "", "", "", "", "3"}, "05.03.2001", false},
        {{"tt.mm.jjjj"}, {"", "", "", "", "", "0"}, "tt.mm.jjjj", true},
        {{"tt.mm.jjjj"}, {"", "", "", "", "", "x"}, "tt.mm.jjjj", true},
        {{"@3@"}, {}, "Berlin", true},
        {{"@3"}, {}, "Berlin", false}, // too short to name a record
        {{"@4@"}, {}, "@4@", true},    // no such record: the value stays
        {{"@x@"}, {}, "@x@", true},    // no number: the value stays
        {{"@3@"}, {"", "", "", "", "", "", "1"}, "BERLIN", true},
        {{}, {"", "", "", "", "", "0"}, "", true},
        {{}, {"", "", "", "", "", "0"}, "x", false},
        {{}, {}, "", false},
        {{}, {"", "", "", "", "", "1"}, "", false},
    };
    for (const Fall& f : faelle) {
        THStringAuswertung* s = Neu(7, f.Werte, f.Optionen);
        const std::vector<std::string> vorher = s->Stringliste;
        Feld->setText(QString::fromStdString(f.Eingabe));
        NeueAuswertung();
        EXPECT_EQ(Pruefe(*s), f.Passt) << f.Eingabe << " / " << (f.Werte.empty() ? "" : f.Werte[0]);
        EXPECT_EQ(s->Stringliste, vorher) << "placeholders and references do not last";
        EXPECT_EQ(Feld->Verbraucht, f.Passt) << f.Eingabe;
    }
}

// The value each kind of source gives: the ticked choice objects and marked areas their own
// number, the list box its selected item, the drop target the object lying on it.
TEST_F(Stringauswertungen, WertNachArtDerQuelle) {
    auto* memo = new THMemo(&Fenster);
    Fenster.Eintragen(memo, 30, Typcode(Objekttyp::Memo));
    auto* kombi = new THSAPComboBox(&Fenster);
    Fenster.Eintragen(kombi, 31, Typcode(Objekttyp::SAPComboBox));
    kombi->addItems({"Bremen", "Hamburg"});
    auto* label = new THSystemLabel(&Fenster);
    Fenster.Eintragen(label, 32, Typcode(Objekttyp::SystemLabel));
    auto* knopf = new THRadioButton(&Fenster);
    Fenster.Eintragen(knopf, 33, Typcode(Objekttyp::RadioButton));
    auto* flaeche = new THMouseSensitive(&Fenster);
    Fenster.Eintragen(flaeche, 34, Typcode(Objekttyp::MouseSensitive));
    auto* einfach = new THListBox(&Fenster);
    Fenster.Eintragen(einfach, 35, Typcode(Objekttyp::ListBox));
    einfach->addItems({"eins", "zwei"});
    auto* ziel = new TTestzielbereich(&Fenster);
    Fenster.Eintragen(ziel, 36, Typcode(Objekttyp::ZielBereich));
    auto* passwort = ObjektBauen<THEditfeld>(Fenster, 10, Typcode(Objekttyp::Editfeld));
    auto* bild = new QWidget(&Fenster);
    Fenster.Eintragen(bild, 37, Typcode(Objekttyp::Bitmap));

    memo->setPlainText("zwei\nZeilen");
    kombi->setCurrentIndex(1);
    label->setText("Wert 12");
    passwort->setText("geheim**");
    struct Fall {
        int32_t Quelle;
        std::function<void()> Vorher;
        std::string Erwartet;
    };
    const Fall faelle[] = {
        {30, [] {}, "zwei\r\nZeilen"},
        {31, [] {}, "Hamburg"},
        {32, [] {}, "Wert 12"},
        {10, [] {}, "geheim"},
        {8, [] {}, ""},
        {8, [&] { Haken->setChecked(true); }, "8"},
        {33, [] {}, ""},
        {33, [&] { knopf->setChecked(true); }, "33"},
        {34, [] {}, ""},
        {34, [&] { flaeche->MarkiertSetzen(true); }, "34"},
        {35, [] {}, ""},
        {35, [&] { einfach->setCurrentRow(1); }, "zwei"},
        {36, [] {}, ""},
        {36, [&] { ziel->Belegung = 12; }, "12"},
        {37, [] {}, ""},
    };
    for (const Fall& f : faelle) {
        f.Vorher();
        NeueAuswertung();
        EXPECT_TRUE(Pruefe(*Neu(f.Quelle, {f.Erwartet}))) << f.Quelle << ": " << f.Erwartet;
        NeueAuswertung();
        EXPECT_FALSE(Pruefe(*Neu(f.Quelle, {f.Erwartet + "x"}))) << f.Quelle;
    }
}

TEST_F(Stringauswertungen, NichtAngekreuzteCheckBoxMitLeererErwartung) {
    THStringAuswertung* leer = Neu(8, {}, {"", "", "", "", "", "0"});
    EXPECT_TRUE(Pruefe(*leer)) << "the unticked box has the empty value";
    EXPECT_TRUE(Haken->Verbraucht);
    NeueAuswertung();
    Haken->setChecked(true);
    EXPECT_FALSE(Pruefe(*leer));
    EXPECT_TRUE(Pruefe(*Neu(8, {"8"})));
}

TEST_F(Stringauswertungen, MehrfachauswahlGegenAlleWerte) {
    struct Fall {
        std::vector<int> Gewaehlt;
        std::vector<std::string> Werte;
        std::string Alle;
        bool Passt;
    };
    const Fall faelle[] = {
        {{0, 2}, {"blau", "rot"}, "", true},
        {{0, 2}, {"rot"}, "", false},
        {{0}, {"rot", "blau"}, "", false},
        {{0}, {"Rot"}, "", false}, // compared exactly
        {{}, {"rot", "gelb", "blau"}, "1", true},
        {{}, {"rot", "gelb"}, "1", false},
        {{}, {}, "", true},
    };
    for (const Fall& f : faelle) {
        Liste->clearSelection();
        for (int i : f.Gewaehlt)
            Liste->item(i)->setSelected(true);
        NeueAuswertung();
        EXPECT_EQ(Pruefe(*Neu(9, f.Werte, {"", "", "", "", f.Alle})), f.Passt)
            << f.Werte.size() << " " << f.Alle;
    }
}

// Several string evaluations on one source, checked in page order: a consumed input field is
// not judged again, a list box is.
TEST_F(Stringauswertungen, AuffangenVorUndNachBestimmten) {
    THStringAuswertung* auffangen = Neu(7, {});
    auffangen->AllesUebrige = true;
    THStringAuswertung* bestimmt = Neu(7, {"abc"});
    for (const char* eingabe : {"abc", "xyz"}) {
        Feld->setText(eingabe);
        NeueAuswertung();
        EXPECT_TRUE(Pruefe(*auffangen)) << eingabe;
        EXPECT_FALSE(Pruefe(*bestimmt)) << "the field is consumed: " << eingabe;
    }

    struct Fall {
        std::string Eingabe;
        bool Bestimmt, Auffangen;
    };
    for (const Fall& f : {Fall{"abc", true, false}, Fall{"xyz", false, true}}) {
        Feld->setText(QString::fromStdString(f.Eingabe));
        NeueAuswertung();
        EXPECT_EQ(Pruefe(*bestimmt), f.Bestimmt) << f.Eingabe;
        EXPECT_EQ(Pruefe(*auffangen), f.Auffangen) << f.Eingabe;
    }

    Liste->item(0)->setSelected(true);
    NeueAuswertung();
    EXPECT_TRUE(Pruefe(*Neu(9, {"rot"})));
    EXPECT_TRUE(Liste->Verbraucht);
    EXPECT_TRUE(Pruefe(*Neu(9, {"rot"}))) << "a list box is never refused as consumed";
}

TEST_F(Stringauswertungen, QuelleUndFehlendesObjekt) {
    Feld->setText("abc");
    THStringAuswertung* s = Neu(7, {"8"});
    s->Quelle = 8;
    Haken->setChecked(true);
    EXPECT_TRUE(Pruefe(*s)) << "Quelle names the source, not Objektnummer";
    EXPECT_FALSE(Feld->Verbraucht);

    THStringAuswertung* fehlt = Neu(77, {});
    fehlt->AllesUebrige = true;
    EXPECT_FALSE(Pruefe(*fehlt)) << "a source not on the page never matches";
    auto* innen = new TTestcontainer(&Fenster);
    Fenster.Eintragen(innen, 40, Typcode(Objekttyp::ScrollBox));
    auto* tief = new THEditfeld(innen);
    TTestfenster::Eintragen(innen->Liste, tief, 77, Typcode(Objekttyp::Editfeld));
    EXPECT_TRUE(Pruefe(*fehlt)) << "objects inside containers are found";
    EXPECT_TRUE(tief->Verbraucht);
}

// On a match: the object's script becomes the pending one, an object of one attempt counts
// it on, and its evaluation function runs with its numbers.
TEST_F(Stringauswertungen, VersuchScriptUndFunktion) {
    TAktionsmitschrift mitschrift;
    THStringAuswertung* s = AusSatz(20);
    s->Versuch = 2;
    AnstehendesScript = "alt.vls";
    Feld->setText("abc");
    EXPECT_FALSE(Pruefe(*s)) << "attempt 1 of the window: not this object's";
    EXPECT_FALSE(Feld->Verbraucht);
    EXPECT_TRUE(mitschrift.Aufrufe.empty());

    Fenster.VersuchszaehlerSetzen(2);
    EXPECT_TRUE(Pruefe(*s));
    EXPECT_EQ(Fenster.Versuchszaehler(), 3);
    EXPECT_EQ(AnstehendesScript, "pruefen.vls");
    ASSERT_EQ(mitschrift.Aufrufe.size(), 1u);
    EXPECT_EQ(mitschrift.Aufrufe[0].Aktion, Aktionscode(3));
    EXPECT_EQ(mitschrift.Aufrufe[0].Ziel, 55);

    THStringAuswertung* ohneFunktion = Neu(7, {"abc"});
    ohneFunktion->Versuch = 3;
    NeueAuswertung();
    EXPECT_TRUE(Pruefe(*ohneFunktion));
    EXPECT_EQ(Fenster.Versuchszaehler(), 3) << "Typ 0 does not count the attempt";
    EXPECT_EQ(AnstehendesScript, "") << "the object's own (empty) script is handed over";
    EXPECT_EQ(mitschrift.Aufrufe.size(), 1u) << "function 0 does nothing";
}

} // namespace
