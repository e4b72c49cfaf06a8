// The learner data in the running program: records made by showing pages, the gauge and
// the progress value, the reset by action and by remote command, the tick-off actions, the
// page chooser, and the learning-management values on system labels.

#include "actions/Aktionen.h"
#include "app/Programm.h"
#include "app/TAutorfenster.h"
#include "evaluation/TOrvelle.h"
#include "objects/fortschritt/THDialog.h"
#include "objects/fortschritt/THLernfortschritt.h"
#include "objects/kern/TObjektliste.h"
#include "objects/rollen/TLernerdatendienst.h"
#include "objects/rollen/TSeitenteilnahme.h"
#include "objects/rollen/TSystemwertdienst.h"
#include "objects/texte/THSystemLabel.h"
#include "platform/Befehle.h"
#include "player/TFensterliste.h"
#include "player/THauptfenster.h"
#include "store/Feldnummern.h"
#include "store/Lektion.h"
#include "store/TAnwendungskontext.h"
#include "support/AufzeichnenderDialogDienst.h"
#include "support/QtAnwendung.h"
#include "support/TTestuhr.h"
#include "support/Testverzeichnis.h"
#include "vlmtab/LektionBauen.h"

#include <QCoreApplication>
#include <QTest>

#include <sstream>

namespace {

namespace fs = std::filesystem;

auto* const qt = ::testing::AddGlobalTestEnvironment(new QtAnwendung);

// Pages 1-4 count for progress and belong to chooser group 7 (page 3 already done for
// good, menu status 100); page 5 does not count. Every page shows a gauge (object 1), a
// chooser (object 2, next open page in order) and system labels for the progress (3), the
// learning time (4), the learner's id (5), the interface's state (6) and the score (7).
const char* const Quelle = R"({"tables": {
    "States.tab": [
        {"nr": 1, "fields": {"100": "1", "104": "1", "115": "7", "161": [@]}},
        {"nr": 2, "fields": {"100": "2", "104": "1", "115": "7", "161": [@]}},
        {"nr": 3, "fields": {"100": "3", "104": "1", "115": "7", "161": [@]}},
        {"nr": 4, "fields": {"100": "4", "104": "1", "115": "7", "161": [@]}},
        {"nr": 5, "fields": {"100": "5", "161": [@]}}],
    "Objekte.tab": [
        {"nr": 1, "fields": {"1200": "18", "1205": "10", "1206": "10", "1207": "40",
                             "1208": "100", "1231": "2"}},
        {"nr": 2, "fields": {"1200": "51", "1231": "2", "1249": "7"}},
        {"nr": 3, "fields": {"1200": "45", "1205": "100", "1206": "10", "1260": "1", "1259": "24"}},
        {"nr": 4, "fields": {"1200": "45", "1205": "100", "1206": "40", "1260": "1", "1259": "306"}},
        {"nr": 5, "fields": {"1200": "45", "1205": "100", "1206": "70", "1260": "1", "1259": "300"}},
        {"nr": 6, "fields": {"1200": "45", "1205": "100", "1206": "100", "1260": "1", "1259": "314"}},
        {"nr": 7, "fields": {"1200": "45", "1205": "100", "1206": "130", "1260": "1", "1259": "305"}}],
    "Lerner.tab": [{"nr": 3, "fields": {"2300": "1", "2303": "100"}}]},
    "ini": {"Lektion": {"Name": "Lernstand", "MailServer": "127.0.0.1:1"}}})";

// Records the learner-data points of the page build it hears.
class TMitschrift : public TSeitenteilnehmer {
public:
    void LernerdatenGeloescht(TSeitenfenster&) override { Punkte.push_back("geloescht"); }
    void LernerdatenGeaendert(TSeitenfenster&) override { Punkte.push_back("geaendert"); }
    std::vector<std::string> Punkte;
};

