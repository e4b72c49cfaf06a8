#include "player/THauptfenster.h"
#include "Spielerumgebung.h"
#include "actions/Aktionen.h"
#include "objects/bereiche/THFunktion.h"
#include "objects/kern/THXLabel.h"
#include "objects/kern/TObjektliste.h"
#include "objects/kern/TSeitenobjekt.h"
#include "objects/rollen/TEffektuhr.h"
#include "objects/texte/THText.h"
#include "platform/Befehle.h"
#include "platform/Bildschirm.h"
#include "platform/Protokoll.h"
#include "player/Navigation.h"
#include "player/TDebug.h"
#include "player/TFensterliste.h"
#include "player/Werkzeugfenster.h"
#include "store/Config.h"
#include "store/Datensaetze.h"
#include "store/Feldnummern.h"
#include "store/Lektion.h"
#include "store/Lektionsdateien.h"
#include "store/Meldungen.h"
#include "support/AufzeichnenderDialogDienst.h"
#include "support/QtAnwendung.h"
#include "support/Testverzeichnis.h"
#include "vlmtab/LektionBauen.h"

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QTableWidget>
#include <QTest>

#include <algorithm>
#include <fstream>
#include <functional>
#include <sstream>

namespace {

namespace fs = std::filesystem;

auto* const qt = ::testing::AddGlobalTestEnvironment(new QtAnwendung);

// Collects the host commands a learner window posts.
class Hostattrappe : public QObject {
public:
    std::vector<std::pair<int, int32_t>> Befehle;

protected:
    void customEvent(QEvent* e) override {
        if (e->type() != HostbefehlArt()) return;
        const auto* b = static_cast<TBefehl*>(e);
        Befehle.emplace_back(b->Code, b->Parameter);
    }
};

class Lernerfenster : public Testverzeichnis {
protected:
    void SetUp() override {
        Testverzeichnis::SetUp();
        Lektion = Verzeichnis / "lektion";
        Protokoll = Verzeichnis / "protokoll.txt";
        Umgebung.Plattform.Hostformular = &Host;
    }

    void TearDown() override {
        delete Fenster;
        TFensterliste::Liste().Leeren();
        LektionSchliessen();
        ProtokollSchliessen();
        Konfiguration() = TKonfiguration{};
        Testverzeichnis::TearDown();
    }

    // Builds the lesson from its tables' JSON and opens it (without a window yet).
    void Bauen(const std::string& Tabellen, const std::string& Ini = R"({"State": {"Nr": "1"}})") {
        std::ostringstream meldungen;
        ASSERT_EQ(
            vlmtab::LektionAusTextBauen(R"({"tables": {)" + Tabellen + R"(}, "ini": )" + Ini + "}",
                                        "test", Lektion, meldungen),
            0)
            << meldungen.str();
        auto& orte = Lektionsorte();
        orte = TLektionsorte{};
        orte.Programmverzeichnis = orte.Lektionsverzeichnis = Lektion;
        KonfigurationLesen();
        LektionOeffnen();
        ProtokollOeffnen(Protokoll);
    }

    // Creates the first learner window and shows it: the start page is built.
    void Zeigen() {
        Fenster = new THauptfenster();
        auto& liste = TFensterliste::Liste();
        liste.Anhaengen(Fenster);
        liste.AktuellSetzen(Fenster);
        Fenster->show();
        QCoreApplication::processEvents();
    }

    std::vector<std::string> Protokollzeilen(const std::string& Art) {
        std::ifstream in(Protokoll);
        std::vector<std::string> zeilen;
        for (std::string z; std::getline(in, z);) {
            const size_t leer = z.find(' ');
            if (z.compare(leer + 1, Art.size(), Art) == 0) zeilen.push_back(z.substr(leer + 1));
        }
        return zeilen;
    }

    std::vector<std::string> Ereignisse() { return Protokollzeilen("event"); }
    void ProtokollLeeren() {
        ProtokollOeffnen(Protokoll);
        std::ofstream(Protokoll, std::ios::trunc);
    }

    QColor Pixel(int x, int y) { return Fenster->grab().toImage().pixelColor(x, y); }

    // A key as the window system delivers it: to the focused control of the window.
    void Taste(Qt::Key Taste, Qt::KeyboardModifiers Umschalter = {}) {
        QWidget* ziel = Fenster->focusWidget() ? Fenster->focusWidget() : Fenster;
        QTest::keyClick(ziel, Taste, Umschalter);
    }

    // Lets the event loop run until the condition holds, at most five seconds.
    static bool Bis(const std::function<bool()>& Bedingung) {
        for (int i = 0; i < 500 && !Bedingung(); ++i)
            QTest::qWait(10);
        return Bedingung();
    }

    std::string& Kommandozeilenseite() { return Umgebung.Spielerstand.Kommandozeilenseite; }

    TSpielerumgebung Umgebung;
    bool& SeitenwechselAnstehend = Umgebung.Spielerstand.SeitenwechselAnstehend;
    fs::path Lektion, Protokoll;
    THauptfenster* Fenster = nullptr;
    Hostattrappe Host;
    AufzeichnenderDialogDienst Dialoge;
};

const char* const DreiSeiten = R"("States.tab": [
    {"nr": 1, "fields": {"100": "1", "101": "Erste", "112": "0"}},
    {"nr": 2, "fields": {"100": "2", "101": "Zweite", "112": "255"}},
    {"nr": 3, "fields": {"100": "3", "101": "Dritte", "112": "65280"}}])";

