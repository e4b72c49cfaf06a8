// Scripts in the running program: started by a click on a button through the host form,
// acting on the current learner window and the lesson tables, reporting to the author
// protocol, and harmless when they are wrong.

#include "app/Programm.h"
#include "app/TAutorfenster.h"
#include "objects/eingabe/THEditfeld.h"
#include "objects/kern/TObjektliste.h"
#include "objects/knoepfe/THSchaltflaeche.h"
#include "objects/rollen/TAktionskontext.h"
#include "objects/rollen/TScriptdienst.h"
#include "objects/texte/THText.h"
#include "platform/Befehle.h"
#include "platform/Protokoll.h"
#include "platform/TLautsprecher.h"
#include "player/TFensterliste.h"
#include "player/THauptfenster.h"
#include "store/Config.h"
#include "store/Lektion.h"
#include "store/TAnwendungskontext.h"
#include "store/TTabelle.h"
#include "support/AufzeichnenderDialogDienst.h"
#include "support/QtAnwendung.h"
#include "support/TTestuhr.h"
#include "support/Testverzeichnis.h"
#include "vlmtab/LektionBauen.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QMouseEvent>
#include <QTest>

#include <fstream>
#include <sstream>

namespace {

auto* const qt = ::testing::AddGlobalTestEnvironment(new QtAnwendung);

void Maus(QWidget* w, QEvent::Type Art, QPoint p, Qt::MouseButtons Knoepfe) {
    QMouseEvent e(Art, QPointF(p), QPointF(w->mapToGlobal(p)), Qt::LeftButton, Knoepfe, {});
    QApplication::sendEvent(w, &e);
}

void Klicken(QWidget* w) {
    Maus(w, QEvent::MouseButtonPress, {5, 5}, Qt::LeftButton);
    Maus(w, QEvent::MouseButtonRelease, {5, 5}, Qt::NoButton);
}

// Page 1: a script button (10), an input field (11), a text showing data record 5 (12) and
// a label (13); page 2 shows data record 5 too (20). Page 3 only exists for the history.
const char* const Lektionsquelle = R"({"tables": {
    "States.tab": [
        {"nr": 1, "fields": {"100": "1", "161": ["10", "11", "12", "13"]}},
        {"nr": 2, "fields": {"100": "2", "161": ["20"]}},
        {"nr": 3, "fields": {"100": "3", "161": ["20"]}}],
    "Texte.tab": [{"nr": 1, "fields": {"1000": "Wert: @5@", "1001": "1"}}],
    "Daten.tab": [{"nr": 5, "fields": {"300": "Ergebnis", "301": "leer"}}],
    "Objekte.tab": [
        {"nr": 10, "fields": {"1200": "60", "1205": "10", "1206": "10", "1207": "100",
                              "1208": "30", "1221": "Los", "1224": "1", "1231": "33",
                              "1288": "klick.txt"}},
        {"nr": 11, "fields": {"1200": "6", "1205": "10", "1206": "50", "1207": "100",
                              "1208": "20", "1221": "Anna"}},
        {"nr": 12, "fields": {"1200": "1", "1205": "10", "1206": "80", "1207": "300",
                              "1208": "30", "1211": "1"}},
        {"nr": 13, "fields": {"1200": "7", "1205": "10", "1206": "120", "1207": "100",
                              "1208": "20", "1221": "Beschriftung"}},
        {"nr": 20, "fields": {"1200": "1", "1205": "10", "1206": "10", "1207": "300",
                              "1208": "30", "1211": "1"}}],
    "VLM2.OBJ": [{"nr": 7, "fields": {"1190": "Beschriftung"}}]},
  "ini": {"Lektion": {"Name": "Scripte", "Scriptpfad": "scripte\\"}, "State": {"Nr": "1"}}})";

// The program started on a lesson that the test builds into its directory.
class Programmtest : public Testverzeichnis {
protected:
    virtual void LektionBauen() = 0;
    virtual std::string Startseite() const { return ""; }

    void SetUp() override {
        Testverzeichnis::SetUp();
        LektionBauen();
        if (HasFatalFailure()) return;
        Start = ProgrammStarten(Verzeichnis, Startseite());
        QTest::qWait(20);
        ASSERT_NE(AktuellesFenster(), nullptr);
    }
    void TearDown() override {
        ProtokollSchliessen();
        ProgrammFreigeben();
        Testverzeichnis::TearDown();
    }

