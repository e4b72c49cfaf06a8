// Input fields: attempts and answer codes, allowed characters and their events, overwrite
// mode, what a field shows (text, system value, data record), the F4 help, focus and mouse
// events, and the edit masks of the mask field.

#include "ObjektTesthilfe.h"

#include "actions/Aktionen.h"
#include "objects/eingabe/Editmaske.h"
#include "objects/eingabe/THEditfeld.h"
#include "objects/eingabe/THF4Button.h"
#include "objects/eingabe/THMaskEdit.h"
#include "objects/rollen/TAktionskontext.h"
#include "objects/rollen/TSystemwertdienst.h"
#include "store/TAnwendungskontext.h"
#include "support/QtAnwendung.h"

#include <QLabel>
#include <QTest>

#include <algorithm>
#include <cstdio>

namespace {

auto* const qt = ::testing::AddGlobalTestEnvironment(new QtAnwendung);

class Eingabefelder : public Lektionstest {
protected:
    void SetUp() override {
        Lektionstest::SetUp();
        Fenster.show();
    }
    // The lesson with one object record `Felder` (number 7) and further tables.
    void Lektion(const std::string& Felder, const std::string& Weitere = "") {
        LektionBauen(R"("Objekte.tab": [{"nr": 7, "fields": {)" + Felder + "}}]" +
                     (Weitere.empty() ? "" : ", " + Weitere));
    }
    template <class K> K* Objekt(int16_t Typ, int32_t Nr = 7) {
        auto* o = new K(&Fenster);
        Fenster.Eintragen(o, Nr, Typ);
        o->AlleFelderUebernehmen(Objekte(), Objektsatz(Nr));
        o->show();
        return o;
    }
    THEditfeld* Feld() { return Objekt<THEditfeld>(6); }
    // The window becomes the active one with no control in the focus, and forgets the events
    // of getting there.
    void Aktivieren() {
        Fenster.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&Fenster));
        if (QWidget* fokus = Fenster.focusWidget()) fokus->clearFocus();
        Fenster.Ereignisse.clear();
    }

    TEreignisfenster Fenster;
};

// ---------------------------------------------------------------------------------------
// Attempts

struct TEingabe {
    const char* Text;
    const char* Code;
    int32_t Rest, U1, L;
};

struct TVersuchsfall {
    const char* Name;
    const char* Versuche; // 1237, 1238, 1239
    const char* Code;     // the record's Versuche (1504)
    int32_t Anfang;       // remaining attempts once the record is applied
    std::vector<TEingabe> Eingaben;
};

void PrintTo(const TVersuchsfall& f, std::ostream* aus) {
    *aus << f.Name;
}

class Versuche : public Eingabefelder, public ::testing::WithParamInterface<TVersuchsfall> {};

TEST_P(Versuche, ZaehlenWieVorgesehen) {
    const TVersuchsfall& f = GetParam();
    int32_t gesamt = 0, u1 = 0, l = 0;
    std::sscanf(f.Versuche, "%d/%d/%d", &gesamt, &u1, &l);
    Lektion(R"("1200": "6", "1235": "1", "1237": ")" + std::to_string(gesamt) + R"(", "1238": ")" +
                std::to_string(u1) + R"(", "1239": ")" + std::to_string(l) + R"(")",
            R"("StringJT.tab": [{"nr": 1, "fields": {"1500": "7", "1501": ["Paris", "HamBurg"],
                "1502": "richtig", "1503": "12", "1504": ")" +
                std::string(f.Code) + R"("}}])");
    THEditfeld* feld = Feld();
    ASSERT_TRUE(feld->HatAntwortcodes());
    EXPECT_EQ(feld->RestVersuche(), f.Anfang);
    for (const TEingabe& e : f.Eingaben) {
        feld->clear();
        QTest::keyClicks(feld, QString::fromUtf8(e.Text));
        EXPECT_EQ(feld->AntwortPruefen(), e.Code) << e.Text;
        EXPECT_EQ(feld->RestVersuche(), e.Rest) << e.Text;
        EXPECT_EQ(feld->VersucheU1(), e.U1) << e.Text;
        EXPECT_EQ(feld->VersucheL(), e.L) << e.Text;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Eingabefelder, Versuche,
    ::testing::Values(
        // Without unexpected answers allowed the field never takes part.
        TVersuchsfall{"OhneUnerwartete", "3/0/2", "5", 0, {}},
        TVersuchsfall{"GrossKleinEgal", "3/2/2", "5", 3, {{"hamburg", "richtig", 2, 2, 2}}},
        TVersuchsfall{"Unerwartet", "3/2/2", "5", 3, {{"Bremen", "unerwartet", 2, 1, 2}}},
        TVersuchsfall{"LeerZaehltNurLeer", "3/2/2", "5", 3, {{"", "leer", 3, 2, 1}}},
        TVersuchsfall{
            "ZweimalLeerBeendet", "3/2/2", "5", 3, {{"", "leer", 3, 2, 1}, {"", "leer", 0, 2, 0}}},
        TVersuchsfall{"AntwortNurEinmal", "3/2/2", "1", 3, {{"paris", "richtig", 0, 2, 2}}},
        TVersuchsfall{"VersucheKeineZahl", "3/2/2", "x", 3, {{"PARIS", "richtig", 0, 2, 2}}}),
    [](const auto& Info) { return std::string(Info.param.Name); });