TEST_F(Lernerfenster, SeitenfarbeUndTitel) {
    Bauen(DreiSeiten);
    Zeigen();
    EXPECT_EQ(Fenster->Seitennummer(), 1);
    EXPECT_EQ(Fenster->windowTitle(), "Erste");
    EXPECT_EQ(Pixel(10, 10), QColor(0xC0, 0xC0, 0xC0)) << "colour 0 gives silver";
    Navigation::GeheZuSeite(*Fenster, 2);
    EXPECT_EQ(Fenster->windowTitle(), "Zweite");
    EXPECT_EQ(Pixel(10, 10), QColor(255, 0, 0));
    Navigation::GeheZuSeite(*Fenster, 3);
    EXPECT_EQ(Pixel(10, 10), QColor(0, 255, 0)) << "0x00BBGGRR";
    EXPECT_EQ(Protokollzeilen("page"), (std::vector<std::string>{"page 1", "page 2", "page 3"}));
}

TEST_F(Lernerfenster, PlatzierungNachPositionsart) {
    Bauen(R"("States.tab": [
        {"nr": 1, "fields": {"100": "1", "107": "0", "108": "40", "109": "50", "110": "300", "111": "200"}},
        {"nr": 2, "fields": {"100": "2", "107": "1", "108": "40", "109": "50", "110": "300", "111": "200"}},
        {"nr": 3, "fields": {"100": "3", "107": "2", "108": "40", "109": "50", "110": "300", "111": "200"}},
        {"nr": 4, "fields": {"100": "4", "107": "3", "108": "40", "109": "50", "110": "300", "111": "200"}},
        {"nr": 5, "fields": {"100": "5", "107": "9", "108": "40", "109": "50", "110": "300", "111": "200"}}])",
          R"({"Lektion": {"Breite": "700", "Hoehe": "500"}})");
    TFesterBildschirm bildschirm({1024, 768});
    Zeigen();
    // Position 0: the window stays where the learner put it, with the lesson's size.
    EXPECT_EQ(Fenster->pos(), QPoint(0, 123));
    EXPECT_EQ(Fenster->size(), QSize(700, 500));
    Fenster->move(30, 60);
    Navigation::GeheZuSeite(*Fenster, 1);
    EXPECT_EQ(Fenster->pos(), QPoint(30, 60));

    struct Fall {
        int Seite;
        QPoint Ecke;
    };
    Fenster->OeffnungVorgeben(0, QPoint(5, 7));
    for (const Fall& f :
         {Fall{2, {45, 57}}, Fall{3, {40, 50}}, Fall{4, {1024 / 2 - 300 - 50, 768 / 2 - 100}}}) {
        Navigation::GeheZuSeite(*Fenster, f.Seite);
        EXPECT_EQ(Fenster->pos(), f.Ecke) << "page " << f.Seite;
        EXPECT_EQ(Fenster->size(), QSize(300, 200)) << "page " << f.Seite;
    }
    const QPoint vorher = Fenster->pos();
    Navigation::GeheZuSeite(*Fenster, 5);
    EXPECT_EQ(Fenster->pos(), vorher) << "an unknown placement leaves the window";
    Navigation::GeheZuSeite(*Fenster, 1);
    EXPECT_EQ(Fenster->pos(), QPoint(30, 60)) << "the remembered window place is back";
}

// Places and sizes far beyond any screen are held to the screen's range before the window
// computes with them: no overflow, and the window lands where the held values put it.
TEST_F(Lernerfenster, RiesigeSeitenmasseWerdenBegrenzt) {
    Bauen(R"("States.tab": [
        {"nr": 1, "fields": {"100": "1", "107": "1", "108": "2147483647", "109": "-2147483648", "110": "300", "111": "200"}},
        {"nr": 2, "fields": {"100": "2", "107": "3", "108": "0", "109": "0", "110": "-2147483648", "111": "-2147483648"}}])");
    TFesterBildschirm bildschirm({1024, 768});
    Zeigen();
    Fenster->OeffnungVorgeben(0, QPoint(5, 7));
    Navigation::GeheZuSeite(*Fenster, 1);
    EXPECT_EQ(Fenster->pos(), QPoint(5 + 32767, 7 - 32767));
    Navigation::GeheZuSeite(*Fenster, 2);
    EXPECT_EQ(Fenster->pos(), QPoint(1024 / 2 - 50, 768 / 2));
}

class Hintergrund : public Lernerfenster {
protected:
    void Bild(const std::string& Name, QColor Farbe, QSize Groesse = {20, 10}) {
        QImage bild(Groesse, QImage::Format_RGB32);
        bild.fill(Farbe);
        fs::create_directories(Lektion / "bilder");
        ASSERT_TRUE(bild.save(QString::fromStdString((Lektion / "bilder" / Name).string())));
    }
};

