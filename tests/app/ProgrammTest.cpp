#include "app/Programm.h"
#include "app/TAutorfenster.h"
#include "app/TStartFenster.h"
#include "mail/Mailzugang.h"
#include "platform/Befehle.h"
#include "player/Navigation.h"
#include "player/Programmende.h"
#include "player/TFensterliste.h"
#include "player/THauptfenster.h"
#include "player/TSpielerstand.h"
#include "store/Config.h"
#include "store/Lektion.h"
#include "store/Lektionsdateien.h"
#include "store/Meldungen.h"
#include "store/TAnwendungskontext.h"
#include "support/AufzeichnenderDialogDienst.h"
#include "support/QtAnwendung.h"
#include "support/Testverzeichnis.h"
#include "vlmtab/LektionBauen.h"

#include <QCloseEvent>
#include <QTest>

#include <cstdlib>
#include <sstream>
#include <sys/stat.h>

namespace {

namespace fs = std::filesystem;

auto* const qt = ::testing::AddGlobalTestEnvironment(new QtAnwendung);

const char* const Arbeitskopien[] = {"States.tmp",  "Texte.tmp",    "Objekte.tmp",  "StringJT.tmp",
                                     "Menues.tmp",  "Animatio.tmp", "Begriff1.tmp", "Daten.tmp",
                                     "F4Hilfe.tmp", "Leszeich.tmp", "Notizen.tmp"};

const char* const Tabellendateien[] = {
    "States.tab",  "Texte.tab",    "Lerner.tab",  "Begriffe.tab", "Objekte.tab",  "Menues.tab",
    "F4Hilfe.tab", "Leszeich.tab", "Lernweg.tab", "StringJT.tab", "Animatio.tab", "Vlm2.tab",
    "Bloecke.tab", "VLM2.OBJ",     "Daten.tab",   "Notizen.tab",  "Muster.tab"};

class Programm : public Testverzeichnis {
protected:
    void SetUp() override {
        Testverzeichnis::SetUp();
        Lektion = Verzeichnis / "lektion";
        Temp = Verzeichnis / "tmp";
        fs::create_directories(Temp);
        AltesTmp = std::getenv("TMPDIR") ? std::getenv("TMPDIR") : "";
        setenv("TMPDIR", Temp.c_str(), 1);
    }

    void TearDown() override {
        ProgrammFreigeben();
        if (AltesTmp.empty())
            unsetenv("TMPDIR");
        else
            setenv("TMPDIR", AltesTmp.c_str(), 1);
        Testverzeichnis::TearDown();
    }

    void Bauen(const std::string& Ini = R"x("Name": "Lektion 1 (Grundlagen)")x") {
        const std::string quelle = R"({"tables": {
            "States.tab": [{"nr": 1, "fields": {"100": "1", "101": "Start"}},
                           {"nr": 2, "fields": {"100": "2", "117": "1"}}],
            "Lerner.tab": [{"nr": 1, "fields": {"2300": "1", "2301": "1"}},
                           {"nr": 2, "fields": {"2301": "0"}}]},
            "ini": {"Lektion": {)" +
                                   Ini + R"(, "MailServer": "127.0.0.1:1"},
                    "State": {"Nr": "1"}}})";
        std::ostringstream meldungen;
        ASSERT_EQ(vlmtab::LektionAusTextBauen(quelle, "test", Lektion, meldungen), 0)
            << meldungen.str();
        DateiSchreiben(Lektion / "Protokol.txt", "alt");
    }

    // Runs the start-up and lets the event loop show the learner window.
    TStart Starten() {
        TStart start = ProgrammStarten(Lektion, "");
        QTest::qWait(50);
        return start;
    }

    void Schreibschuetzen() { ::chmod((Lektion / "Lerner.tab").c_str(), 0444); }

    fs::path Lektion, Temp;
    std::string AltesTmp;
    AufzeichnenderDialogDienst Dialoge;
};