class Lernstand : public Testverzeichnis {
protected:
    void SetUp() override {
        Testverzeichnis::SetUp();
        std::string quelle = Quelle;
        for (size_t p; (p = quelle.find('@')) != std::string::npos;)
            quelle.replace(p, 1, R"("1", "2", "3", "4", "5", "6", "7")");
        std::ostringstream meldungen;
        ASSERT_EQ(vlmtab::LektionAusTextBauen(quelle, "test", Verzeichnis / "lektion", meldungen),
                  0)
            << meldungen.str();
    }

    void TearDown() override {
        if (Gestartet) ProgrammFreigeben();
        Testverzeichnis::TearDown();
    }

    void Starten(const fs::path& Startdatei = {}) {
        Start = ProgrammStarten(Verzeichnis / "lektion", "", Startdatei);
        Gestartet = true;
        QTest::qWait(50);
        ASSERT_NE(AktuellesFenster(), nullptr);
        ASSERT_EQ(AktuellesFenster()->Seitennummer(), 1);
    }

    void Zeigen(int32_t Seite) {
        AktuellesFenster()->Fensterbefehl(FensterSeite, Seite);
        QCoreApplication::processEvents();
        ASSERT_EQ(AktuellesFenster()->Seitennummer(), Seite);
    }

    template <class T> T* Objekt(int32_t Nr) {
        TObjektliste* e = ObjektMitNummer(AktuellesFenster()->Objektliste(), Nr);
        return e ? qobject_cast<T*>(e->Objekt.data()) : nullptr;
    }

    int Gauge() { return Objekt<THLernfortschritt>(1)->ProzentLesen(); }
    std::string Label(int32_t Nr) { return Objekt<THSystemLabel>(Nr)->text().toStdString(); }
    bool Gespeichert(int32_t Seite) {
        TTabelle frisch(ArtLerner, Tabelle(ArtLerner)->Pfad());
        frisch.Laden(2);
        return frisch.Datensatz(Seite) != nullptr;
    }
    void Aktion(int32_t Code, int32_t Ziel = 0) { AktionAusfuehren({Code, 0, 0, "", 0, 0, Ziel}); }

    AufzeichnenderDialogDienst Dialoge;
    TTestuhr Uhr{QDateTime(QDate(2026, 3, 2), QTime(8, 0))};
    TRollenersatz<TUhr> UhrErsatz{Uhr};
    TStart Start;
    bool Gestartet = false;
};

TEST_F(Lernstand, FortschrittFolgtDenGezeigtenSeiten) {
    Starten();
    ASSERT_NE(Objekt<THLernfortschritt>(1), nullptr);
    EXPECT_EQ(AktuellesFenster()->FortschrittProzent(), 50); // page 3's record and page 1's own
    EXPECT_EQ(Gauge(), 50);
    EXPECT_EQ(Label(3), "50");
    EXPECT_EQ(Objekt<THLernfortschritt>(1)->Darstellung, THLernfortschritt::Art::Waagerecht);
    Zeigen(2);
    EXPECT_EQ(Gauge(), 75);
    EXPECT_EQ(Label(3), "75");
    EXPECT_TRUE(Gespeichert(2));
    Zeigen(5);
    EXPECT_EQ(Gauge(), 75) << "a page without progress changes nothing";
    EXPECT_FALSE(Gespeichert(5));
    Zeigen(4);
    EXPECT_EQ(Gauge(), 100);
    EXPECT_EQ(Label(3), "100");
}

