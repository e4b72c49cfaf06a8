// The page evaluation: input fields with their answer codes and attempts, evaluation objects
// with their conditions and attempts, the order of the visit, and a damaged condition that
// leaves the page as it was.

#include "../objects/ObjektTesthilfe.h"

#include "evaluation/Auswertungspruefung.h"
#include "evaluation/Seitenauswertung.h"
#include "objects/auswahl/THCheckBox.h"
#include "objects/auswahl/THRadioButton.h"
#include "objects/auswertung/THAuswertung.h"
#include "objects/bereiche/THMouseSensitive.h"
#include "objects/eingabe/THEditfeld.h"
#include "objects/texte/THText.h"
#include "platform/Protokoll.h"
#include "support/QtAnwendung.h"

#include <QTest>

#include <fstream>
#include <optional>

namespace {

namespace fs = std::filesystem;

auto* const qt = ::testing::AddGlobalTestEnvironment(new QtAnwendung);

// Texts 12-15 and the answer codes of input field 7: "Paris" is right without feedback,
// "Berlin" wrong with text 14.
const std::string Texte = R"("Texte.tab": [
    {"nr": 12, "fields": {"1000": "Bitte etwas eingeben."}},
    {"nr": 13, "fields": {"1000": "Das kennen wir nicht."}},
    {"nr": 14, "fields": {"1000": "Erstes Objekt."}},
    {"nr": 15, "fields": {"1000": "Zweites Objekt."}}])";
const std::string Antwortcodes = R"("StringJT.tab": [
    {"nr": 1, "fields": {"1500": "7", "1501": ["Paris"], "1502": "richtig", "1503": "0",
     "1504": "5"}},
    {"nr": 2, "fields": {"1500": "7", "1501": "Berlin", "1502": "falsch", "1503": "14",
     "1504": "5"}}])";

std::string Satz(int32_t Nr, const std::string& Felder) {
    return R"({"nr": )" + std::to_string(Nr) + R"(, "fields": {)" + Felder + "}}";
}

// The window stays hidden: nothing here needs the focus, which an input field would take.
class Seitenauswertung : public Lektionstest {
protected:
    void Lektion(const std::string& Objektsaetze) {
        LektionBauen(R"("Objekte.tab": [)" + Objektsaetze + "], " + Texte + ", " + Antwortcodes);
    }
    bool Auswerten() { return ::Auswerten(Fenster, Fenster.Objektliste()); }
    // The texts the feedback window showed, in order.
    std::vector<std::string> Rueckmeldungen() const {
        std::vector<std::string> texte;
        for (const auto& n : Dialoge.Nachrichten)
            if (n.Titel == "Meldung") texte.push_back(n.Text);
        return texte;
    }

    TTestfenster Fenster;
};

using Textliste = std::vector<std::string>;

// ---------------------------------------------------------------------------------------
// Input fields

struct TRunde {
    const char* Eingabe;
    bool Bestanden;
    const char* Rueckmeldung; // nullptr: none
};

struct TFeldfall {
    const char* Name;
    const char* Felder; // of object record 7 besides its type
    std::vector<TRunde> Runden;
};

void PrintTo(const TFeldfall& f, std::ostream* aus) {
    *aus << f.Name;
}

class Eingabefeld : public Seitenauswertung, public ::testing::WithParamInterface<TFeldfall> {};

