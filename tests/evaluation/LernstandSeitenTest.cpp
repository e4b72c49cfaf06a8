// The learner data as the learner window uses it: records made by showing pages, the
// gauge, the reset by action and by remote command, the tick-off actions and the page
// chooser.

#include "app/TAutorfenster.h"
#include "objects/Aktionen.h"
#include "objects/TObjektliste.h"
#include "objects/fortschritt/THDialog.h"
#include "objects/fortschritt/THLernfortschritt.h"
#include "platform/Befehle.h"
#include "player/Navigation.h"
#include "player/TFensterliste.h"
#include "player/THauptfenster.h"
#include "store/Config.h"
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

// Pages 1-4 count for progress and belong to chooser group 7 (page 3 already done for
// good); page 5 does not count. Every page shows a gauge (object 1) and a chooser
// (object 2, next open page in order).
const char* const Quelle = R"({"tables": {
    "States.tab": [
        {"nr": 1, "fields": {"100": "1", "104": "1", "115": "7", "161": ["1", "2"]}},
        {"nr": 2, "fields": {"100": "2", "104": "1", "115": "7", "161": ["1", "2"]}},
        {"nr": 3, "fields": {"100": "3", "104": "1", "115": "7", "161": ["1", "2"]}},
        {"nr": 4, "fields": {"100": "4", "104": "1", "115": "7", "161": ["1", "2"]}},
        {"nr": 5, "fields": {"100": "5", "161": ["1", "2"]}}],
    "Objekte.tab": [
        {"nr": 1, "fields": {"1200": "18", "1205": "10", "1206": "10", "1207": "40",
                             "1208": "100", "1231": "2"}},
        {"nr": 2, "fields": {"1200": "51", "1231": "2", "1249": "7"}}],
    "Lerner.tab": [{"nr": 3, "fields": {"2300": "1", "2303": "100"}}]}})";

class Lernstand : public Testverzeichnis {
protected:
    void SetUp() override {
        Testverzeichnis::SetUp();
        const auto lektion = Verzeichnis / "lektion";
        std::ostringstream meldungen;
        ASSERT_EQ(vlmtab::LektionAusTextBauen(Quelle, "test", lektion, meldungen), 0)
            << meldungen.str();
        auto& orte = Lektionsorte();
        orte = TLektionsorte{};
        orte.Programmverzeichnis = orte.Lektionsverzeichnis = lektion;
        KonfigurationLesen();
        LektionOeffnen();
        Fenster = new THauptfenster();
        Fenster->Startseite = 1;
        TFensterliste::Liste().Anhaengen(Fenster);
        TFensterliste::Liste().AktuellSetzen(Fenster);
        Fenster->show();
        QCoreApplication::processEvents();
    }

    void TearDown() override {
        delete Fenster;
        TFensterliste::Liste().Leeren();
        LektionSchliessen();
        Testverzeichnis::TearDown();
    }

    void Zeigen(int32_t Seite) {
        Fenster->Fensterbefehl(FensterSeite, Seite);
        QCoreApplication::processEvents();
        ASSERT_EQ(Fenster->Seitennummer, Seite);
    }

    template <class T> T* Objekt(int32_t Nr) {
        TObjektliste* e = ObjektMitNummer(Fenster->ObjektlisteKopf, Nr);
        return e ? qobject_cast<T*>(e->Objekt.data()) : nullptr;
    }

    int Gauge() { return Objekt<THLernfortschritt>(1)->ProzentLesen(); }
    bool Gespeichert(int32_t Seite) {
        TTabelle frisch(ArtLerner, Tabelle(ArtLerner)->Pfad());
        frisch.Laden(2);
        return frisch.Datensatz(Seite) != nullptr;
    }

    AufzeichnenderDialogDienst Dialoge;
    THauptfenster* Fenster = nullptr;
};

