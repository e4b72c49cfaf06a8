#include "evaluation/TOrvelle.h"
#include "store/TAnwendungskontext.h"
#include "support/AufzeichnenderDialogDienst.h"
#include "support/TTestuhr.h"
#include "support/Testverzeichnis.h"

#include <gtest/gtest.h>

namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace {

class Orvelle : public Testverzeichnis {
protected:
    fs::path Start(const std::string& Inhalt) {
        const fs::path datei = Verzeichnis / "param.cmi";
        DateiSchreiben(datei, Inhalt);
        return datei;
    }

    // The interface as the program starts it, by the test's clock.
    std::unique_ptr<TOrvelle> Starten(const fs::path& Startdatei) {
        auto orvelle = std::make_unique<TOrvelle>();
        orvelle->Starten(Startdatei);
        return orvelle;
    }

    void Weiter(std::chrono::seconds Dauer) {
        Uhr.Zeit = Uhr.Zeit.addSecs(static_cast<qint64>(Dauer.count()));
    }

    AufzeichnenderDialogDienst Dialoge;
    TTestuhr Uhr{QDateTime(QDate(2026, 3, 2), QTime(8, 0))};
    TRollenersatz<TUhr> UhrErsatz{Uhr};
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

TEST_F(Orvelle, DieAusgabeErhaeltDieLaufzeit) {
    fs::create_directory(Verzeichnis / "Ausgabe");
    const auto orvelle = Starten(Start(VollerStart));
    ASSERT_TRUE(orvelle->Aktiv());
    EXPECT_EQ(orvelle->Beschriftung(), "Orvelle Interface [aktiv]");
    EXPECT_EQ(orvelle->Time, 30min);
    Weiter(10min);
    EXPECT_EQ(orvelle->Laufzeit(), 10min);

    ASSERT_TRUE(orvelle->Beenden());
    // The directory is found whatever its letter case; the file did not exist before.
    EXPECT_EQ(DateiLesen(Verzeichnis / "Ausgabe" / "result.cmi"),
              "[Core]\r\nLesson_Location=12\r\nLesson_Status=incomplete\r\nScore=85\r\n"
              "Time=00:10:00\r\n");
    EXPECT_TRUE(Dialoge.Nachrichten.empty());
}

TEST_F(Orvelle, WerteWieGelesen) {
    const auto orvelle = Starten(Start(VollerStart));
    const std::pair<int, std::string> werte[] = {{300, "S-17"},
                                                 {301, "M\xfcller, Anna"},
                                                 {302, "ausgabe\\result.cmi"},
                                                 {303, "incomplete"},
                                                 {304, "12"},
                                                 {307, "Bonn"},
                                                 {308, ""},
                                                 {313, "0228 1"},
                                                 {299, ""},
                                                 {305, ""},
                                                 {306, ""},
                                                 {314, ""}};
    for (const auto& [wert, text] : werte)
        EXPECT_EQ(orvelle->Wert(wert), text) << wert;
    EXPECT_EQ(orvelle->Score, 85);
}

TEST_F(Orvelle, OhneStartdateiNichtAktiv) {
    const auto orvelle = Starten(Verzeichnis / "param.cmi");
    EXPECT_FALSE(orvelle->Aktiv());
    EXPECT_EQ(orvelle->Beschriftung(), "Orvelle Interface [nicht aktiv]");
    EXPECT_EQ(orvelle->Wert(300), "");
    EXPECT_EQ(orvelle->Score, 0);
    EXPECT_EQ(orvelle->Time, 0s);
    EXPECT_TRUE(orvelle->Beenden());
    EXPECT_EQ(std::distance(fs::directory_iterator(Verzeichnis), fs::directory_iterator()), 0);
}

TEST_F(Orvelle, OhneOutputFileWirdNichtsGeschrieben) {
    const auto orvelle = Starten(Start("[Core]\nStudent_ID=1\nTime=00:30:00\n"));
    ASSERT_TRUE(orvelle->Aktiv());
    EXPECT_TRUE(orvelle->Ausgabedatei().empty());
    EXPECT_TRUE(orvelle->Beenden());
    EXPECT_EQ(std::distance(fs::directory_iterator(Verzeichnis), fs::directory_iterator()), 1);
    EXPECT_TRUE(Dialoge.Nachrichten.empty());
}

TEST_F(Orvelle, ScoreUndTimeDieKeineZahlenSindLesenSichAlsNull) {
    const std::pair<std::string, int32_t> faelle[] = {{"abc", 0},   {"", 0},    {"85.5", 0},
                                                      {" 42 ", 42}, {"-3", -3}, {"99999999999", 0}};
    for (const auto& [score, erwartet] : faelle) {
        const auto orvelle = Starten(Start("[Core]\nScore=" + score + "\nTime=" + score + "\n"));
        EXPECT_EQ(orvelle->Score, erwartet) << score;
        EXPECT_EQ(orvelle->Time, 0s) << score;
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
    const auto orvelle = Starten(Start("[Core]\nOutput_File=" + (Verzeichnis / "out.cmi").string() +
                                       "\nScore=7\nLesson_Status=passed\n"));
    Weiter(3h + 2s);
    ASSERT_TRUE(orvelle->Beenden());
    EXPECT_EQ(DateiLesen(Verzeichnis / "out.cmi"),
              "; vom System\r\n\r\n\r\n[CORE]\r\nSCORE=7\r\nCredit=c\r\nLesson_Location=\r\n"
              "Lesson_Status=passed\r\nTime=03:00:02\r\n\r\n\r\n[Core_Lesson]\r\nx=1\r\n");
}

TEST_F(Orvelle, NichtSchreibbareAusgabeGibtMeldung60) {
    // A file where a directory should be stops every user, the privileged one included.
    DateiSchreiben(Verzeichnis / "datei", "");
    const auto orvelle = Starten(Start("[Core]\nOutput_File=datei\\out.cmi\nTime=00:30:00\n"));
    EXPECT_FALSE(orvelle->Beenden());
    ASSERT_EQ(Dialoge.Nachrichten.size(), 1u);
    EXPECT_EQ(Dialoge.Nachrichten[0].Text, "Fehler beim Schreiben in die Ausgabedatei");
}

TEST_F(Orvelle, StartdateiVonDerKommandozeileSonstParamCmiDerLektion) {
    DateiSchreiben(Verzeichnis / "PARAM.CMI", "[Core]\n");
    EXPECT_EQ(Startdatei({}, Verzeichnis), Verzeichnis / "PARAM.CMI");
    EXPECT_EQ(Startdatei(Verzeichnis / "lms.ini", Verzeichnis), Verzeichnis / "lms.ini");
}

} // namespace