TEST_F(Eingabefelder, AntwortlisteInUmgekehrterTabellenfolgeMitRueckmeldung) {
    Lektion(R"("1200": "6", "1235": "0", "1237": "3", "1238": "2", "1239": "2")",
            R"("StringJT.tab": [
                {"nr": 1, "fields": {"1500": "7", "1501": "Rom", "1502": "a", "1503": "4",
                 "1504": "2"}},
                {"nr": 2, "fields": {"1500": "70", "1501": "Rom", "1502": "fremd"}},
                {"nr": 3, "fields": {"1500": "7", "1501": "rom", "1502": "b", "1503": "x",
                 "1504": "3"}}])");
    THEditfeld* feld = Feld();
    ASSERT_EQ(feld->Antwortliste().size(), 2u);
    EXPECT_EQ(feld->Antwortliste()[0].AnswerCode, "b");
    EXPECT_EQ(feld->Antwortliste()[1].Versuche, 2);
    // Compared exactly: the first record matches "Rom", the third "rom".
    QTest::keyClicks(feld, "rom");
    EXPECT_EQ(feld->AntwortPruefen(), "b");
    EXPECT_EQ(feld->Rueckmeldung, 0); // a feedback number that is no number
    feld->setText("Rom");
    EXPECT_EQ(feld->AntwortPruefen(), "a");
    EXPECT_EQ(feld->Rueckmeldung, 4);
    EXPECT_EQ(feld->Antwortliste()[1].Versuche, 1);
}

// ---------------------------------------------------------------------------------------
// Typing

TEST_F(Eingabefelder, ErlaubteZiffernVerwerfenBuchstabenUndLassenRuecktasteDurch) {
    Lektion(R"("1200": "6", "1262": "0123456789")");
    THEditfeld* feld = Feld();
    QTest::keyClicks(feld, "1a2");
    EXPECT_EQ(feld->text(), "12");
    EXPECT_EQ(Fenster.Nur({200, 201}), (std::vector<int>{201, 200, 201, 201}));
    QTest::keyClick(feld, Qt::Key_Backspace);
    EXPECT_EQ(feld->text(), "1");
    EXPECT_EQ(Fenster.Nur({200}).size(), 1u);
    EXPECT_EQ(Fenster.Ereignisse.back(), (std::pair<int32_t, int>{7, 201}));
}

struct TUeberschreibfall {
    const char* Name;
    bool Ueberschreiben;
    int Stelle;
    const char* Text;
    int Cursor;
};

void PrintTo(const TUeberschreibfall& f, std::ostream* aus) {
    *aus << f.Name;
}

class Ueberschreiben : public Eingabefelder,
                       public ::testing::WithParamInterface<TUeberschreibfall> {};

