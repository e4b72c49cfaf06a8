#include "app/Kommandozeile.h"
#include "support/QtAnwendung.h"
#include "support/Testverzeichnis.h"
#include "vlmtab/LektionBauen.h"

#include <QImage>

#include <algorithm>
#include <array>
#include <cstdio>
#include <sstream>
#include <sys/wait.h>

namespace {

namespace fs = std::filesystem;

auto* const qt = ::testing::AddGlobalTestEnvironment(new QtAnwendung);

TEST(Kommandozeile, Lesen) {
    struct Fall {
        std::vector<std::string> Argumente;
        std::string Lektion, Seite, Fehler;
        bool Hilfe = false;
    };
    const Fall faelle[] = {
        {{}, "", "", ""},
        {{"12"}, "", "12", ""},
        {{"--lesson", "/x/y", "3"}, "/x/y", "3", ""},
        {{"--lesson=/a b", "abc"}, "/a b", "abc", ""},
        {{"-5"}, "", "-5", ""},
        {{"--help"}, "", "", "", true},
        {{"--lesson"}, "", "", "--lesson needs a value"},
        {{"--bunt"}, "", "", "unknown option --bunt"},
        {{"1", "2"}, "", "1", "too many arguments: 2"},
    };
    for (const Fall& f : faelle) {
        const TKommandozeile k = KommandozeileLesen(f.Argumente);
        EXPECT_EQ(k.Lektionsverzeichnis, f.Lektion);
        EXPECT_EQ(k.Seite, f.Seite);
        EXPECT_EQ(k.Fehler, f.Fehler);
        EXPECT_EQ(k.Hilfe, f.Hilfe);
    }
}

TEST(Kommandozeile, SendenMitTypUndArgument) {
    struct Fall {
        std::vector<std::string> Argumente;
        int Typ;
        std::string Argument, Fehler;
    };
    const Fall faelle[] = {
        {{"--send", "weiter"}, 3, "", ""},
        {{"--send", "3", "--lesson", "/x"}, 3, "", ""},
        {{"--lesson", "/x", "--send=seite", "12"}, 1, "12", ""},
        {{"--send", "14", "-7"}, 14, "-7", ""},
        {{"--send", "15"}, 0, "", "unknown command 15"},
        {{"--send", "0"}, 0, "", "unknown command 0"},
        {{"--send", "seite", "zwölf"}, 1, "zwölf", "the argument zwölf is not a number"},
        {{"--send", "seite", "99999999999"},
         1,
         "99999999999",
         "the argument 99999999999 is not a number"},
        {{"--send"}, 0, "", "--send needs a value"},
        {{"--send", "3", "--screenshot", "a.png"},
         3,
         "",
         "--send and --screenshot exclude each other"},
    };
    for (const Fall& f : faelle) {
        const TKommandozeile k = KommandozeileLesen(f.Argumente);
        EXPECT_EQ(k.Fehler, f.Fehler) << f.Argumente.back();
        if (!f.Fehler.empty()) continue;
        EXPECT_TRUE(k.Senden);
        EXPECT_EQ(Sendetyp(k.Sendetyp), f.Typ);
        EXPECT_EQ(k.Sendeargument, f.Argument);
        EXPECT_EQ(k.Seite, "") << "the plain argument is the command's";
    }
}

TEST(Kommandozeile, SeiteIstEineZahlUeberNull) {
    const std::pair<const char*, int> faelle[] = {
        {"", 0}, {"7", 7}, {"0", 0}, {"-3", 0}, {"12a", 0}, {"abc", 0}, {"99999999999", 0}};
    for (const auto& [text, seite] : faelle)
        EXPECT_EQ(KommandozeilenSeite(text), seite) << text;
}

struct Ergebnis {
    int Status;
    std::string Ausgabe;
};

// Runs the player as a process, standard error joined to standard output.
Ergebnis Ausfuehren(const std::string& Argumente, const std::string& Umgebung = "") {
    const std::string befehl = Umgebung + " " VLM_PROGRAMM " " + Argumente + " 2>&1";
    FILE* rohr = ::popen(befehl.c_str(), "r");
    std::string ausgabe;
    std::array<char, 512> puffer{};
    while (size_t n = std::fread(puffer.data(), 1, puffer.size(), rohr))
        ausgabe.append(puffer.data(), n);
    const int status = ::pclose(rohr);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, ausgabe};
}

class Programmaufruf : public Testverzeichnis {};