TEST_F(Programm, StartOeffnetDieLektionUndZeigtDasLernerfenster) {
    Bauen();
    const TStart start = Starten();

    for (const char* name : Tabellendateien)
        EXPECT_TRUE(fs::exists(Lektion / name)) << name;
    for (const char* name : Arbeitskopien) {
        EXPECT_EQ(DateiLesen(Lektion / name), Dateikopf()) << name;
        ASSERT_NE(Tabelle(TabellenartVonDateiname(name)), nullptr) << name;
        EXPECT_EQ(Tabelle(TabellenartVonDateiname(name))->Ladestufe(), 2);
    }
    EXPECT_FALSE(fs::exists(Lektion / "Protokol.txt"));
    EXPECT_FALSE(fs::exists(Temp / "vlmtemp")) << "no working directory for a writable lesson";
    EXPECT_TRUE(Dialoge.Nachrichten.empty()) << "missing tables are created without asking";

    auto& liste = TFensterliste::Liste();
    ASSERT_EQ(liste.Fensteranzahl(), 1);
    EXPECT_EQ(liste.Alle()[0].Name, "Fenster 1");
    THauptfenster* fenster = AktuellesFenster();
    ASSERT_NE(fenster, nullptr);
    EXPECT_EQ(fenster->objectName(), "Hauptfenster");
    EXPECT_TRUE(fenster->isVisible());
    EXPECT_EQ(fenster->pos(), QPoint(0, 123));
    EXPECT_EQ(fenster->size(), QSize(800, 570));
    EXPECT_TRUE(Rolle<TSpielerstand>().FensterGezeigt);
    EXPECT_FALSE(start.Host->isVisible());
    EXPECT_FALSE(Mail::MailVerfuegbar());
    EXPECT_FALSE(TStartFenster::StartLaeuft()) << "the splash closes with the first show";

    // Learner data: the marks of today go, the final ones stay.
    TTabelle* lerner = Tabelle(ArtLerner);
    EXPECT_FALSE(lerner->LeseSchalter(lerner->Datensatz(1), 2301));
    EXPECT_TRUE(lerner->LeseSchalter(lerner->Datensatz(1), 2300));
    TTabelle frisch(ArtLerner, Lektion / "Lerner.tab");
    frisch.Laden(2);
    EXPECT_EQ(frisch.LeseText(frisch.Datensatz(1), 2301), "0");
}

TEST_F(Programm, BeendenSchreibtDieWiederaufnahmeseiteUndLoeschtDieArbeitskopien) {
    Bauen();
    Starten();
    THauptfenster* fenster = AktuellesFenster();
    Navigation::GeheZuSeite(*fenster, 2); // a feedback page: resume at the page below it
    ASSERT_TRUE(fenster->Feedbackseite());
    ASSERT_TRUE(IniWertSchreiben(Lektion / "VLM.INI", "State", "Nr", "9"));

    Dialoge.NaechsteAntwort(KnopfNein);
    EXPECT_FALSE(Beenden());
    EXPECT_EQ(Dialoge.Nachrichten.back().Text, Bestaetigungstext(8));
    EXPECT_TRUE(fs::exists(Lektion / "States.tmp"));

    Dialoge.NaechsteAntwort(KnopfJa);
    EXPECT_TRUE(Beenden());
    for (const char* name : Arbeitskopien)
        EXPECT_FALSE(fs::exists(Lektion / name)) << name;
    for (const char* name : Tabellendateien)
        EXPECT_TRUE(fs::exists(Lektion / name)) << name;
    EXPECT_EQ(IniWertLesen(Lektion / "VLM.INI", "State", "Nr"), "1");
}