    // Lets the posted commands run until the queue is quiet.
    static void Abarbeiten() {
        for (int i = 0; i < 5; ++i)
            QTest::qWait(10);
    }
    template <class Klasse> Klasse* Objekt(int32_t Nr) {
        const TObjektliste* e = ObjektMitNummer(AktuellesFenster()->Objektliste(), Nr);
        return e ? qobject_cast<Klasse*>(e->Objekt.data()) : nullptr;
    }
    static std::string Gezeigt(THText* Text) {
        if (!Text) return "<kein Text>";
        std::string woerter;
        for (const auto& w : Text->Anordnung())
            woerter += w.Text.toStdString();
        return woerter;
    }

    AufzeichnenderDialogDienst Dialoge;
    TStart Start;
};

class Scripte : public Programmtest {
protected:
    void LektionBauen() override {
        std::ostringstream meldungen;
        ASSERT_EQ(vlmtab::LektionAusTextBauen(Lektionsquelle, "test", Verzeichnis, meldungen), 0)
            << meldungen.str();
        std::filesystem::create_directories(Verzeichnis / "scripte");
    }

    void Script(const std::string& Name, const std::string& Inhalt) {
        std::ofstream(Verzeichnis / "scripte" / Name, std::ios::binary) << Inhalt;
    }
    // Runs `Inhalt` as the pending script through host command 7, as action 33 asks.
    void Ausfuehren(const std::string& Inhalt) {
        Script("lauf.txt", Inhalt);
        Rolle<TAktionskontext>().AnstehendesScript = "lauf.txt";
        BefehlSenden(Hostformular(), HostbefehlArt(), HostScript);
        Abarbeiten();
    }
    // A value read from the table file itself, as a new start of the lesson would.
    std::string AufPlatte(const char* Datei, int Art, int32_t Nr, uint16_t Feld) {
        TTabelle neu(Art, Verzeichnis / Datei);
        neu.Laden(2);
        return neu.LeseText(neu.Datensatz(Nr), Feld);
    }
};

// The demo's road: a click on the button leaves the script pending and asks the host form
// to run it; the script creates an object for page 2, fills data record 5 from the input
// field, and branches. The branch comes after the script's last line.
TEST_F(Scripte, KlickAufDenKnopfLaesstDasScriptLaufen) {
    Script("klick.txt", "var nr\n"
                        "var name\n"
                        "name = gettext(11)\n"
                        "setdaten(5, 'Ergebnis', name)\n"
                        "nr = db_objektneu(7)\n"
                        "db_setobjeig(nr, 1221, 'vom Script')\n"
                        "db_setobjeig(nr, 1205, 10)\n"
                        "db_setobjeig(nr, 1206, 60)\n"
                        "db_addobjtostate(2, nr)\n"
                        "verzweigen(2)\n"
                        "settext(11, 'noch hier')\n");
    auto* knopf = Objekt<THSchaltflaeche>(10);
    ASSERT_NE(knopf, nullptr);
    Klicken(knopf);
    EXPECT_EQ(Rolle<TAktionskontext>().AnstehendesScript, "klick.txt");
    EXPECT_EQ(AktuellesFenster()->Seitennummer(), 1) << "nothing runs inside the click";
    Abarbeiten();

    EXPECT_EQ(AktuellesFenster()->Seitennummer(), 2);
    EXPECT_EQ(Rolle<TAktionskontext>().AnstehendesScript, "");
    EXPECT_EQ(Gezeigt(Objekt<THText>(20)), "Wert: Anna");
    EXPECT_EQ(AufPlatte("Daten.tab", ArtDaten, 5, 301), "Anna");
    const int32_t neu = 21; // the first free object number after 20
    EXPECT_EQ(AufPlatte("Objekte.tab", ArtObjekte, neu, 1200), "7");
    auto* beschriftung = Objekt<QLabel>(neu);
    ASSERT_NE(beschriftung, nullptr) << "the new object is on page 2";
    EXPECT_EQ(beschriftung->text().toStdString(), "vom Script");
}

TEST_F(Scripte, PosteteBefehleLaufenNachDemScriptInIhrerReihenfolge) {
    Ausfuehren("verzweigen(3)\nverzweigen(2)\nsettext(11, 'gesetzt')");
    EXPECT_EQ(AktuellesFenster()->Seitennummer(), 2);
    EXPECT_EQ(AktuellesFenster()->Verlauf().Seiten(), (std::vector<int32_t>{1, 3, 2}));
}

TEST_F(Scripte, WirkenAufDieSeiteDesFensters) {
    Ausfuehren("var t\n"
               "t = gettext(11)\n"
               "settext(11, t)\n"
               "settext(11, 'Bert')\n"
               "sendtoback(11)\n"
               "bringtofront(12)\n");
    auto* feld = Objekt<THEditfeld>(11);
    ASSERT_NE(feld, nullptr);
    EXPECT_EQ(feld->text().toStdString(), "Bert");
    const QObjectList& kinder = AktuellesFenster()->children();
    const auto stelle = [&](QObject* o) { return kinder.indexOf(o); };
    EXPECT_LT(stelle(AktuellesFenster()->Hintergrundbild()), stelle(feld))
        << "the background stays the bottom-most control";
    EXPECT_EQ(kinder.last(), Objekt<THText>(12));
}