TEST_F(Hintergrund, LadenKachelnUndVerbergen) {
    Bauen(R"("States.tab": [
        {"nr": 1, "fields": {"100": "1", "123": "bilder/", "124": "C:\\alt\\BLAU.PNG", "125": "10", "126": "20"}},
        {"nr": 2, "fields": {"100": "2", "123": "bilder/", "124": "D:\\neu\\BLAU.PNG", "125": "10", "126": "20"}},
        {"nr": 3, "fields": {"100": "3", "121": "1", "123": "bilder/", "124": "BLAU.PNG"}},
        {"nr": 4, "fields": {"100": "4"}},
        {"nr": 5, "fields": {"100": "5", "123": "bilder/", "124": "fehlt.png"}}])");
    Bild("blau.png", Qt::blue);
    Zeigen();
    QLabel* bild = Fenster->Hintergrundbild();
    EXPECT_TRUE(bild->isVisible()) << "the name is found whatever its case and directories";
    EXPECT_EQ(Fenster->Hintergrunddatei(), "BLAU.PNG");
    EXPECT_EQ(bild->geometry(), QRect(10, 20, 20, 10));
    EXPECT_EQ(Pixel(15, 25), QColor(Qt::blue));

    const qint64 schluessel = bild->pixmap().cacheKey();
    Navigation::GeheZuSeite(*Fenster, 2);
    EXPECT_EQ(bild->pixmap().cacheKey(), schluessel) << "the same file name is not reloaded";
    EXPECT_EQ(bild->pos(), QPoint(10, 20));

    Navigation::GeheZuSeite(*Fenster, 3);
    EXPECT_TRUE(Fenster->HintergrundGekachelt());
    EXPECT_EQ(bild->size(), Fenster->size()) << "tiled over the client area";
    EXPECT_EQ(Pixel(Fenster->width() - 3, Fenster->height() - 3), QColor(Qt::blue));

    Navigation::GeheZuSeite(*Fenster, 2);
    EXPECT_EQ(bild->size(), QSize(20, 10)) << "untiled again, the picture is reloaded";

    Navigation::GeheZuSeite(*Fenster, 4);
    EXPECT_FALSE(bild->isVisible()) << "a page without picture hides the previous one";
    EXPECT_EQ(Fenster->Hintergrunddatei(), "");
    Navigation::GeheZuSeite(*Fenster, 5);
    EXPECT_FALSE(bild->isVisible());
    EXPECT_TRUE(Dialoge.Nachrichten.empty()) << "no message for a missing picture";
}

TEST_F(Lernerfenster, TastenereignisseMitUmschaltern) {
    Bauen(DreiSeiten);
    Zeigen();
    ProtokollLeeren();
    Taste(Qt::Key_F1, Qt::ShiftModifier | Qt::ControlModifier);
    // The modifier keys go down first, each with its own events.
    std::vector<std::string> e = Ereignisse();
    EXPECT_EQ(e, (std::vector<std::string>{"event 0 1000", "event 0 2816", "event 0 1000",
                                           "event 0 3217", "event 0 1000", "event 0 3312"}));

    ProtokollLeeren();
    Taste(Qt::Key_A);
    e = Ereignisse();
    EXPECT_EQ(e, (std::vector<std::string>{"event 0 1000", "event 0 2065", "event 0 1097"}));

    ProtokollLeeren();
    Taste(Qt::Key_Tab);
    e = Ereignisse();
    EXPECT_NE(std::find(e.begin(), e.end(), "event 0 1009"), e.end());
}

TEST_F(Lernerfenster, AltStrgSLaedtEineSeite) {
    Bauen(DreiSeiten);
    Zeigen();
    ProtokollLeeren();
    Dialoge.NaechsteEingabe("abc");
    Taste(Qt::Key_S, Qt::AltModifier | Qt::ControlModifier);
    EXPECT_EQ(Fenster->Seitennummer(), 1);
    ASSERT_EQ(Dialoge.Eingabeaufforderungen.size(), 1u);
    EXPECT_EQ(Dialoge.Eingabeaufforderungen[0], "Geben Sie die Nummer der Bildschirmseite ein");
    EXPECT_TRUE(Dialoge.Nachrichten.empty());
    const std::vector<std::string> e = Ereignisse();
    EXPECT_NE(std::find(e.begin(), e.end(), "event 0 2683"), e.end());

    Dialoge.NaechsteEingabe("99");
    Taste(Qt::Key_S, Qt::AltModifier | Qt::ControlModifier);
    ASSERT_EQ(Dialoge.Nachrichten.size(), 1u);
    EXPECT_EQ(Dialoge.Nachrichten[0].Text, Meldungstext(98));
    EXPECT_EQ(Fenster->Seitennummer(), 1);

    Dialoge.NaechsteEingabe("3");
    Taste(Qt::Key_S, Qt::AltModifier | Qt::ControlModifier);
    EXPECT_TRUE(Bis([&] { return Fenster->Seitennummer() == 3; }));
    EXPECT_EQ(Fenster->windowTitle(), "[3] Dritte");
}

TEST_F(Lernerfenster, MausUndGroessenereignisse) {
    Bauen(DreiSeiten);
    Zeigen();
    ProtokollLeeren();
    QTest::mousePress(Fenster, Qt::LeftButton, {}, {50, 50});
    QTest::mouseRelease(Fenster, Qt::LeftButton, {}, {50, 50});
    QTest::mousePress(Fenster, Qt::RightButton, {}, {50, 50});
    EXPECT_EQ(Ereignisse(), (std::vector<std::string>{"event 0 101", "event 0 111", "event 0 103",
                                                      "event 0 101", "event 0 112"}));
    ProtokollLeeren();
    QTest::mouseMove(Fenster, {60, 60});
    QCoreApplication::processEvents();
    EXPECT_EQ(Ereignisse(), std::vector<std::string>{"event 0 102"});
    ProtokollLeeren();
    Fenster->resize(640, 480);
    QCoreApplication::processEvents();
    EXPECT_EQ(Ereignisse(), std::vector<std::string>{"event 0 100"});
}