TEST_F(Lernstand, ZuruecksetzenPerAktionUndPerFernbefehl) {
    Starten();
    Zeigen(2);
    TMitschrift mitschrift;
    TSeitenteilnahme teilnahme{mitschrift};
    // Action 13 asks first; "Nein" keeps everything.
    Dialoge.NaechsteAntwort(KnopfNein);
    Aktion(13);
    EXPECT_EQ(Tabelle(ArtLerner)->Anzahl(), 3);
    EXPECT_TRUE(mitschrift.Punkte.empty());
    Dialoge.NaechsteAntwort(KnopfJa);
    Aktion(13);
    EXPECT_EQ(mitschrift.Punkte, std::vector<std::string>{"geloescht"});
    EXPECT_EQ(Tabelle(ArtLerner)->Anzahl(), 1) << "the progress page shown gets its record again";
    EXPECT_TRUE(Gespeichert(2));
    EXPECT_FALSE(Gespeichert(3));
    EXPECT_EQ(Gauge(), 25);
    EXPECT_EQ(Label(3), "25");
    EXPECT_EQ(Rolle<TLernerdatendienst>().Menuestatus(3), 0);

    Zeigen(5);
    Start.Host->Fernbefehl(FernLernerdatenZuruecksetzen, 0);
    EXPECT_EQ(Tabelle(ArtLerner)->Anzahl(), 0);
    EXPECT_EQ(Gauge(), 0);
    EXPECT_EQ(Label(3), "0");
    EXPECT_EQ(AktuellesFenster()->FortschrittProzent(), 0);
}

TEST_F(Lernstand, AbhakenAendertNurVorhandeneSaetze) {
    Starten();
    TMitschrift mitschrift;
    TSeitenteilnahme teilnahme{mitschrift};
    Zeigen(5);
    Aktion(24); // page 5 has no record
    EXPECT_EQ(Tabelle(ArtLerner)->Datensatz(5), nullptr);
    EXPECT_TRUE(mitschrift.Punkte.empty()) << "nothing changed, nothing to show anew";
    Aktion(24, 1);
    EXPECT_TRUE(Tabelle(ArtLerner)->LeseSchalter(Tabelle(ArtLerner)->Datensatz(1),
                                                 Feld::Lerner::endgueltig_abgehakt));
    EXPECT_EQ(mitschrift.Punkte, std::vector<std::string>{"geaendert"});
    EXPECT_FALSE(Rolle<TLernerdatendienst>().SeiteOffen(1));
    Aktion(46, 3); // 100 stays 100
    EXPECT_EQ(Rolle<TLernerdatendienst>().Menuestatus(3), 100);
    Aktion(46, 1);
    EXPECT_EQ(Rolle<TLernerdatendienst>().Menuestatus(1), 50);
    Aktion(47, 1);
    EXPECT_EQ(Rolle<TLernerdatendienst>().Menuestatus(1), 100);
    EXPECT_EQ(Rolle<TLernerdatendienst>().Menuestatus(5), 0) << "no record";
    EXPECT_TRUE(Rolle<TLernerdatendienst>().SeiteOffen(5));
}

TEST_F(Lernstand, SeitenwahlDerNaechstenOffenenSeite) {
    Starten();
    // From page 1 the next open page of the group is 2 (3 is done).
    EXPECT_TRUE(Objekt<THDialog>(2)->Waehlen());
    QCoreApplication::processEvents();
    EXPECT_EQ(AktuellesFenster()->Seitennummer(), 2);
    // From page 2 page 3 is done and page 4 is open.
    EXPECT_TRUE(Objekt<THDialog>(2)->Waehlen());
    QCoreApplication::processEvents();
    EXPECT_EQ(AktuellesFenster()->Seitennummer(), 4);
    // Page 4 is the last open page of the group: nothing after it, no wrap.
    EXPECT_FALSE(Objekt<THDialog>(2)->Waehlen());
    QCoreApplication::processEvents();
    EXPECT_EQ(AktuellesFenster()->Seitennummer(), 4);
}