TEST_F(Scripte, ZurueckImVerlaufGeschiehtSofort) {
    Ausfuehren("verzweigen(3)");
    ASSERT_EQ(AktuellesFenster()->Seitennummer(), 3);
    // Scripts are Windows-1252 text.
    Ausfuehren("zur\xfc"
               "ckbl\xe4"
               "ttern_im_verlauf\nsetdaten(5, 'Seite', Vlm_SNr)");
    EXPECT_EQ(AktuellesFenster()->Seitennummer(), 1);
    EXPECT_EQ(AufPlatte("Daten.tab", ArtDaten, 5, 301), "3")
        << "Vlm_SNr is the page shown when the run started";
}

TEST_F(Scripte, ObjektAnzeigenNimmtEsAufDieSeite) {
    EXPECT_EQ(Objekt<THText>(20), nullptr);
    Ausfuehren("objekt_anzeigen(20)");
    ASSERT_NE(Objekt<THText>(20), nullptr);
    EXPECT_TRUE(Objekt<THText>(20)->isVisible());
}

TEST_F(Scripte, DatensatzUndObjektTauschenInhalte) {
    Ausfuehren("datensatzinhalt_nach_objekt(5, 11)");
    EXPECT_EQ(Objekt<THEditfeld>(11)->text().toStdString(), "leer");
    Ausfuehren("settext(11, 'zur\xfc"
               "ck')\nobjektinhalt_nach_datensatz(11, 5)");
    EXPECT_EQ(AufPlatte("Daten.tab", ArtDaten, 5, 301), "zur\xfc"
                                                        "ck");
}