TEST_P(Ueberschreiben, ErsetztNurVorDemEnde) {
    const TUeberschreibfall& f = GetParam();
    Lektion(std::string(R"("1200": "6", "1221": "abc", "1280": ")") +
            (f.Ueberschreiben ? "1" : "0") + "\"");
    THEditfeld* feld = Feld();
    feld->setCursorPosition(f.Stelle);
    QTest::keyClick(feld, Qt::Key_X);
    EXPECT_EQ(feld->text(), f.Text);
    EXPECT_EQ(feld->cursorPosition(), f.Cursor);
    EXPECT_EQ(Fenster.Nur({201}).size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(Eingabefelder, Ueberschreiben,
                         ::testing::Values(TUeberschreibfall{"VorDemLetzten", true, 2, "abx", 3},
                                           TUeberschreibfall{"AmEnde", true, 3, "abcx", 4},
                                           TUeberschreibfall{"AmAnfang", true, 0, "xbc", 1},
                                           TUeberschreibfall{"Einfuegen", false, 2, "abxc", 3}),
                         [](const auto& Info) { return std::string(Info.param.Name); });

TEST_F(Eingabefelder, UeberschreibenMitAuswahlErsetztEinZeichen) {
    Lektion(R"("1200": "6", "1221": "abcd", "1280": "1")");
    THEditfeld* feld = Feld();
    feld->setSelection(1, 2);
    QTest::keyClick(feld, Qt::Key_X);
    EXPECT_EQ(feld->text(), "axcd");
}

// ---------------------------------------------------------------------------------------
// What the field shows

struct TAnzeigefall {
    const char* Name;
    const char* Text;
    const char* Anzeige;
    const char* Datensatz;
    const char* Erwartet;
    const char* Maskenfeld; // what a mask field with the same record shows
};

void PrintTo(const TAnzeigefall& f, std::ostream* aus) {
    *aus << f.Name;
}

// System value `Nr` is "Wert Nr".
class TWertdienst : public TSystemwertdienst {
public:
    std::string Systemwert(int32_t Nr) override { return "Wert " + std::to_string(Nr); }
};

class Anzeige : public Eingabefelder, public ::testing::WithParamInterface<TAnzeigefall> {
protected:
    TWertdienst Werte;
    TRollenersatz<TSystemwertdienst> WerteEinsetzen{Werte};
};

TEST_P(Anzeige, DatensatzVorSystemwertVorNichts) {
    const TAnzeigefall& f = GetParam();
    Lektion(std::string(R"("1200": "6", "1221": ")") + f.Text + R"(", "1259": ")" + f.Anzeige +
                R"(", "1268": ")" + f.Datensatz + "\"",
            R"("Daten.tab": [{"nr": 1, "fields": {"300": "Name", "301": "Aus den Daten"}}])");
    EXPECT_EQ(Feld()->text(), QString::fromUtf8(f.Erwartet));
    EXPECT_EQ(Objekt<THMaskEdit>(50)->text(), QString::fromUtf8(f.Maskenfeld));
}

INSTANTIATE_TEST_SUITE_P(
    Eingabefelder, Anzeige,
    ::testing::Values(TAnzeigefall{"SystemwertOhneText", "", "5", "0", "Wert 5", "Wert 5"},
                      TAnzeigefall{"TextBleibt", "Hallo", "5", "0", "Hallo", "Wert 5"},
                      TAnzeigefall{"DatensatzGewinnt", "Hallo", "5", "1", "Aus den Daten",
                                   "Aus den Daten"},
                      TAnzeigefall{"FehlenderDatensatz", "", "5", "9", "Wert 5", "Wert 5"},
                      TAnzeigefall{"Nichts", "", "0", "0", "", ""}),
    [](const auto& Info) { return std::string(Info.param.Name); });

// ---------------------------------------------------------------------------------------
// Marks, layout, focus, mouse and F4 help

TEST_F(Eingabefelder, PflichtmarkeNurWennLeerUndNichtImFokus) {
    Lektion(R"("1200": "6", "1230": "1", "1287": "1", "1205": "50", "1206": "40",
               "1207": "100", "1208": "19", "1201": "Postleitzahl")");
    THEditfeld* feld = Feld();
    EXPECT_EQ(feld->accessibleName(), "Postleitzahl");
    EXPECT_TRUE(feld->Pflichtmarke()->isVisible());
    ASSERT_TRUE(feld->Rahmen());
    EXPECT_EQ(feld->Rahmen()->geometry(), QRect(49, 39, 102, 19));
    EXPECT_EQ(feld->height(), 17);
    Aktivieren();
    feld->setFocus();
    EXPECT_FALSE(feld->Pflichtmarke()->isVisible());
    EXPECT_EQ(feld->palette().color(QPalette::Base), QColor(0xFF, 0xF0, 0x9E));
    QTest::keyClicks(feld, "1");
    feld->clearFocus();
    EXPECT_FALSE(feld->Pflichtmarke()->isVisible());
    feld->clear();
    feld->setFocus();
    feld->clearFocus();
    EXPECT_TRUE(feld->Pflichtmarke()->isVisible());
    EXPECT_EQ(Fenster.Nur({216, 217}), (std::vector<int>{216, 217, 216, 217}));
}

TEST_F(Eingabefelder, F4KnopfImFokusUndF4TasteLoesenEreignis220Aus) {
    Lektion(R"("1200": "6", "1244": "1", "1205": "50", "1206": "40", "1207": "100",
               "1208": "19")");
    THEditfeld* feld = Feld();
    EXPECT_FALSE(feld->F4Knopf());
    Aktivieren();
    feld->setFocus();
    ASSERT_TRUE(feld->F4Knopf());
    EXPECT_EQ(feld->F4Knopf()->geometry(), QRect(151, 39, 16, 20));
    EXPECT_FALSE(feld->F4Knopf()->Tastenbild());
    QTest::mouseClick(feld->F4Knopf(), Qt::LeftButton);
    EXPECT_TRUE(feld->hasFocus());
    QTest::keyClick(feld, Qt::Key_F4);
    EXPECT_EQ(Fenster.Nur({220}).size(), 2u);
    EXPECT_EQ(Fenster.Ereignisse.back(), (std::pair<int32_t, int>{7, 220}));
    feld->clearFocus();
    EXPECT_FALSE(feld->F4Knopf());
}

TEST_F(Eingabefelder, RechteMaustasteLoest112AusUndMerktDenPunkt) {
    Lektion(R"("1200": "6", "1205": "50", "1206": "40")");
    THEditfeld* feld = Feld();
    QTest::mousePress(feld, Qt::RightButton, {}, QPoint(4, 5));
    EXPECT_EQ(Fenster.Nur({112}), std::vector<int>{112});
    EXPECT_EQ(Rolle<TAktionskontext>().Popuppunkt, feld->mapToGlobal(QPoint(4, 5)));
    ASSERT_FALSE(Fenster.Maus.empty());
    EXPECT_EQ(Fenster.Maus[0].Position, QPoint(54, 45));
}

TEST_F(Eingabefelder, MarkierungsbildRechtsObenAusserImFokus) {
    Lektion(R"("1200": "6", "1207": "100", "1212": "1")");
    THEditfeld* feld = Feld();
    EXPECT_TRUE(feld->Markierungsbild()->isVisible());
    EXPECT_EQ(feld->Markierungsbild()->pos(), QPoint(89, 1));
    feld->MarkierungSetzen(false);
    EXPECT_FALSE(feld->Markierungsbild()->isVisible());
}

// ---------------------------------------------------------------------------------------
// Edit masks

struct TMaskenfall {
    const char* Toolkit;
    const char* Qt;
    bool Literale;
};

void PrintTo(const TMaskenfall& f, std::ostream* aus) {
    *aus << f.Toolkit;
}

class Editmasken : public ::testing::TestWithParam<TMaskenfall> {};

TEST_P(Editmasken, WerdenZuQtMasken) {
    const TEditmaske maske = EditmaskeUebersetzen(QString::fromUtf8(GetParam().Toolkit));
    EXPECT_EQ(maske.Qtmaske, QString::fromUtf8(GetParam().Qt));
    EXPECT_EQ(maske.LiteraleSpeichern, GetParam().Literale);
}

INSTANTIATE_TEST_SUITE_P(
    Eingabefelder, Editmasken,
    ::testing::Values(TMaskenfall{"!99/99/0000;1;_", "00.00.9999;_", true},
                      TMaskenfall{"!99/99/0000;0;_", "00.00.9999;_", false},
                      TMaskenfall{">LL<ll;0;*", ">AA<aa;*", false},
                      TMaskenfall{"<>AaCc#", "!NnXx#;_", true},
                      TMaskenfall{"(999) 000-0000;1; ", "(000) 999-9999; ", true},
                      TMaskenfall{"\\L\\0 90", "L\\0 09;_", true},
                      TMaskenfall{"99_99:00", "00 00:99;_", true},
                      TMaskenfall{"HB-[]", "\\H\\B-\\[\\];_", true},
                      TMaskenfall{"0\\;0", "9\\;9;_", true}, TMaskenfall{"", "", true}));

TEST_F(Eingabefelder, MaskenfeldOhneLiteraleGibtNurDieEingabe) {
    Lektion(R"("1200": "50", "1272": "!99/99/0000;0;_", "1262": "0123456789")");
    auto* feld = Objekt<THMaskEdit>(50);
    feld->setCursorPosition(0);
    QTest::keyClicks(feld, "1203x2024");
    EXPECT_EQ(feld->text(), "12.03.2024");
    EXPECT_EQ(feld->Wert(), "12032024");
    EXPECT_EQ(Fenster.Nur({200, 201}).size(), 10u);
    feld->EditMaskeSetzen("!99/99/0000;1;_");
    EXPECT_EQ(feld->Wert(), "12.03.2024");
}

} // namespace