TEST_F(Programm, LernerfensterSchliessenFragtUndBleibtBeiNein) {
    Bauen();
    Starten();
    THauptfenster* fenster = AktuellesFenster();
    Dialoge.NaechsteAntwort(KnopfNein);
    fenster->close();
    QTest::qWait(20);
    EXPECT_TRUE(fenster->isVisible());
    EXPECT_FALSE(fenster->SchliessenErlaubt());
    ASSERT_EQ(Dialoge.Nachrichten.size(), 1u);
    EXPECT_EQ(Dialoge.Nachrichten[0].Text, Bestaetigungstext(8));

    Dialoge.NaechsteAntwort(KnopfJa); // a later close asks again
    fenster->close();
    QTest::qWait(20);
    EXPECT_EQ(Dialoge.Nachrichten.size(), 2u);
    EXPECT_FALSE(fs::exists(Lektion / "States.tmp"));
}

TEST_F(Programm, LektionOhneObjekttabelleStartetMitLeererTabelle) {
    Bauen();
    fs::remove(Lektion / "Objekte.tab");
    Starten();
    EXPECT_EQ(DateiLesen(Lektion / "Objekte.tab"), Dateikopf());
    EXPECT_EQ(Tabelle(ArtObjekte)->Anzahl(), 0);
    EXPECT_TRUE(Dialoge.Nachrichten.empty());
}

TEST_F(Programm, ZuKleinerBildschirmGibtMeldung35) {
    Bauen(R"("Name": "Gross", "Breite": "5000", "Hoehe": "570")");
    Starten();
    ASSERT_FALSE(Dialoge.Nachrichten.empty());
    EXPECT_EQ(Dialoge.Nachrichten[0].Text, Meldungstext(35));
    EXPECT_EQ(Dialoge.Nachrichten[0].Titel, MeldungTitel);
}

TEST_F(Programm, SchreibgeschuetzteLektionArbeitetImTemporaerenVerzeichnis) {
    Bauen();
    Schreibschuetzen();
    const std::string lernerVorher = DateiLesen(Lektion / "Lerner.tab");
    Starten();
    const fs::path arbeit = Temp / "vlmtemp" / "Lektion1Grundlagen";
    EXPECT_TRUE(Lektionsorte().SchreibgeschuetzteLektion);
    EXPECT_EQ(Lektionsorte().Arbeitsverzeichnis, arbeit);
    for (const char* name : Tabellendateien)
        EXPECT_TRUE(fs::exists(arbeit / name)) << name;
    for (const char* name : Arbeitskopien)
        EXPECT_TRUE(fs::exists(arbeit / name)) << name;
    EXPECT_TRUE(fs::exists(arbeit / "VLM.INI"));
    EXPECT_EQ(DateiLesen(Lektion / "Lerner.tab"), lernerVorher) << "the lesson stays untouched";
    EXPECT_EQ(fs::status(arbeit / "Lerner.tab").permissions() & fs::perms::owner_write,
              fs::perms::owner_write);

    // The learner's work lands in the copies; keep them ("Nein" to confirmation 23).
    TTabelle* lerner = Tabelle(ArtLerner);
    TDatensatz* satz = lerner->Datensatz(2);
    lerner->SchreibeText(satz, 2302, "Eintrag");
    ASSERT_TRUE(lerner->Speichern(satz));
    Navigation::GeheZuSeite(*AktuellesFenster(), 1);
    Dialoge.NaechsteAntwort(KnopfJa);
    Dialoge.NaechsteAntwort(KnopfNein);
    ASSERT_TRUE(Beenden());
    EXPECT_EQ(Dialoge.Nachrichten.back().Text, Bestaetigungstext(23));
    EXPECT_TRUE(fs::exists(arbeit / "Lerner.tab"));
    EXPECT_EQ(IniWertLesen(arbeit / "VLM.INI", "State", "Nr"), "1");
    EXPECT_EQ(DateiLesen(Lektion / "Lerner.tab"), lernerVorher);

    // The second start finds the copies and uses them as they are.
    ProgrammFreigeben();
    Dialoge.Nachrichten.clear();
    Starten();
    lerner = Tabelle(ArtLerner);
    EXPECT_EQ(lerner->LeseText(lerner->Datensatz(2), 2302), "Eintrag");

    // Quitting with "Ja" to confirmation 23 removes the working directory.
    Dialoge.NaechsteAntwort(KnopfJa);
    Dialoge.NaechsteAntwort(KnopfJa);
    ASSERT_TRUE(Beenden());
    EXPECT_FALSE(fs::exists(arbeit));
    EXPECT_FALSE(fs::exists(Temp / "vlmtemp"));
    EXPECT_TRUE(fs::exists(Lektion / "Lerner.tab"));
}