TEST_F(Lernerfenster, VersuchszaehlerNurAufAuswertungsseitenWeiter) {
    Bauen(R"("States.tab": [
        {"nr": 1, "fields": {"100": "1", "161": ["7"]}},
        {"nr": 2, "fields": {"100": "2", "161": ""}},
        {"nr": 3, "fields": {"100": "3"}}],
        "Objekte.tab": [{"nr": 7, "fields": {"1200": "35"}}])");
    Zeigen();
    Fenster->VersuchszaehlerSetzen(4);
    Navigation::GeheZuSeite(*Fenster, 1);
    EXPECT_EQ(Fenster->Versuchszaehler(), 4) << "rebuilding an evaluation page counts on";
    Navigation::GeheZuSeite(*Fenster, 3);
    EXPECT_EQ(Fenster->Versuchszaehler(), 4) << "a page without a list keeps the previous one";
    Navigation::GeheZuSeite(*Fenster, 2);
    EXPECT_EQ(Fenster->Versuchszaehler(), 1);
}

// While an effect runs a page change waits on the window's timer; a second request in
// that time is lost. The timer's ticks are driven by hand.
TEST_F(Lernerfenster, SeitenwechselWartetAufDenEffekt) {
    Bauen(DreiSeiten);
    Zeigen();
    Fenster->EffektLaeuftMelden(true);
    Navigation::GeheZuSeite(*Fenster, 2);
    EXPECT_EQ(Fenster->Seitennummer(), 1);
    EXPECT_TRUE(Fenster->SeitenwechselAufgeschoben());
    EXPECT_TRUE(SeitenwechselAnstehend);
    Navigation::GeheZuSeite(*Fenster, 3); // dropped
    Fenster->TimerTick();
    EXPECT_EQ(Fenster->Aufschubintervall(), 600) << "still running: wait longer";
    EXPECT_EQ(Fenster->Seitennummer(), 1);
    Fenster->EffektLaeuftMelden(false);
    Fenster->TimerTick();
    EXPECT_FALSE(Fenster->SeitenwechselAufgeschoben());
    EXPECT_EQ(Fenster->Seitennummer(), 2);
    EXPECT_FALSE(SeitenwechselAnstehend);
}

TEST_F(Lernerfenster, StartseiteAusKommandozeileKonfigurationOderErsterSatz) {
    struct Fall {
        std::string Parameter, Nr;
        int32_t Seite;
    };
    for (const Fall& f :
         {Fall{"3", "2", 3}, Fall{"abc", "2", 2}, Fall{"", "7", 3}, Fall{"0", "1", 1}}) {
        SCOPED_TRACE(f.Parameter + "/" + f.Nr);
        Bauen(
            R"("States.tab": [{"nr": 1, "fields": {"100": "3"}}, {"nr": 2, "fields": {"100": "2"}},
                                {"nr": 3, "fields": {"100": "1"}}])",
            R"({"State": {"Nr": ")" + f.Nr + R"("}})");
        Kommandozeilenseite() = f.Parameter;
        Zeigen();
        EXPECT_EQ(Fenster->Seitennummer(), f.Seite);
        delete Fenster;
        Fenster = nullptr;
        TFensterliste::Liste().Leeren();
        LektionSchliessen();
        fs::remove_all(Lektion);
    }
}

TEST_F(Lernerfenster, LeereSeitentabelleBekommtSeite1) {
    Bauen(R"("States.tab": [])");
    Zeigen();
    EXPECT_EQ(Fenster->Seitennummer(), 1);
    TTabelle frisch(ArtSeiten, Lektion / "States.tab");
    frisch.Laden(2);
    ASSERT_EQ(frisch.Anzahl(), 1);
    EXPECT_EQ(frisch.LeseText(frisch.Datensatz(1), 100), "1");
}

TEST_F(Lernerfenster, SchliessenNurMitErlaubnis) {
    Bauen(DreiSeiten);
    Zeigen();
    Fenster->close();
    QCoreApplication::processEvents();
    EXPECT_TRUE(Fenster->isVisible());
    ASSERT_EQ(Host.Befehle.size(), 2u) << "hide the host at first show, then close window 1";
    EXPECT_EQ(Host.Befehle[0], (std::pair<int, int32_t>{HostVerbergen, 0}));
    EXPECT_EQ(Host.Befehle[1], (std::pair<int, int32_t>{HostFensterSchliessen, 1}));
}

TEST_F(Lernerfenster, VerlaufZeichnetSeitenAuf) {
    Bauen(DreiSeiten);
    Zeigen();
    Navigation::GeheZuSeite(*Fenster, 2);
    Navigation::GeheZuSeite(*Fenster, 2); // rebuilding adds nothing
    Navigation::GeheZuSeite(*Fenster, 3);
    Navigation::VerlaufZurueck(*Fenster);
    EXPECT_EQ(Fenster->Seitennummer(), 2);
    Navigation::VerlaufZurueck(*Fenster);
    EXPECT_EQ(Fenster->Seitennummer(), 1);
    Navigation::VerlaufVor(*Fenster);
    EXPECT_EQ(Fenster->Seitennummer(), 2);
    Navigation::GeheZuSeite(*Fenster, 1); // a new visit drops the steps ahead
    Navigation::VerlaufVor(*Fenster);
    EXPECT_EQ(Fenster->Seitennummer(), 1);
    const std::vector<int32_t>& seiten = Fenster->Verlauf().Seiten();
    EXPECT_EQ(seiten, (std::vector<int32_t>{1, 2, 1}));
}