TEST_P(Eingabefeld, RueckmeldungUndVersucheWieVorgesehen) {
    const TFeldfall& f = GetParam();
    Lektion(Satz(7, std::string(R"("1200": "6", "1233": "13", "1234": "12", )") + f.Felder));
    auto* feld = ObjektBauen<THEditfeld>(Fenster, 7, 6);
    for (const TRunde& r : f.Runden) {
        const size_t vorher = Rueckmeldungen().size();
        feld->setText(QString::fromUtf8(r.Eingabe));
        EXPECT_EQ(Auswerten(), r.Bestanden) << '"' << r.Eingabe << '"';
        const Textliste texte = Rueckmeldungen();
        if (!r.Rueckmeldung) {
            EXPECT_EQ(texte.size(), vorher) << '"' << r.Eingabe << '"';
            continue;
        }
        ASSERT_EQ(texte.size(), vorher + 1) << '"' << r.Eingabe << '"';
        EXPECT_EQ(texte.back(), r.Rueckmeldung);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Seitenauswertung, Eingabefeld,
    ::testing::Values(
        // No unexpected answer allowed: the field never takes part, whatever it holds.
        TFeldfall{"OhneUnerwarteteNieAusgewertet",
                  R"("1235": "1", "1237": "3", "1238": "0", "1239": "2")",
                  {{"Bremen", true, nullptr}, {"", true, nullptr}, {"Berlin", true, nullptr}}},
        TFeldfall{"GrossKleinGleichMitSchalter",
                  R"("1235": "1", "1237": "3", "1238": "2", "1239": "2")",
                  {{"PARIS", true, nullptr}}},
        TFeldfall{"GrossKleinVerschiedenOhneSchalter",
                  R"("1235": "0", "1237": "3", "1238": "2", "1239": "2")",
                  {{"PARIS", false, "Das kennen wir nicht."}, {"Paris", true, nullptr}}},
        // One empty answer allowed: its feedback once, then the field is left out.
        TFeldfall{"LeerNurEinmal",
                  R"("1235": "0", "1237": "3", "1238": "2", "1239": "1")",
                  {{"", false, "Bitte etwas eingeben."}, {"", true, nullptr}}},
        TFeldfall{"CodeMitEigenerRueckmeldung",
                  R"("1235": "0", "1237": "3", "1238": "2", "1239": "2")",
                  {{"Berlin", false, "Erstes Objekt."}}},
        // Three attempts in all: the fourth evaluation passes without a look at the field.
        TFeldfall{"NachAllenVersuchenStill",
                  R"("1235": "0", "1237": "3", "1238": "5", "1239": "5")",
                  {{"Rom", false, "Das kennen wir nicht."},
                   {"Rom", false, "Das kennen wir nicht."},
                   {"Rom", false, "Das kennen wir nicht."},
                   {"Rom", true, nullptr}}}),
    [](const auto& Info) { return std::string(Info.param.Name); });

TEST_F(Seitenauswertung, FeldOhneAntwortcodesBleibtAussenVor) {
    Lektion(Satz(8, R"("1200": "6", "1234": "12", "1237": "3", "1238": "2", "1239": "2")"));
    ObjektBauen<THEditfeld>(Fenster, 8, 6);
    EXPECT_TRUE(Auswerten());
    EXPECT_TRUE(Rueckmeldungen().empty());
}

// ---------------------------------------------------------------------------------------
// Evaluation objects

// A check box 8 (not ticked) and evaluation objects with the given fields.
class Auswertungsobjekte : public Seitenauswertung {
protected:
    void Bauen(const std::vector<std::pair<int32_t, std::string>>& Objekte) {
        std::string saetze = Satz(8, R"("1200": "30")");
        for (const auto& [nr, felder] : Objekte)
            saetze += ", " + Satz(nr, R"("1200": "35", )" + felder);
        Lektion(saetze);
        Box = ObjektBauen<THCheckBox>(Fenster, 8, 30);
        for (const auto& o : Objekte)
            ObjektBauen<THAuswertung>(Fenster, o.first, 35);
    }
    THCheckBox* Box = nullptr;
};

TEST_F(Auswertungsobjekte, ZweiVersucheInEinerAuswertung) {
    // The first takes part in attempt 1 and does not match, but counts on to 2, so the
    // second takes part in the same evaluation.
    Bauen({{20, R"("1214": "8", "1238": "1", "1231": "2", "1211": "14")"},
           {21, R"("1214": "-8", "1238": "2", "1231": "2", "1211": "15")"}});
    EXPECT_FALSE(Auswerten());
    EXPECT_EQ(Rueckmeldungen(), Textliste{"Zweites Objekt."});
    EXPECT_EQ(Fenster.Versuchszaehler(), 3);
    // Attempt 3: neither takes part any more.
    EXPECT_TRUE(Auswerten());
    EXPECT_EQ(Fenster.Versuchszaehler(), 3);
}

TEST_F(Auswertungsobjekte, TypNullHaeltNichtAuf) {
    Bauen({{20, R"("1214": "-8", "1231": "0", "1211": "14")"},
           {21, R"("1214": "8", "1231": "2", "1211": "15")"}});
    // The first matches without a function, the second does not match: passed.
    EXPECT_TRUE(Auswerten());
    EXPECT_TRUE(Rueckmeldungen().empty());
    // Once the box is ticked the first no longer matches and the second speaks.
    Box->setChecked(true);
    EXPECT_FALSE(Auswerten());
    EXPECT_EQ(Rueckmeldungen(), Textliste{"Zweites Objekt."});
}

TEST_F(Auswertungsobjekte, ErstesReagierendesEntscheidet) {
    Bauen({{20, R"("1214": "-8", "1231": "3", "1218": "40")"},
           {21, R"("1214": "-8", "1231": "2", "1211": "15")"}});
    EXPECT_FALSE(Auswerten());
    QCoreApplication::processEvents();
    // The branch is posted to the window; the second object was not visited.
    EXPECT_EQ(Fenster.Befehle, (std::vector<std::pair<int, int32_t>>{{0, 40}}));
    EXPECT_TRUE(Rueckmeldungen().empty());
}

struct TBedingungsfall {
    const char* Name;
    QStringList Bedingungen;
    bool Erfuellt;
};

void PrintTo(const TBedingungsfall& f, std::ostream* aus) {
    *aus << f.Name;
}

class Bedingungen : public Seitenauswertung,
                    public ::testing::WithParamInterface<TBedingungsfall> {};

TEST_P(Bedingungen, LesenDieAuswahlDerSeite) {
    // Ticked check box 8, radio button 9 not chosen, marked area 10, text 11.
    Lektion(Satz(8, R"("1200": "30")") + ", " + Satz(9, R"("1200": "31")") + ", " +
            Satz(10, R"("1200": "37")") + ", " + Satz(11, R"("1200": "1")") + ", " +
            Satz(20, R"("1200": "35")"));
    ObjektBauen<THCheckBox>(Fenster, 8, 30)->setChecked(true);
    ObjektBauen<THRadioButton>(Fenster, 9, 31);
    ObjektBauen<THMouseSensitive>(Fenster, 10, 37)->MarkiertSetzen(true);
    ObjektBauen<THText>(Fenster, 11, 1);
    auto* objekt = ObjektBauen<THAuswertung>(Fenster, 20, 35);
    objekt->sl = GetParam().Bedingungen;
    EXPECT_EQ(AuswertungPruefen(Fenster, *objekt, Fenster.Objektliste()), GetParam().Erfuellt);
}

INSTANTIATE_TEST_SUITE_P(
    Seitenauswertung, Bedingungen,
    ::testing::Values(TBedingungsfall{"AlleErfuellt", {"8", "-9", "10", "-11"}, true},
                      TBedingungsfall{"MitVorzeichenUndLeerzeichen", {" +8 ", "\t-9"}, true},
                      TBedingungsfall{"NichtGewaehlt", {"8", "9"}, false},
                      TBedingungsfall{"GewaehltAberVerneint", {"-10"}, false},
                      TBedingungsfall{"TextIstNieGewaehlt", {"11"}, false},
                      TBedingungsfall{"FehlendesObjekt", {"-99"}, false},
                      TBedingungsfall{"LeereListe", {}, false}),
    [](const auto& Info) { return std::string(Info.param.Name); });

// ---------------------------------------------------------------------------------------
// A damaged condition

TEST_F(Seitenauswertung, FehlerhafteBedingungMeldetUndLaesstDieSeiteStehen) {
    // Field 7 takes its right answer (an attempt counted), object 19 counts the attempt on,
    // and object 20 carries an entry that is no number.
    Lektion(Satz(7, R"("1200": "6", "1233": "13", "1237": "3", "1238": "2", "1239": "2")") + ", " +
            Satz(8, R"("1200": "30")") + ", " +
            Satz(19, R"("1200": "35", "1214": "8", "1238": "1", "1231": "3", "1218": "40")") +
            ", " + Satz(20, R"("1200": "35", "1201": "Frage 1", "1214": ["-8", "x9"], "1231": "3",
                    "1218": "40")"));
    auto* feld = ObjektBauen<THEditfeld>(Fenster, 7, 6);
    ObjektBauen<THCheckBox>(Fenster, 8, 30);
    ObjektBauen<THAuswertung>(Fenster, 19, 35);
    ObjektBauen<THAuswertung>(Fenster, 20, 35);
    feld->setText("Paris");
    const fs::path protokoll = Verzeichnis / "protokoll.txt";
    ASSERT_TRUE(ProtokollOeffnen(protokoll));

    for (int runde = 0; runde < 2; ++runde) {
        EXPECT_FALSE(Auswerten());
        QCoreApplication::processEvents();
        EXPECT_EQ(Fenster.Versuchszaehler(), 1);
        EXPECT_EQ(feld->RestVersuche(), 3);
        EXPECT_EQ(feld->Antwortliste().back().Versuche, 5);
        EXPECT_TRUE(Fenster.Befehle.empty());
    }
    ProtokollSchliessen();

    ASSERT_EQ(Dialoge.Nachrichten.size(), 2u);
    const AufgezeichneteNachricht& n = Dialoge.Nachrichten[0];
    EXPECT_EQ(n.Art, Symbol::Fehler);
    EXPECT_NE(n.Text.find("20"), std::string::npos) << n.Text;
    EXPECT_NE(n.Text.find("Frage 1"), std::string::npos) << n.Text;
    EXPECT_NE(n.Text.find("\"x9\""), std::string::npos) << n.Text;
    std::ifstream in(protokoll);
    std::string zeile;
    ASSERT_TRUE(std::getline(in, zeile));
    EXPECT_NE(zeile.find("evaluation-error object 20 entry \"x9\""), std::string::npos) << zeile;
}

} // namespace