TEST_F(Programmaufruf, HilfeUndVersionOhneBildschirm) {
    const std::string ohneBildschirm = "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM";
    Ergebnis e = Ausfuehren("--help", ohneBildschirm);
    EXPECT_EQ(e.Status, 0);
    EXPECT_NE(e.Ausgabe.find("Usage: vlm [--lesson DIRECTORY] [PAGE]"), std::string::npos);
    e = Ausfuehren("--version", ohneBildschirm);
    EXPECT_EQ(e.Status, 0);
    EXPECT_EQ(e.Ausgabe.rfind("Velmora ", 0), 0u);
    e = Ausfuehren("--bunt", ohneBildschirm);
    EXPECT_EQ(e.Status, 2);
}

TEST_F(Programmaufruf, UnbrauchbaresLektionsverzeichnisEndetMitStatus2) {
    Ergebnis e = Ausfuehren("--lesson '" + (Verzeichnis / "fehlt").string() + "'");
    EXPECT_EQ(e.Status, 2);
    EXPECT_NE(e.Ausgabe.find("does not exist"), std::string::npos) << e.Ausgabe;
    DateiSchreiben(Verzeichnis / "datei", "x");
    e = Ausfuehren("--lesson '" + (Verzeichnis / "datei").string() + "'");
    EXPECT_EQ(e.Status, 2);
    EXPECT_NE(e.Ausgabe.find("is not a directory"), std::string::npos) << e.Ausgabe;
}

TEST_F(Programmaufruf, BildschirmfotoDesErstenFensters) {
    const fs::path lektion = Verzeichnis / "Lektion mit Blanks";
    std::ostringstream meldungen;
    ASSERT_EQ(vlmtab::LektionAusTextBauen(
                  R"({"tables": {"States.tab": [{"nr": 1, "fields": {"100": "1"}}]},
                      "ini": {"Lektion": {"Name": "Foto", "MailServer": "127.0.0.1:1"}}})",
                  "test", lektion, meldungen),
              0);
    const fs::path bild = Verzeichnis / "seite.png";
    const std::string aufruf =
        "--lesson '" + lektion.string() + "' --screenshot '" + bild.string() + "'";
    Ergebnis e = Ausfuehren(aufruf, "QT_QPA_PLATFORM=offscreen");
    EXPECT_EQ(e.Status, 0) << e.Ausgabe;
    EXPECT_EQ(DateiLesen(bild).substr(1, 3), "PNG");
    EXPECT_FALSE(fs::exists(lektion / "States.tmp")) << "working copies are removed at the end";
    EXPECT_TRUE(fs::exists(lektion / "Objekte.tab"));

    e = Ausfuehren(aufruf + " 99", "QT_QPA_PLATFORM=offscreen");
    EXPECT_EQ(e.Status, 3);
    EXPECT_NE(e.Ausgabe.find("the lesson has no page 99"), std::string::npos) << e.Ausgabe;
}

TEST(Kommandozeile, StartdateiEinesLernmanagementsystems) {
    EXPECT_EQ(KommandozeileLesen({"--aicc", "/lms/param.cmi", "4"}).Startdatei, "/lms/param.cmi");
    EXPECT_EQ(KommandozeileLesen({"--aicc", "/lms/param.cmi", "4"}).Seite, "4");
    EXPECT_EQ(KommandozeileLesen({"--aicc=a.cmi"}).Startdatei, "a.cmi");
    EXPECT_EQ(KommandozeileLesen({"--aicc"}).Fehler, "--aicc needs a value");
}

// A learning-management system names the start file; the lesson's end writes the output
// file it names, relative to the start file, with the learning time of this run.
TEST_F(Programmaufruf, StartdateiUndAusgabedateiDesLernmanagementsystems) {
    if (!VELMORA_LERNPLATTFORM) GTEST_SKIP() << "built without the learning-management interface";
    const fs::path lektion = Verzeichnis / "lektion";
    std::ostringstream meldungen;
    ASSERT_EQ(vlmtab::LektionAusTextBauen(
                  R"({"tables": {"States.tab": [{"nr": 1, "fields": {"100": "1", "104": "1"}}]},
                      "ini": {"Lektion": {"Name": "LMS", "MailServer": "127.0.0.1:1"}}})",
                  "test", lektion, meldungen),
              0);
    fs::create_directories(Verzeichnis / "lms");
    DateiSchreiben(Verzeichnis / "lms" / "start.cmi",
                   "[Core]\r\nStudent_ID=7\r\nOutput_File=.\\ergebnis.cmi\r\n"
                   "Lesson_Status=incomplete\r\nLesson_Location=1\r\nScore=x\r\n"
                   "Time=00:30:00\r\n");
    const std::string aufruf = "--lesson '" + lektion.string() + "' --aicc '" +
                               (Verzeichnis / "lms" / "start.cmi").string() + "' --screenshot '" +
                               (Verzeichnis / "seite.png").string() + "'";
    const Ergebnis e = Ausfuehren(aufruf, "QT_QPA_PLATFORM=offscreen");
    EXPECT_EQ(e.Status, 0) << e.Ausgabe;
    const std::string ausgabe = DateiLesen(Verzeichnis / "lms" / "ergebnis.cmi");
    EXPECT_EQ(ausgabe.rfind("[Core]\r\nLesson_Location=1\r\nLesson_Status=incomplete\r\n"
                            "Score=0\r\nTime=00:00:",
                            0),
              0u)
        << ausgabe;
}