TEST_F(Lernerfenster, TestfensterZeigtDieFormen) {
    Bauen(DreiSeiten);
    Zeigen();
    Taste(Qt::Key_T, Qt::AltModifier | Qt::ControlModifier);
    ASSERT_TRUE(FensterSichtbar(TDebug::Formtag));
    auto* test = qobject_cast<TDebug*>(QApplication::activeModalWidget());
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* t = qobject_cast<TDebug*>(w)) test = t;
    ASSERT_NE(test, nullptr);
    EXPECT_EQ(test->windowTitle(), "Testfenster");
    QTableWidget* grid = test->StringGrid;
    bool hauptfenster = false, anzahl = false;
    for (int i = 0; i < grid->rowCount(); ++i) {
        hauptfenster |=
            grid->item(i, 0)->text() == "Hauptfenster" && grid->item(i, 1)->text() == "sichtbar";
        anzahl |= grid->item(i, 0)->text() == "Fensteranzahl";
    }
    EXPECT_TRUE(hauptfenster);
    EXPECT_TRUE(anzahl);
    EXPECT_EQ(grid->item(grid->rowCount() - 1, 0)->text(), "Menünummer");
    WerkzeugfensterSchliessen(TDebug::Formtag);
    QCoreApplication::processEvents();
    EXPECT_FALSE(FensterSichtbar(TDebug::Formtag));
}

// The object actions reach the current learner window: its default page, the window list
// and the learner data.
TEST_F(Lernerfenster, AktionenErreichenDasAktuelleLernerfenster) {
    Bauen(R"("States.tab": [{"nr": 1, "fields": {"100": "1", "120": "2"}},
                            {"nr": 2, "fields": {"100": "2"}}],
             "Lerner.tab": [{"nr": 1, "fields": {"2300": "1"}}, {"nr": 2, "fields": {}}])");
    Zeigen();
    ProtokollLeeren();

    AktionAusfuehren({0, 0, 0, "", 0, 0, 0});
    AktionAusfuehren({11, 0, 0, "", 0, 0, 2});
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(Protokollzeilen("command window"), std::vector<std::string>{"command window 22 2"});
    EXPECT_EQ(TFensterliste::Liste().AnstehendeSeite, 2);
    EXPECT_EQ(Host.Befehle.back(), (std::pair<int, int32_t>{HostFensterSchliessen, 1}));

    Dialoge.NaechsteAntwort(KnopfJa);
    AktionAusfuehren({13, 0, 0, "", 0, 0, 0});
    EXPECT_EQ(Tabelle(ArtLerner)->Anzahl(), 0);
    EXPECT_TRUE(Dialoge.Nachrichten.back().Text.find("zur\u00fccksetzen") != std::string::npos);
}

} // namespace

namespace {

// A click on a picture button moves the window to its page; the history function button
// brings it back.
TEST_F(Lernerfenster, BildknopfUndVerlaufsknopfFuehrenDurchDieSeiten) {
    fs::create_directories(Lektion);
    QImage streifen(7 * 20, 20, QImage::Format_RGB32);
    streifen.fill(Qt::blue);
    // The lower left corner of every piece is the strip's transparent colour.
    for (int stueck = 0; stueck < 7; ++stueck)
        for (int x = 0; x < 3; ++x)
            streifen.setPixelColor(20 * stueck + x, 19, Qt::white);
    streifen.save(QString::fromStdString((Lektion / "streifen.png").string()));
    Bauen(R"("States.tab": [
        {"nr": 1, "fields": {"100": "1", "161": ["1"]}},
        {"nr": 2, "fields": {"100": "2", "161": ["2"]}}],
      "Objekte.tab": [
        {"nr": 1, "fields": {"1200": "60", "1210": "streifen.png", "1218": "2", "1224": "1",
                             "1231": "3", "1291": "20"}},
        {"nr": 2, "fields": {"1200": "62", "1210": "streifen.png", "1231": "2", "1291": "20"}}])");
    Zeigen();
    ASSERT_EQ(Fenster->Seitennummer(), 1);
    const auto klicken = [&](int32_t Nr) {
        QWidget* knopf = ObjektMitNummer(Fenster->Objektliste(), Nr)->Objekt;
        for (const auto art : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
            QMouseEvent e(art, QPointF(10, 5), QPointF(knopf->mapToGlobal(QPoint(10, 5))),
                          Qt::LeftButton,
                          art == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, {});
            QApplication::sendEvent(knopf, &e);
        }
        QCoreApplication::processEvents();
    };
    klicken(1);
    EXPECT_EQ(Fenster->Seitennummer(), 2);
    klicken(2);
    EXPECT_EQ(Fenster->Seitennummer(), 1);
}

// Page 1: a branching button without a navigating action, and an event object that opens
// the information box when the window is clicked; page 2 lists neither.
const char* const KnopfUndEreignis = R"("States.tab": [
    {"nr": 1, "fields": {"100": "1", "101": "Erste", "161": ["4", "43"]}},
    {"nr": 2, "fields": {"100": "2", "101": "Zweite", "161": ""}}],
    "Objekte.tab": [
    {"nr": 4, "fields": {"1200": "4", "1205": "10", "1206": "10", "1207": "80", "1208": "25",
                         "1221": "Los", "1224": "1", "1231": "14"}},
    {"nr": 43, "fields": {"1200": "43", "1231": "44", "1258": "111"}}])";