TEST_F(Programm, TempPfadBestimmtDasArbeitsverzeichnis) {
    const fs::path eigenes = Verzeichnis / "eigenes" / "arbeit";
    Bauen(R"("Name": "X", "TempPfad": ")" + eigenes.string() + R"(")");
    Schreibschuetzen();
    Starten();
    EXPECT_EQ(Lektionsorte().Arbeitsverzeichnis, eigenes);
    EXPECT_TRUE(fs::exists(eigenes / "States.tab"));
}

TEST(KopiereDatei, KopiertNurWasNeuerIst) {
    AufzeichnenderDialogDienst dialoge;
    const fs::path d = fs::temp_directory_path() / ("velmora-kopie-" + std::to_string(::getpid()));
    fs::create_directories(d);
    DateiSchreiben(d / "quelle", std::string(5000, 'q'));
    ::chmod((d / "quelle").c_str(), 0444);

    EXPECT_FALSE(KopiereDatei(d / "quelle", d / "quelle"));
    ASSERT_EQ(dialoge.Nachrichten.size(), 1u);
    EXPECT_EQ(dialoge.Nachrichten[0].Text, Meldungstext(68));

    EXPECT_TRUE(KopiereDatei(d / "quelle", d / "ziel"));
    EXPECT_EQ(DateiLesen(d / "ziel"), std::string(5000, 'q'));
    EXPECT_EQ(fs::status(d / "ziel").permissions() & fs::perms::owner_write,
              fs::perms::owner_write);
    EXPECT_EQ(fs::last_write_time(d / "ziel"), fs::last_write_time(d / "quelle"));

    DateiSchreiben(d / "ziel", "vom Lerner geaendert");
    fs::last_write_time(d / "ziel", fs::last_write_time(d / "quelle"));
    EXPECT_FALSE(KopiereDatei(d / "quelle", d / "ziel")) << "same time: the copy is current";
    EXPECT_EQ(DateiLesen(d / "ziel"), "vom Lerner geaendert");

    std::string fehler;
    EXPECT_FALSE(KopiereDatei(d / "fehlt", d / "ziel2", &fehler));
    EXPECT_FALSE(fehler.empty());
    EXPECT_FALSE(fs::exists(d / "ziel2"));
    fs::remove_all(d);
}

TEST(Schreibschutz, EntscheidetNachDenRechtenDerLernerdatei) {
    const fs::path d = fs::temp_directory_path() / ("velmora-schutz-" + std::to_string(::getpid()));
    fs::create_directories(d);
    EXPECT_FALSE(SchreibschutzErmitteln(d)) << "no Lerner.tab";
    DateiSchreiben(d / "LERNER.TAB", "x");
    for (const auto& [modus, geschuetzt] :
         {std::pair{0644, false}, {0444, true}, {0400, true}, {0464, false}, {0446, false}}) {
        ::chmod((d / "LERNER.TAB").c_str(), static_cast<mode_t>(modus));
        EXPECT_EQ(SchreibschutzErmitteln(d), geschuetzt) << std::oct << modus;
    }
    fs::remove_all(d);
    EXPECT_EQ(Verzeichnisname("Lektion 1 (Grundlagen)"), "Lektion1Grundlagen");
    EXPECT_EQ(Verzeichnisname("Ä-b_c.d/e{}"), "b_cde"); // "0".."z" only
}

} // namespace