TEST_F(Lernstand, FortschrittFolgtDenGezeigtenSeiten) {
    ASSERT_NE(Objekt<THLernfortschritt>(1), nullptr);
    EXPECT_EQ(Fenster->FortschrittProzent, 50); // page 3's record and page 1's own
    EXPECT_EQ(Gauge(), 50);
    EXPECT_EQ(Objekt<THLernfortschritt>(1)->Darstellung, THLernfortschritt::Art::Waagerecht);
    Zeigen(2);
    EXPECT_EQ(Gauge(), 75);
    EXPECT_TRUE(Gespeichert(2));
    Zeigen(5);
    EXPECT_EQ(Gauge(), 75) << "a page without progress changes nothing";
    EXPECT_FALSE(Gespeichert(5));
    Zeigen(4);
    EXPECT_EQ(Gauge(), 100);
}

TEST_F(Lernstand, ZuruecksetzenPerAktionUndPerFernbefehl) {
    Zeigen(2);
    // Action 13 asks first; "Nein" keeps everything.
    Dialoge.NaechsteAntwort(KnopfNein);
    AktionAusfuehren(13, 0, 0, "", 0, 0, 0);
    EXPECT_EQ(Tabelle(ArtLerner)->Anzahl(), 3);
    Dialoge.NaechsteAntwort(KnopfJa);
    AktionAusfuehren(13, 0, 0, "", 0, 0, 0);
    EXPECT_EQ(Tabelle(ArtLerner)->Anzahl(), 1) << "the progress page shown gets its record again";
    EXPECT_TRUE(Gespeichert(2));
    EXPECT_FALSE(Gespeichert(3));
    EXPECT_EQ(Gauge(), 25);

    Zeigen(5);
    TAutorfenster host;
    host.Fernbefehl(10, 0);
    EXPECT_EQ(Tabelle(ArtLerner)->Anzahl(), 0);
    EXPECT_EQ(Gauge(), 0);
    EXPECT_EQ(Fenster->FortschrittProzent, 0);
}

TEST_F(Lernstand, AbhakenOhneSatzAendertNichts) {
    Zeigen(5);
    AktionAusfuehren(24, 0, 0, "", 0, 0, 0); // page 5 has no record
    EXPECT_EQ(Tabelle(ArtLerner)->Datensatz(5), nullptr);
    AktionAusfuehren(24, 0, 0, "", 0, 0, 1);
    EXPECT_TRUE(Tabelle(ArtLerner)->LeseSchalter(Tabelle(ArtLerner)->Datensatz(1), 2300));
    AktionAusfuehren(46, 0, 0, "", 0, 0, 3); // 100 stays 100
    EXPECT_EQ(Tabelle(ArtLerner)->LeseZahl(Tabelle(ArtLerner)->Datensatz(3), 2303), 100);
}

TEST_F(Lernstand, SeitenwahlDerNaechstenOffenenSeite) {
    // From page 1 the next open page of the group is 2 (3 is done).
    EXPECT_TRUE(Objekt<THDialog>(2)->Waehlen());
    QCoreApplication::processEvents();
    EXPECT_EQ(Fenster->Seitennummer, 2);
    // From page 2 page 3 is done and page 4 is open.
    EXPECT_TRUE(Objekt<THDialog>(2)->Waehlen());
    QCoreApplication::processEvents();
    EXPECT_EQ(Fenster->Seitennummer, 4);
    // Page 4 is the last open page of the group: nothing after it, no wrap.
    EXPECT_FALSE(Objekt<THDialog>(2)->Waehlen());
    QCoreApplication::processEvents();
    EXPECT_EQ(Fenster->Seitennummer, 4);
}

TEST_F(Lernstand, ZufaelligeSeitenwahlNurUnterOffenenSeiten) {
    THDialog* waehler = Objekt<THDialog>(2);
    waehler->Typ = THDialog::Zufall;
    for (int i = 0; i < 5; ++i) {
        ASSERT_TRUE(waehler->Waehlen());
        QCoreApplication::processEvents();
        EXPECT_NE(Fenster->Seitennummer, 3) << "page 3 is done";
        EXPECT_NE(Fenster->Seitennummer, 5) << "page 5 is not in the group";
    }
    // Every page of the group done today (ticking off needs the record the display made):
    // nothing to choose.
    for (int32_t seite : {1, 2, 4}) {
        Zeigen(seite);
        AktionAusfuehren(25, 0, 0, "", 0, 0, seite);
    }
    EXPECT_FALSE(waehler->Waehlen());
    waehler->GroupIndex = 0;
    EXPECT_FALSE(waehler->Waehlen());
}

} // namespace