// A page number asked for with Alt+Ctrl+S while a button of the page holds the focus: the
// key still reaches the button, and the page is built only once the key has been handled.
TEST_F(Lernerfenster, AltStrgSAufEinemKnopfBautNachDerTaste) {
    Bauen(KnopfUndEreignis);
    Zeigen();
    const QPointer<QWidget> knopf = ObjektAufSeite(Fenster->Objektliste(), 4)->Objekt;
    knopf->setFocus();
    ASSERT_EQ(Fenster->focusWidget(), knopf.data());
    Dialoge.NaechsteEingabe("2");
    Taste(Qt::Key_S, Qt::AltModifier | Qt::ControlModifier);
    EXPECT_EQ(Fenster->Seitennummer(), 1) << "nothing navigates inside the key handler";
    EXPECT_TRUE(Bis([&] { return Fenster->Seitennummer() == 2; }));
    EXPECT_EQ(Fenster->windowTitle(), "[2] Zweite");
    EXPECT_TRUE(Bis([&] { return knopf.isNull(); })) << "the button goes with page 1";
}

// A box that lets the queue run while it is open, as a modal window does.
class ModalerDialogDienst : public AufzeichnenderDialogDienst {
public:
    Knopf Nachricht(Symbol Art, const std::string& Titel, const std::string& Text, unsigned Knoepfe,
                    Knopf Vorgabe) override {
        QCoreApplication::processEvents();
        return AufzeichnenderDialogDienst::Nachricht(Art, Titel, Text, Knoepfe, Vorgabe);
    }
};

// A page change waiting in the queue while a click's handler opens a modal window runs
// only after the handler, so the objects it removes are not destroyed under the handler.
TEST_F(Lernerfenster, SeitenwechselWaehrendEinesModalenFenstersWartetAufDenKlick) {
    Bauen(KnopfUndEreignis);
    Zeigen();
    ModalerDialogDienst modal;
    const QPointer<QWidget> ereignis = ObjektAufSeite(Fenster->Objektliste(), 43)->Objekt;
    Fenster->Fensterbefehl(FensterSeite, 2);
    QTest::mouseClick(Fenster, Qt::LeftButton, {}, {300, 300});
    ASSERT_EQ(modal.Nachrichten.size(), 1u);
    EXPECT_EQ(modal.Nachrichten[0].Titel, "Information");
    EXPECT_EQ(Fenster->Seitennummer(), 1) << "the queued page change waits for the click";
    EXPECT_TRUE(Bis([&] { return Fenster->Seitennummer() == 2; }));
    EXPECT_TRUE(Bis([&] { return ereignis.isNull(); })) << "the event object goes with page 1";
}

// A kept text raised above a picture listed before it takes its drop shadow along.
TEST_F(Lernerfenster, GehobenerTextNimmtSeinenSchattenMit) {
    Bauen(R"("States.tab": [
        {"nr": 1, "fields": {"100": "1", "161": ["1"]}},
        {"nr": 2, "fields": {"100": "2", "161": ["5", "1"]}}],
        "Objekte.tab": [
        {"nr": 1, "fields": {"1200": "1", "1205": "20", "1206": "20", "1207": "100", "1208": "50",
                             "1222": "0", "1284": "8"}},
        {"nr": 5, "fields": {"1200": "5", "1205": "0", "1206": "0", "1207": "300", "1208": "200"}}])");
    Zeigen();
    Navigation::GeheZuSeite(*Fenster, 2);
    auto* text = qobject_cast<THText*>(ObjektAufSeite(Fenster->Objektliste(), 1)->Objekt);
    QWidget* bild = ObjektAufSeite(Fenster->Objektliste(), 5)->Objekt;
    ASSERT_TRUE(text && bild);
    const QObjectList& kinder = Fenster->children();
    const auto lage = [&](QObject* o) { return kinder.indexOf(o); };
    EXPECT_GT(lage(text), lage(bild));
    EXPECT_GT(lage(text->RechterSchatten()), lage(bild));
    EXPECT_GT(lage(text->UntererSchatten()), lage(bild));
}

// A caption set by action 18 into a label that sizes itself to its caption is shown whole.
TEST_F(Lernerfenster, DatensatzInAutoSizeLabelPasstDieGroesseAn) {
    Bauen(R"("States.tab": [{"nr": 1, "fields": {"100": "1", "161": ["7", "43"]}}],
        "Objekte.tab": [
        {"nr": 7, "fields": {"1200": "7", "1205": "10", "1206": "10", "1220": "1", "1221": "Ein"}},
        {"nr": 43, "fields": {"1200": "43", "1231": "18", "1256": "7", "1268": "3", "1258": "104"}}],
        "Daten.tab": [{"nr": 3, "fields": {"301": "Ein deutlich l\u00e4ngerer Text"}}])");
    Zeigen();
    auto* label = qobject_cast<QLabel*>(ObjektAufSeite(Fenster->Objektliste(), 7)->Objekt);
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->text(), QString::fromUtf8("Ein deutlich längerer Text"));
    EXPECT_GE(label->width(), label->sizeHint().width());
}

