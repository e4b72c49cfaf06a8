#include "evaluation/TOrvelle.h"
#include "support/AufzeichnenderDialogDienst.h"
#include "support/Testverzeichnis.h"

#include <gtest/gtest.h>

namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace {

// A clock the test moves by hand.
class TStellbareUhr : public TUhr {
public:
    Zeitpunkt Jetzt() const override { return Zeit; }
    Zeitpunkt Zeit{1000h};
};

class Orvelle : public Testverzeichnis {
protected:
    fs::path Start(const std::string& Inhalt) {
        const fs::path datei = Verzeichnis / "param.cmi";
        DateiSchreiben(datei, Inhalt);
        return datei;
    }

    AufzeichnenderDialogDienst Dialoge;
    TStellbareUhr Uhr;
};

const char* const VollerStart = "[Core]\r\n"
                                "Student_ID=S-17\r\n"
                                "Student_Name=M\xfcller, Anna\r\n"
                                "Output_File=ausgabe\\result.cmi\r\n"
                                "Lesson_Location=12\r\n"
                                "lesson_status=incomplete\r\n"
                                "Score=85\r\n"
                                "Time=00:30:00\r\n"
                                "[Student_Demographics]\r\n"
                                "City=Bonn\r\n"
                                "Telephone=0228 1\r\n";

TEST_F(Orvelle, ZeitLaeuftWeiterUndDieAusgabeErhaeltDieLaufzeit) {
    fs::create_directory(Verzeichnis / "Ausgabe");
    const TOrvelle orvelle(Start(VollerStart), Uhr);
    ASSERT_TRUE(orvelle.Aktiv());
    EXPECT_EQ(orvelle.Beschriftung(), "Orvelle Interface [aktiv]");
    Uhr.Zeit += 10min;
    EXPECT_EQ(orvelle.Systemwert(306), "00:40:00");

    ASSERT_TRUE(orvelle.Beenden());
    // The directory is found whatever its letter case; the file did not exist before.
    EXPECT_EQ(DateiLesen(Verzeichnis / "Ausgabe" / "result.cmi"),
              "[Core]\r\nLesson_Location=12\r\nLesson_Status=incomplete\r\nScore=85\r\n"
              "Time=00:10:00\r\n");
    EXPECT_TRUE(Dialoge.Nachrichten.empty());
}

TEST_F(Orvelle, Systemwerte) {
    const TOrvelle orvelle(Start(VollerStart), Uhr);
    const std::pair<int, std::string> werte[] = {{300, "S-17"},
                                                 {301, "M\xfcller, Anna"},
                                                 {302, "ausgabe\\result.cmi"},
                                                 {303, "incomplete"},
                                                 {304, "12"},
                                                 {305, "85"},
                                                 {306, "00:30:00"},
                                                 {307, "Bonn"},
                                                 {308, ""},
                                                 {313, "0228 1"},
                                                 {314, "aktiv"},
                                                 {299, ""},
                                                 {315, ""}};
    for (const auto& [wert, text] : werte)
        EXPECT_EQ(orvelle.Systemwert(wert), text) << wert;
}

TEST_F(Orvelle, OhneStartdateiNichtAktiv) {
    const TOrvelle orvelle(Verzeichnis / "param.cmi", Uhr);
    EXPECT_FALSE(orvelle.Aktiv());
    EXPECT_EQ(orvelle.Beschriftung(), "Orvelle Interface [nicht aktiv]");
    Uhr.Zeit += 75s;
    EXPECT_EQ(orvelle.Systemwert(300), "");
    EXPECT_EQ(orvelle.Systemwert(305), "0");
    EXPECT_EQ(orvelle.Systemwert(306), "00:01:15");
    EXPECT_EQ(orvelle.Systemwert(314), "nicht aktiv");
    EXPECT_TRUE(orvelle.Beenden());
    EXPECT_EQ(std::distance(fs::directory_iterator(Verzeichnis), fs::directory_iterator()), 0);
}

TEST_F(Orvelle, OhneOutputFileWirdNichtsGeschrieben) {
    const TOrvelle orvelle(Start("[Core]\nStudent_ID=1\nTime=00:30:00\n"), Uhr);
    ASSERT_TRUE(orvelle.Aktiv());
    EXPECT_TRUE(orvelle.Ausgabedatei().empty());
    EXPECT_TRUE(orvelle.Beenden());
    EXPECT_EQ(std::distance(fs::directory_iterator(Verzeichnis), fs::directory_iterator()), 1);
    EXPECT_TRUE(Dialoge.Nachrichten.empty());
}

TEST_F(Orvelle, ScoreUndTimeDieKeineZahlenSindLesenSichAlsNull) {
    const std::pair<std::string, std::string> faelle[] = {
        {"abc", "0"}, {"", "0"}, {"85.5", "0"}, {" 42 ", "42"}, {"-3", "-3"}, {"99999999999", "0"}};
    for (const auto& [score, erwartet] : faelle) {
        const TOrvelle orvelle(Start("[Core]\nScore=" + score + "\nTime=" + score + "\n"), Uhr);
        EXPECT_EQ(orvelle.Systemwert(305), erwartet) << score;
        EXPECT_EQ(orvelle.Systemwert(306), "00:00:00") << score;
    }
}

TEST_F(Orvelle, Zeiten) {
    const std::pair<std::string, int64_t> faelle[] = {{"00:30:00", 1800},  {"0000:30:00.50", 1800},
                                                      {"25:00:01", 90001}, {"1:02", 3720},
                                                      {"00:60:00", 0},     {"x", 0},
                                                      {"00:30:00:00", 0},  {"-1:00:00", 0}};
    for (const auto& [text, sekunden] : faelle)
        EXPECT_EQ(ZeitAusText(text).count(), sekunden) << text;
    EXPECT_EQ(Zeittext(90001s), "25:00:01");
}

TEST_F(Orvelle, AusgabedateiBehaeltIhrenUebrigenInhalt) {
    DateiSchreiben(Verzeichnis / "out.cmi",
                   "; vom System\n[CORE]\nSCORE=1\nCredit=c\n[Core_Lesson]\nx=1\n");
    TOrvelle orvelle(Start("[Core]\nOutput_File=" + (Verzeichnis / "out.cmi").string() +
                           "\nScore=7\nLesson_Status=passed\n"),
                     Uhr);
    Uhr.Zeit += 3h + 2s;
    ASSERT_TRUE(orvelle.Beenden());
    EXPECT_EQ(DateiLesen(Verzeichnis / "out.cmi"),
              "; vom System\r\n\r\n\r\n[CORE]\r\nSCORE=7\r\nCredit=c\r\nLesson_Location=\r\n"
              "Lesson_Status=passed\r\nTime=03:00:02\r\n\r\n\r\n[Core_Lesson]\r\nx=1\r\n");
}

TEST_F(Orvelle, NichtSchreibbareAusgabeGibtMeldung60) {
    // A file where a directory should be stops every user, the privileged one included.
    DateiSchreiben(Verzeichnis / "datei", "");
    const TOrvelle orvelle(Start("[Core]\nOutput_File=datei\\out.cmi\nTime=00:30:00\n"), Uhr);
    EXPECT_FALSE(orvelle.Beenden());
    ASSERT_EQ(Dialoge.Nachrichten.size(), 1u);
    EXPECT_EQ(Dialoge.Nachrichten[0].Text, "Fehler beim Schreiben in die Ausgabedatei");
}

TEST_F(Orvelle, StartdateiVonDerKommandozeileSonstParamCmiDerLektion) {
    DateiSchreiben(Verzeichnis / "PARAM.CMI", "[Core]\n");
    EXPECT_EQ(Startdatei({}, Verzeichnis), Verzeichnis / "PARAM.CMI");
    EXPECT_EQ(Startdatei(Verzeichnis / "lms.ini", Verzeichnis), Verzeichnis / "lms.ini");
}

} // namespace