// A headless run has nobody to press a button: a box that comes up while the page is built
// is answered with its default, its text goes to standard error, and the picture is saved
// with status 4. (The time-out only ends a run that would wait for ever.)
TEST_F(Programmaufruf, BildschirmfotoBeantwortetMeldungenUndEndetMitStatus4) {
    struct Fall {
        const char* Name;
        const char* Ini;
        bool SeitenAlsVerzeichnis;
        const char* Text;
    };
    for (const Fall& f :
         {Fall{"zu breit", R"({"Lektion": {"Breite": "20000"}})", false, "Die Aufl\u00f6sung"},
          Fall{"Verzeichnis States.tab", R"({"Lektion": {}})", true,
               "Fehler beim Erstellen der Datei States.tab"}}) {
        SCOPED_TRACE(f.Name);
        const fs::path lektion = Verzeichnis / f.Name;
        std::ostringstream meldungen;
        ASSERT_EQ(vlmtab::LektionAusTextBauen(
                      std::string(R"({"tables": {"States.tab": [{"nr": 1, "fields": {"100": "1"}}]},
                                      "ini": )") +
                          f.Ini + "}",
                      "test", lektion, meldungen),
                  0)
            << meldungen.str();
        if (f.SeitenAlsVerzeichnis) {
            fs::remove(lektion / "States.tab");
            fs::create_directory(lektion / "States.tab");
        }
        const fs::path bild = Verzeichnis / (std::string(f.Name) + ".png");
        const Ergebnis e =
            Ausfuehren("--lesson '" + lektion.string() + "' --screenshot '" + bild.string() + "'",
                       "QT_QPA_PLATFORM=offscreen timeout 120");
        EXPECT_EQ(e.Status, 4) << e.Ausgabe;
        EXPECT_NE(e.Ausgabe.find(f.Text), std::string::npos) << e.Ausgabe;
        EXPECT_EQ(DateiLesen(bild).substr(1, 3), "PNG");
    }
}

TEST_F(Programmaufruf, BildschirmfotoEinerSeiteUndProtokoll) {
    const fs::path lektion = Verzeichnis / "lektion";
    std::ostringstream meldungen;
    ASSERT_EQ(vlmtab::LektionAusTextBauen(
                  R"({"tables": {"States.tab": [{"nr": 1, "fields": {"100": "1"}},
                                   {"nr": 2, "fields": {"100": "2", "112": "255"}}]},
                      "ini": {"Lektion": {"MailServer": "127.0.0.1:1"}}})",
                  "test", lektion, meldungen),
              0);
    const fs::path bild = Verzeichnis / "seite2.png";
    const fs::path protokoll = Verzeichnis / "protokoll.txt";
    const Ergebnis e =
        Ausfuehren("--lesson '" + lektion.string() + "' --log '" + protokoll.string() +
                       "' --screenshot '" + bild.string() + "' 2",
                   "QT_QPA_PLATFORM=offscreen");
    ASSERT_EQ(e.Status, 0) << e.Ausgabe;
    QImage foto(QString::fromStdString(bild.string()));
    ASSERT_FALSE(foto.isNull());
    EXPECT_EQ(foto.pixelColor(foto.width() / 2, foto.height() / 2), QColor(255, 0, 0));

    // "<ms> page 2", then the page's closing event.
    std::istringstream zeilen(DateiLesen(protokoll));
    std::vector<std::string> gelesen;
    for (std::string z; std::getline(zeilen, z);)
        gelesen.push_back(z.substr(z.find(' ') + 1));
    const auto seite = std::find(gelesen.begin(), gelesen.end(), "page 2");
    ASSERT_NE(seite, gelesen.end()) << DateiLesen(protokoll);
    ASSERT_NE(seite + 1, gelesen.end());
    EXPECT_EQ(*(seite + 1), "event 0 104");
    EXPECT_NE(std::find(gelesen.begin(), seite, "event 0 105"), seite);
}

} // namespace