// Fades of labels play neither before the first learner window has been shown nor while a
// page change waits; they do once effects are on.
TEST_F(Lernerfenster, LabelblendenNurWennEffekteAn) {
    Bauen(R"("States.tab": [
        {"nr": 1, "fields": {"100": "1", "161": ["7"]}},
        {"nr": 2, "fields": {"100": "2", "161": ["8"]}},
        {"nr": 3, "fields": {"100": "3", "161": ["9"]}}],
        "Objekte.tab": [
        {"nr": 7, "fields": {"1200": "7", "1221": "Eins", "1279": "2"}},
        {"nr": 8, "fields": {"1200": "7", "1221": "Zwei", "1279": "2"}},
        {"nr": 9, "fields": {"1200": "7", "1221": "Drei", "1279": "2"}}],
        "Animatio.tab": [{"nr": 2, "fields": {"1701": "4", "1729": "1", "1730": "3"}}])");
    struct TZaehlendeUhr : TEffektuhr {
        int Pausen = 0;
        void EffektPause(int32_t) override { ++Pausen; }
    } uhr;
    TRollenersatz<TEffektuhr> ersatz(uhr);
    Zeigen();
    EXPECT_EQ(uhr.Pausen, 0) << "the first page is built before the window has been shown";
    Fenster->EffektLaeuftMelden(true);
    Navigation::GeheZuSeite(*Fenster, 2);
    Fenster->EffektLaeuftMelden(false);
    Fenster->TimerTick();
    ASSERT_EQ(Fenster->Seitennummer(), 2);
    EXPECT_EQ(uhr.Pausen, 0) << "a deferred page change plays no fades";
    Navigation::GeheZuSeite(*Fenster, 3);
    EXPECT_EQ(uhr.Pausen, THXLabel::Blendschritte);
}

size_t Anzahl(const std::vector<std::string>& Zeilen, const std::string& Zeile) {
    return static_cast<size_t>(std::count(Zeilen.begin(), Zeilen.end(), Zeile));
}

// One event 1009 for every Tab going up, Shift+Tab included; a Tab going down gives none.
TEST_F(Lernerfenster, TabGibtBeimLoslassenEinmal1009) {
    Bauen(DreiSeiten);
    Zeigen();
    struct Fall {
        Qt::Key Taste;
        Qt::KeyboardModifiers Umschalter;
    };
    for (const Fall f : {Fall{Qt::Key_Tab, {}}, Fall{Qt::Key_Backtab, Qt::ShiftModifier}}) {
        ProtokollLeeren();
        Taste(f.Taste, f.Umschalter);
        EXPECT_EQ(Anzahl(Ereignisse(), "event 0 1009"), 1u) << f.Umschalter;
    }
}

// Every mouse up on a rubber band sets its end point, with or without a drag.
TEST_F(Lernerfenster, GummibandEndetBeimLoslassen) {
    Bauen(R"("States.tab": [{"nr": 1, "fields": {"100": "1", "161": ["59"]}}],
        "Objekte.tab": [{"nr": 59, "fields": {"1200": "59", "1205": "10", "1206": "10",
                                              "1207": "200", "1208": "150"}}])");
    Zeigen();
    auto* band = qobject_cast<THFunktion*>(ObjektAufSeite(Fenster->Objektliste(), 59)->Objekt);
    ASSERT_NE(band, nullptr);
    QTest::mousePress(band, Qt::LeftButton, {}, {10, 10}); // layout 0 without Shift: no drag
    QTest::mouseRelease(band, Qt::LeftButton, {}, {40, 30});
    EXPECT_EQ(band->Systemwert(222), "40");
    EXPECT_EQ(band->Systemwert(223), "30");
    EXPECT_EQ(band->Systemwert(226), "rechts unten");
}

// A recalculation refreshes the objects of the page that show a data record.
TEST_F(Lernerfenster, BerechnenFrischtDieDatenanzeigenAuf) {
    Bauen(R"("States.tab": [{"nr": 1, "fields": {"100": "1", "161": ["7"]}}],
        "Objekte.tab": [{"nr": 7, "fields": {"1200": "7", "1221": "-", "1268": "3"}}],
        "Daten.tab": [{"nr": 3, "fields": {"301": "3"}}])");
    Zeigen();
    auto* label = qobject_cast<QLabel*>(ObjektAufSeite(Fenster->Objektliste(), 7)->Objekt);
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->text(), "3");
    TTabelle* daten = Tabelle(ArtDaten);
    daten->SchreibeText(daten->Datensatz(3), Feld::Daten::Inhalt, "7");
    Berechnen();
    EXPECT_EQ(label->text(), "7");
}

// The clickable objects of a page, in page order, with an invisible event object among them.
const char* const KlickbareObjekte = R"("States.tab": [
    {"nr": 1, "fields": {"100": "1", "101": "Erste", "161": ["4", "43", "60", "62", "12"]}},
    {"nr": 2, "fields": {"100": "2", "101": "Zweite", "161": ""}}],
    "Objekte.tab": [
    {"nr": 4, "fields": {"1200": "4", "1205": "10", "1206": "10", "1207": "80", "1208": "25",
                         "1221": "Los", "1224": "1", "1231": "3", "1218": "2"}},
    {"nr": 43, "fields": {"1200": "43", "1231": "44", "1258": "111"}},
    {"nr": 60, "fields": {"1200": "60", "1205": "10", "1206": "50", "1207": "40", "1208": "30",
                          "1224": "1", "1231": "3", "1218": "2"}},
    {"nr": 62, "fields": {"1200": "62", "1205": "10", "1206": "90", "1207": "40", "1208": "30"}},
    {"nr": 12, "fields": {"1200": "12", "1205": "10", "1206": "130", "1207": "80", "1208": "20",
                          "1221": "Weiter", "1224": "1", "1218": "2"}}])";

