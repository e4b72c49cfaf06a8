// The learner window's evaluating commands with the program's wiring: feedback keeps the
// page, a passed page goes on, and a damaged condition keeps the page and says why.

#include "../player/Spielerumgebung.h"

#include "objects/eingabe/THEditfeld.h"
#include "objects/kern/TObjektliste.h"
#include "platform/Befehle.h"
#include "player/TFensterliste.h"
#include "player/THauptfenster.h"
#include "store/Lektion.h"
#include "store/Lektionsdateien.h"
#include "support/AufzeichnenderDialogDienst.h"
#include "support/QtAnwendung.h"
#include "support/Testverzeichnis.h"
#include "vlmtab/LektionBauen.h"

#include <QCoreApplication>

#include <sstream>

namespace {

auto* const qt = ::testing::AddGlobalTestEnvironment(new QtAnwendung);

// Page 1 asks in input field 7 (empty: text 12) and, on the record's choice, evaluation
// object 8; page 2 follows it.
class Auswertungsbefehle : public Testverzeichnis {
protected:
    void TearDown() override {
        delete Fenster;
        Fenster = nullptr;
        TFensterliste::Liste().Leeren();
        LektionSchliessen();
        Testverzeichnis::TearDown();
    }

    void Starten(const std::string& Bedingung) {
        const std::string quelle = R"({"tables": {
            "States.tab": [{"nr": 1, "fields": {"100": "1", "161": ["7", "8"]}},
                           {"nr": 2, "fields": {"100": "2"}}],
            "Objekte.tab": [
                {"nr": 7, "fields": {"1200": "6", "1234": "12", "1237": "3", "1238": "2",
                                     "1239": "2"}},
                {"nr": 8, "fields": {"1200": "35", "1214": [")" +
                                   Bedingung + R"("], "1231": "2", "1211": "13"}}],
            "StringJT.tab": [{"nr": 1, "fields": {"1500": "7", "1501": "Paris",
                                                  "1502": "richtig", "1503": "0",
                                                  "1504": "3"}}],
            "Texte.tab": [{"nr": 12, "fields": {"1000": "Bitte antworten."}},
                          {"nr": 13, "fields": {"1000": "Nie gezeigt."}}]}})";
        std::ostringstream meldungen;
        ASSERT_EQ(vlmtab::LektionAusTextBauen(quelle, "test", Verzeichnis, meldungen), 0)
            << meldungen.str();
        auto& orte = Lektionsorte();
        orte = TLektionsorte{};
        orte.Programmverzeichnis = orte.Lektionsverzeichnis = Verzeichnis;
        LektionOeffnen();
        Fenster = new THauptfenster();
        Fenster->OeffnungVorgeben(1);
        TFensterliste::Liste().Anhaengen(Fenster);
        TFensterliste::Liste().AktuellSetzen(Fenster);
        Fenster->show();
        QCoreApplication::processEvents();
    }

    void Befehl(int Code, int32_t Argument = 0) {
        Fenster->Fensterbefehl(Code, Argument);
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
    }

    THEditfeld* Feld() {
        TObjektliste* e = ObjektMitNummer(Fenster->Objektliste(), 7);
        return e ? qobject_cast<THEditfeld*>(e->Objekt.data()) : nullptr;
    }

    TSpielerumgebung Umgebung;
    AufzeichnenderDialogDienst Dialoge;
    THauptfenster* Fenster = nullptr;
};

TEST_F(Auswertungsbefehle, LeereEingabeZeigtText12UndBleibt) {
    // The condition "-99" (an object not on the page is never "not chosen") never holds.
    Starten("-99");
    ASSERT_EQ(Fenster->Seitennummer(), 1);
    ASSERT_NE(Feld(), nullptr);
    Befehl(FensterAuswertenUndWeiter);
    EXPECT_EQ(Fenster->Seitennummer(), 1);
    ASSERT_EQ(Dialoge.Nachrichten.size(), 1u);
    EXPECT_EQ(Dialoge.Nachrichten[0].Text, "Bitte antworten.");

    Feld()->setText("Paris");
    Befehl(FensterAuswertenUndWeiter);
    EXPECT_EQ(Fenster->Seitennummer(), 2);
    EXPECT_EQ(Dialoge.Nachrichten.size(), 1u);
}

TEST_F(Auswertungsbefehle, FehlerhafteBedingungBehaeltDieSeite) {
    Starten("acht");
    Feld()->setText("Paris");
    for (const int befehl : {FensterAuswertenUndWeiter, FensterAuswertenUndSeite}) {
        Befehl(befehl, 2);
        EXPECT_EQ(Fenster->Seitennummer(), 1);
        EXPECT_EQ(Feld()->RestVersuche(), 3);
    }
    ASSERT_EQ(Dialoge.Nachrichten.size(), 2u);
    EXPECT_EQ(Dialoge.Nachrichten[0].Art, Symbol::Fehler);
    EXPECT_NE(Dialoge.Nachrichten[0].Text.find("\"acht\""), std::string::npos);
}

} // namespace