TEST_F(Lernstand, ZufaelligeSeitenwahlNurUnterOffenenSeiten) {
    Starten();
    THDialog* waehler = Objekt<THDialog>(2);
    waehler->Typ = THDialog::Zufall;
    for (int i = 0; i < 5; ++i) {
        Uhr.Zeit = Uhr.Zeit.addMSecs(7919 * (i + 1));
        ASSERT_TRUE(waehler->Waehlen());
        QCoreApplication::processEvents();
        EXPECT_NE(AktuellesFenster()->Seitennummer(), 3) << "page 3 is done";
        EXPECT_NE(AktuellesFenster()->Seitennummer(), 5) << "page 5 is not in the group";
        waehler = Objekt<THDialog>(2);
        waehler->Typ = THDialog::Zufall;
    }
    // Every page of the group done today (ticking off needs the record the display made):
    // nothing to choose.
    for (int32_t seite : {1, 2, 4}) {
        Zeigen(seite);
        Aktion(25, seite);
    }
    waehler = Objekt<THDialog>(2);
    waehler->Typ = THDialog::Zufall;
    EXPECT_FALSE(waehler->Waehlen());
    waehler->GroupIndex = 0;
    EXPECT_FALSE(waehler->Waehlen());
}

TEST_F(Lernstand, LernplattformwerteUndAusgabedatei) {
    if (!VELMORA_LERNPLATTFORM) GTEST_SKIP() << "built without the learning-management interface";
    DateiSchreiben(Verzeichnis / "start.cmi",
                   "[Core]\r\nStudent_ID=S-17\r\nStudent_Name=M\xfcller, Anna\r\nScore=x\r\n"
                   "Output_File=aus.cmi\r\nLesson_Status=incomplete\r\nTime=00:30:00\r\n"
                   "[Student_Demographics]\r\nCity=Bonn\r\nCompany=Velmora\r\n"
                   "Country=DE\r\nFamiliar_Name=Anni\r\nInstructor_Name=Ute\r\n"
                   "Street_Address=Weg 1\r\nTelephone=0228 1\r\n");
    Starten(Verzeichnis / "start.cmi");
    const std::pair<int, std::string> werte[] = {{300, "S-17"},     {301, "M\xfcller, Anna"},
                                                 {302, "aus.cmi"},  {303, "incomplete"},
                                                 {304, ""},         {305, "0"},
                                                 {306, "00:30:00"}, {307, "Bonn"},
                                                 {308, "Velmora"},  {309, "DE"},
                                                 {310, "Anni"},     {311, "Ute"},
                                                 {312, "Weg 1"},    {313, "0228 1"},
                                                 {314, "aktiv"}};
    for (const auto& [wert, text] : werte)
        EXPECT_EQ(Rolle<TSystemwertdienst>().Systemwert(wert), text) << wert;
    EXPECT_EQ(Label(5), "S-17");
    EXPECT_EQ(Label(6), "aktiv");
    EXPECT_EQ(Label(7), "0") << "a score that is no number";
    EXPECT_EQ(Label(4), "00:30:00");
    Uhr.Zeit = Uhr.Zeit.addSecs(10 * 60);
    Start.Host->Fernbefehl(FernAnzeigenAktualisieren, 0);
    EXPECT_EQ(Label(4), "00:40:00");
    ASSERT_TRUE(Rolle<TOrvelle>().Beenden());
    EXPECT_EQ(DateiLesen(Verzeichnis / "aus.cmi"),
              "[Core]\r\nLesson_Location=\r\nLesson_Status=incomplete\r\nScore=0\r\n"
              "Time=00:10:00\r\n");
}

TEST_F(Lernstand, OhneStartdateiNichtAktiv) {
    Starten();
    EXPECT_EQ(Label(5), "");
    EXPECT_EQ(Label(6), "nicht aktiv");
    EXPECT_EQ(Label(7), "0");
    Uhr.Zeit = Uhr.Zeit.addSecs(75);
    Start.Host->Fernbefehl(FernAnzeigenAktualisieren, 0);
    EXPECT_EQ(Label(4), "00:01:15");
    EXPECT_TRUE(Rolle<TOrvelle>().Beenden());
}

} // namespace