// Enter, Return and Space act on a focused clickable object as a click does.
TEST_F(Lernerfenster, EnterUndLeertasteKlickenDasFokussierteObjekt) {
    for (const int32_t nr : {4, 60, 12}) {
        for (const Qt::Key taste : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space}) {
            SCOPED_TRACE(std::to_string(nr) + " " + std::to_string(taste));
            Bauen(KlickbareObjekte);
            Zeigen();
            ObjektAufSeite(Fenster->Objektliste(), nr)->Objekt->setFocus();
            Taste(taste);
            EXPECT_TRUE(Bis([&] { return Fenster->Seitennummer() == 2; }));
            delete Fenster;
            Fenster = nullptr;
            TFensterliste::Liste().Leeren();
            LektionSchliessen();
            fs::remove_all(Lektion);
        }
    }
}

// Tab visits every clickable object in page order, each with a visible focus mark, and no
// stop that shows nothing.
TEST_F(Lernerfenster, TabErreichtJedesKlickbareObjekt) {
    Bauen(KlickbareObjekte);
    Zeigen();
    Fenster->activateWindow();
    std::vector<int32_t> folge;
    for (int i = 0; i < 5; ++i) {
        Taste(Qt::Key_Tab);
        QWidget* fokus = Fenster->focusWidget();
        ASSERT_NE(fokus, nullptr);
        ASSERT_TRUE(fokus->isVisible() && fokus->width() > 0) << "stop " << i;
        const TSeitenobjekt* objekt = TSeitenobjekt::Von(fokus);
        folge.push_back(objekt ? objekt->Tag : 0);
        const QImage mitFokus = fokus->grab().toImage();
        Fenster->Fokushalter()->setFocus();
        EXPECT_NE(fokus->grab().toImage(), mitFokus) << "focus mark of " << folge.back();
        fokus->setFocus();
    }
    EXPECT_EQ(folge, (std::vector<int32_t>{4, 60, 62, 12, 4}));
}

} // namespace

// After each build a later object of the list lies above every earlier object it overlaps;
// objects that overlap nothing earlier, or already lie above, keep their stacking number.
// Objects: 1 at (0,0), 2 overlapping 1, 3 far off, 4 overlapping 2 only.
TEST_F(Lernerfenster, StapelordnungFolgtDerListe) {
    Bauen(R"("States.tab": [
        {"nr": 1, "fields": {"100": "1", "161": ["4", "3", "2", "1"]}},
        {"nr": 2, "fields": {"100": "2", "161": ["1", "2", "3", "4"]}},
        {"nr": 3, "fields": {"100": "3", "161": ["3", "1", "4", "2"]}}],
        "Objekte.tab": [
        {"nr": 1, "fields": {"1200": "29", "1205": "0", "1206": "0", "1207": "50", "1208": "50"}},
        {"nr": 2, "fields": {"1200": "29", "1205": "40", "1206": "40", "1207": "50", "1208": "50"}},
        {"nr": 3, "fields": {"1200": "29", "1205": "300", "1206": "300", "1207": "9", "1208": "9"}},
        {"nr": 4, "fields": {"1200": "29", "1205": "85", "1206": "85", "1207": "20", "1208": "20"}}])");
    Zeigen();
    const auto stapel = [&] {
        std::vector<int32_t> nummern;
        ObenDurchlaufen(Fenster->Objektliste(), [&](TObjektliste& e) {
            nummern.push_back(e.Stapelnummer);
            return true;
        });
        return nummern;
    };
    // The order of the controls on the window, bottom first, by object number.
    const auto unterNachOben = [&] {
        std::vector<int32_t> nummern;
        for (QObject* kind : Fenster->children())
            ObenDurchlaufen(Fenster->Objektliste(), [&](TObjektliste& e) {
                if (e.Objekt.data() == kind) nummern.push_back(e.Nummer);
                return e.Objekt.data() != kind;
            });
        return nummern;
    };
    struct Fall {
        int Seite;
        std::vector<int32_t> Stapel;        // in list order
        std::vector<int32_t> UntenNachOben; // object numbers
    };
    const Fall faelle[] = {
        // Created in list order 4, 3, 2, 1: nothing to correct.
        {1, {1, 2, 3, 4}, {4, 3, 2, 1}},
        // Reversed: 2 goes above 1, then 4 above 2; 3 overlaps nothing and stays.
        {2, {4, 5, 2, 6}, {3, 1, 2, 4}},
        // 4 already lies above 1 (they do not overlap anyway), 2 lies below 4 and goes up.
        {3, {2, 4, 6, 7}, {3, 1, 4, 2}},
    };
    for (const Fall& f : faelle) {
        Navigation::GeheZuSeite(*Fenster, f.Seite);
        EXPECT_EQ(stapel(), f.Stapel) << "page " << f.Seite;
        EXPECT_EQ(unterNachOben(), f.UntenNachOben) << "page " << f.Seite;
    }
}