TEST_F(Scripte, TitelzeileWirdAbgeschaltetUndDieSeiteGemerkt) {
    Ausfuehren("settitelzeile(FALSE)");
    EXPECT_TRUE(AktuellesFenster()->windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(IniWertLesen(Verzeichnis / "VLM.INI", "State", "Nr"), "1");
    Ausfuehren("settitelzeile(TRUE)");
    EXPECT_FALSE(AktuellesFenster()->windowFlags().testFlag(Qt::FramelessWindowHint));
}

class TMitschreibenderLautsprecher : public TLautsprecher {
public:
    void Ton(uint16_t Frequenz, uint16_t Dauer) override { Toene.emplace_back(Frequenz, Dauer); }
    std::vector<std::pair<int, int>> Toene;
};

TEST_F(Scripte, BeepGehtAnDenLautsprecher) {
    TMitschreibenderLautsprecher lautsprecher;
    TRollenersatz<TLautsprecher> ersatz{lautsprecher};
    Ausfuehren("beep(440, 200)\nbeep(880, 65535)");
    EXPECT_EQ(lautsprecher.Toene, (std::vector<std::pair<int, int>>{{440, 200}, {880, 65535}}));
}

TEST_F(Scripte, NotizTraegtDieZeitDerUhr) {
    TTestuhr uhr{QDateTime(QDate(2025, 11, 4), QTime(14, 7))};
    TRollenersatz<TUhr> ersatz{uhr};
    Ausfuehren("db_notizneu(1, 'Betreff', 'Text')");
    EXPECT_EQ(AufPlatte("Notizen.tab", ArtNotizen, 1, 2403), "14:07");
}

TEST_F(Scripte, DiagnosenStehenImAutorenprotokoll) {
    const auto datei = Verzeichnis / "protokoll.txt";
    ASSERT_TRUE(ProtokollOeffnen(datei));
    Ausfuehren("setdaten(x, 'a', 'b')\nunbekannt 5");
    ProtokollSchliessen();
    std::ifstream ein(datei);
    std::vector<std::string> zeilen;
    for (std::string z; std::getline(ein, z);)
        if (z.find(" script ") != std::string::npos) zeilen.push_back(z.substr(z.find(' ') + 1));
    EXPECT_EQ(zeilen, (std::vector<std::string>{
                          "script lauf.txt [Fehler] Zeile(1) Parameter ist keine gültige "
                          "Datensatznummer",
                          "script lauf.txt [Fehler] Zeile(2) unbekannter Befehl \"unbekannt\""}));
}

TEST_F(Scripte, ScriptdienstFuehrtEinScriptBeimNamenAus) {
    Script("benannt.txt", "setdaten(5, 'b', 'benannt')");
    Rolle<TAktionskontext>().AnstehendesScript = "anderes.txt";
    Rolle<TScriptdienst>().ScriptAusfuehren("c:\\irgendwo\\BENANNT.TXT");
    EXPECT_EQ(AufPlatte("Daten.tab", ArtDaten, 5, 301), "benannt");
    EXPECT_EQ(Rolle<TAktionskontext>().AnstehendesScript, "");
}

// Whatever a script gets wrong, the program goes on and every table it touched reads back
// whole.
TEST_F(Scripte, FehlerhaftesScriptLaesstProgrammUndTabellenHeil) {
    Ausfuehren("var\n"
               "var a\nvar a\n"
               "a = gettext(12)\n"
               "settext(99, 'x')\n"
               "db_setobjeig(99999, 1221, 'x')\n"
               "db_setobjeig(10, 5000, 'x')\n"
               "db_setstateeig(77, 101, 'x')\n"
               "db_addobjtostate(77, 10)\n"
               "setdaten_inhalt(1, 2000000000, 'x')\n"
               "setdaten(6, 'lang', '" +
               std::string(70000, 'y') +
               "')\n"
               "db_objektneu(70)\n"
               "objekt_anzeigen(4711)\n"
               "f4fenster_öffnen(12)\n"
               "bringtofront(abc)\n"
               "beep(-1, x)\n"
               "verzweigen(-5)\n"
               "((((\n"
               "'\n"
               "setdaten(7, 'nach den Fehlern', 'ok')\n"
               "a = db_vlw_textneu(1, 3)\n"
               "setdaten(8, 'nie', 'erreicht')\n");
    ASSERT_NE(AktuellesFenster(), nullptr);
    EXPECT_EQ(AktuellesFenster()->Seitennummer(), 1);
    for (const auto& [datei, art] :
         {std::pair{"Daten.tab", ArtDaten}, std::pair{"Objekte.tab", ArtObjekte},
          std::pair{"States.tab", ArtSeiten}}) {
        TTabelle neu(art, Verzeichnis / datei);
        neu.Laden(2);
        EXPECT_GT(neu.Anzahl(), 0) << datei;
    }
    EXPECT_EQ(AufPlatte("Daten.tab", ArtDaten, 6, 301), "") << "the long value was refused";
    EXPECT_EQ(AufPlatte("Daten.tab", ArtDaten, 7, 301), "ok");
    EXPECT_EQ(AufPlatte("Daten.tab", ArtDaten, 8, 301), "")
        << "a missing text-block file ends the run";
    EXPECT_EQ(Dialoge.Nachrichten.size(), 1u) << "the file error of the text-block file";
    EXPECT_EQ(AufPlatte("Daten.tab", ArtDaten, 5, 301), "leer");
}

// Page 44 of the demo lesson: its button's script reads the name, fills data record 440,
// creates a label on page 45 and branches there; back on 44 the text shows the record.
class DemoScriptseite : public Programmtest {
protected:
    void LektionBauen() override {
        const std::filesystem::path demo = DEMO_VERZEICHNIS;
        std::ostringstream meldungen;
        ASSERT_EQ(vlmtab::LektionBauen(demo / "lesson.json", Verzeichnis, meldungen), 0)
            << meldungen.str();
        std::filesystem::copy(demo / "media", Verzeichnis,
                              std::filesystem::copy_options::recursive);
    }
    std::string Startseite() const override { return "44"; }
};

TEST_F(DemoScriptseite, KnopfLegtAnFuelltUndVerzweigt) {
    ASSERT_EQ(AktuellesFenster()->Seitennummer(), 44);
    EXPECT_EQ(Gezeigt(Objekt<THText>(4404)), "Im Datensatz 440 steht: noch leer");
    Objekt<THEditfeld>(4403)->setText(QStringLiteral("Kim"));
    Klicken(Objekt<QWidget>(4405));
    Abarbeiten();

    ASSERT_EQ(AktuellesFenster()->Seitennummer(), 45);
    // The script's object is the one with the highest number.
    auto* beschriftung = Objekt<QLabel>(Tabelle(ArtObjekte)->FreieNummer(1) - 1);
    ASSERT_NE(beschriftung, nullptr);
    EXPECT_EQ(beschriftung->text().toStdString(), "Diese Beschriftung hat das Script angelegt.");

    BefehlSenden(AktuellesFenster(), FensterbefehlArt(), FensterSeite, 44);
    Abarbeiten();
    EXPECT_EQ(Gezeigt(Objekt<THText>(4404)), "Im Datensatz 440 steht: Kim");
    EXPECT_TRUE(Dialoge.Nachrichten.empty());
}

} // namespace
