// The system values over fixed dates and a fake of what they read from the player.

#include "support/TTestuhr.h"

#include "script/Kalender.h"
#include "script/TSystemwerte.h"

#include <gtest/gtest.h>

#include <map>

namespace {

class TTestquellen : public TSystemwertquellen {
public:
    int32_t Seitennummer() override { return Seite; }
    int32_t VorherigeSeitennummer() override { return Vorher; }
    std::vector<TAuswahl> Auswahlobjekte() override { return Auswahl; }
    std::optional<std::string> Eingabefeldinhalt(int32_t Nr) override {
        const auto f = Felder.find(Nr);
        return f == Felder.end() ? std::nullopt : std::optional(f->second);
    }
    std::optional<std::string> GeschriebenerWert(int Wert, int32_t Nr) override {
        const auto w = Geschrieben.find({Wert, Nr});
        return w == Geschrieben.end() ? std::nullopt : std::optional(w->second);
    }
    int LernzeitBeimStart() override { return Lernzeit; }

    int32_t Seite = 0, Vorher = 0;
    int Lernzeit = 0;
    std::vector<TAuswahl> Auswahl;
    std::map<int32_t, std::string> Felder;
    std::map<std::pair<int, int32_t>, std::string> Geschrieben;
};

QDateTime Am(int Jahr, int Monat, int Tag, QTime Zeit = QTime(9, 5, 7)) {
    return QDateTime(QDate(Jahr, Monat, Tag), Zeit);
}

struct TDatumsfall {
    QDateTime Jetzt;
    int Wert;
    std::string Erwartet;
};

class Systemwerte : public ::testing::Test {
protected:
    std::string Wert(int32_t Nr, int32_t Ziel = 0, int32_t Objekt = 0) {
        return Werte.Systemwert(Nr, Ziel, Objekt).value_or("<keiner>");
    }
    TTestquellen Quellen;
    TTestuhr Uhr{Am(2004, 2, 3)};
    TSystemwerte Werte{Quellen, Uhr};
};

TEST_F(Systemwerte, DatumUndZeit) {
    const TDatumsfall faelle[] = {
        {Am(2004, 2, 3), 5, "3.2.2004"},
        {Am(2004, 2, 3), 6, "03.02.2004"},
        {Am(2004, 2, 3), 7, "Di 3.Feb. 2004"},
        {Am(2004, 2, 3), 8, "Dienstag, 3. Februar 2004"},
        {Am(2004, 2, 3), 9, "3"},
        {Am(2004, 3, 7), 10, "Sonntag"},
        {Am(2004, 3, 7), 11, "M\xE4rz"},
        {Am(2004, 3, 7), 7, "So 7.Mrz. 2004"},
        {Am(2004, 2, 3), 12, "2004"},
        {Am(2004, 2, 3), 13, "9:5"},
        {Am(2004, 2, 3), 14, "09:05"},
        {Am(2004, 2, 3), 15, "09:05:07"},
        {Am(2004, 2, 3, QTime(23, 59, 8)), 16, "23"},
        {Am(2004, 2, 3), 17, "5"},
        {Am(2004, 2, 3), 18, "7"},
        {Am(2004, 2, 3), 29, "03.02.04"},
        {Am(2004, 12, 15), 35, "01.01.2005"},
        {Am(2004, 2, 10), 36, "29.02.2004"},
        {Am(2003, 2, 10), 36, "28.02.2003"},
        {Am(2004, 2, 3), 44, "Di"},
        {Am(2004, 3, 1), 45, "29.02.04"},
    };
    for (const auto& f : faelle) {
        Uhr.Zeit = f.Jetzt;
        EXPECT_EQ(Wert(f.Wert), f.Erwartet) << f.Wert << " am " << f.Jetzt.toString().toStdString();
    }
}

TEST_F(Systemwerte, Arbeitstage) {
    const TDatumsfall faelle[] = {
        // Thursday before Good Friday: Friday, the weekend and Easter Monday are off.
        {Am(2004, 4, 8), 40, "13.04.04"},
        {Am(2004, 4, 8), 41, "13.04.2004"},
        // Tuesday after Whit Monday: back over Whit Monday and the weekend.
        {Am(2004, 6, 1), 37, "28.05.04"},
        {Am(2004, 6, 1), 38, "28.05.2004"},
        // Monday: the previous working day is Friday; New Year's Day is off.
        {Am(2004, 2, 9), 37, "06.02.04"},
        {Am(2004, 1, 2), 38, "31.12.2003"},
        {Am(2003, 12, 24), 40, "29.12.03"},
        // Today + 5 is a Sunday: on to Monday. Ascension Day 2004 is 20 May.
        {Am(2004, 2, 3), 42, "09.02.04"},
        {Am(2004, 5, 15), 43, "21.05.2004"},
        // Corpus Christi (Easter + 60), German Unity, Reformation Day, All Saints.
        {Am(2004, 6, 9), 40, "11.06.04"},
        {Am(2005, 10, 2), 40, "04.10.05"},
        {Am(2005, 10, 28), 40, "02.11.05"},
    };
    for (const auto& f : faelle) {
        Uhr.Zeit = f.Jetzt;
        EXPECT_EQ(Wert(f.Wert), f.Erwartet) << f.Wert << " am " << f.Jetzt.toString().toStdString();
    }
}

TEST_F(Systemwerte, LetzterAbgeschlossenerWochentag) {
    const TDatumsfall faelle[] = {
        {Am(2004, 2, 11), 46, "08.02.04"}, // Wednesday: back to Sunday
        {Am(2004, 2, 9), 46, "08.02.04"},  // Monday: yesterday was Sunday
        {Am(2004, 3, 1), 46, "29.02.04"},  // the 1st: yesterday's day is not smaller
        {Am(2004, 3, 3), 46, "29.02.04"},  // Wednesday the 3rd: Tue 2, Mon 1, then Sun 29
        {Am(2004, 4, 2), 46, "31.03.04"},  // Friday the 2nd: Thu 1, then the 31st
    };
    for (const auto& f : faelle) {
        Uhr.Zeit = f.Jetzt;
        EXPECT_EQ(Wert(f.Wert), f.Erwartet) << f.Jetzt.toString().toStdString();
    }
}

// Easter by the anonymous Gregorian algorithm (Meeus, Jones, Butcher), to check Gauss's rule.
QDate OsternNachMeeus(int Y) {
    const int a = Y % 19, b = Y / 100, c = Y % 100, d = b / 4, e = b % 4;
    const int f = (b + 8) / 25, g = (b - f + 1) / 3;
    const int h = (19 * a + b - d - g + 15) % 30;
    const int i = c / 4, k = c % 4;
    const int l = (32 + 2 * e + 2 * i - h - k) % 7;
    const int m = (a + 11 * h + 22 * l) / 451;
    const int monat = (h + l - 7 * m + 114) / 31;
    const int tag = (h + l - 7 * m + 114) % 31 + 1;
    return QDate(Y, monat, tag);
}

TEST(Ostern, VeroeffentlichteDaten) {
    const std::pair<int, QDate> daten[] = {
        {1800, QDate(1800, 4, 13)}, {1954, QDate(1954, 4, 18)}, {2000, QDate(2000, 4, 23)},
        {2019, QDate(2019, 4, 21)}, {2049, QDate(2049, 4, 18)}, {2100, QDate(2100, 3, 28)},
    };
    for (const auto& [jahr, ostern] : daten) {
        EXPECT_EQ(Ostersonntag(jahr), ostern) << jahr;
        EXPECT_EQ(OsternNachMeeus(jahr), ostern) << jahr;
    }
}

TEST(Ostern, GaussStimmtMitMeeusUeberEin) {
    // Gauss's constants are known for 1700-2199; there both rules give the same Sunday,
    // the exceptions of 1954 and 1981 (19 instead of 26 April) and 2049, 2076 included.
    for (int jahr = 1700; jahr <= 2199; ++jahr) {
        EXPECT_EQ(Ostersonntag(jahr), OsternNachMeeus(jahr)) << jahr;
        EXPECT_EQ(Ostersonntag(jahr).dayOfWeek(), Qt::Sunday) << jahr;
    }
}

struct TBetragsfall {
    std::optional<std::string> Inhalt;
    std::vector<std::string> Erwartet; // values 3000 to 3005
};

TEST_F(Systemwerte, BetraegeAusEinemEingabefeld) {
    const TBetragsfall faelle[] = {
        {"100", {"100,00", "116", "0", "16", "0", "100"}},
        {"1.234,50", {"1.234,50", "1432", "2", "197", "52", "1.234,50"}},
        {" 12,3456 ", {"12,35", "14", "32", "1", "98", " 12,3456 "}},
        {"-3", {"-3,00", "-3", "-48", "0", "-48", "-3"}},
        {"1234567,891", {"1.234.568,00", "1432098", "75", "197530", "86", "1234567,891"}},
        {"abc", {"", "0", "0", "0", "0", "abc"}},
        {"", {"", "0", "0", "0", "0", ""}},
        {std::nullopt, {"", "", "", "", "", ""}}, // no input field of that number
    };
    for (const auto& f : faelle) {
        Quellen.Felder.clear();
        if (f.Inhalt) Quellen.Felder[7] = *f.Inhalt;
        for (int i = 0; i < 6; ++i)
            EXPECT_EQ(Wert(3000 + i, 0, 7), f.Erwartet[i])
                << (3000 + i) << " mit " << f.Inhalt.value_or("<kein Feld>");
    }
}

TEST_F(Systemwerte, Antwortmuster) {
    // Two check boxes that take part in the evaluation, only the second ticked, and a ticked
    // radio button that does not take part.
    Quellen.Auswahl = {{true, false}, {true, true}, {false, true}};
    EXPECT_EQ(Wert(1100), "010");
    EXPECT_EQ(Wert(1101), "1");
    EXPECT_EQ(Wert(1102), "2");
    EXPECT_EQ(Wert(1103), "3");
}

TEST_F(Systemwerte, UnbekannteUndFesteWerte) {
    for (int nr : {20, 21, 47, 199, 315, 1104, 1119, 2999, 3006, -1})
        EXPECT_EQ(Wert(nr), "unbekannt") << nr;
    EXPECT_EQ(Wert(0), "SystemLabel");
    EXPECT_EQ(Wert(1003), "\xDC"
                          "berschreiben");
    EXPECT_EQ(Wert(314), "nicht aktiv");
    EXPECT_EQ(Wert(301), "");
    EXPECT_EQ(Wert(305), "0");
    EXPECT_EQ(Wert(23), "nicht ge\xF6"
                        "ffnet");
    EXPECT_EQ(Wert(200, 4), "nicht abgehakt");
}

TEST_F(Systemwerte, ObjekteDieEsNichtGibt) {
    for (int nr : {1000, 1001, 1002, 1205, 1206})
        EXPECT_EQ(Wert(nr, 0, 9), "SystemLabel") << nr;
    EXPECT_EQ(Wert(1110, 0, 9), "-1");
    for (int nr : {28, 1115, 1116, 1117, 1118})
        EXPECT_EQ(Wert(nr, 0, 9), "") << nr;
}

TEST_F(Systemwerte, VorherigeSeite) {
    Quellen.Seite = 5;
    Quellen.Vorher = 3;
    EXPECT_EQ(Wert(26), "5");
    EXPECT_EQ(Wert(27), "3");
    Quellen.Vorher = 5; // the page was reloaded
    EXPECT_EQ(Wert(27), "0");
}

TEST_F(Systemwerte, VonAussenGeschriebeneWerte) {
    // Before the rubber band is used its values are unknown; 30 and 1006 have none, so the
    // text showing them stays.
    EXPECT_EQ(Wert(227, 0, 12), "unbekannt");
    EXPECT_EQ(Werte.Systemwert(30, 0, 0), std::nullopt);
    EXPECT_EQ(Werte.Systemwert(1006, 0, 0), std::nullopt);
    Quellen.Geschrieben[{227, 12}] = "3,5";
    Quellen.Geschrieben[{1006, 0}] = "8";
    EXPECT_EQ(Wert(227, 0, 12), "3,5");
    EXPECT_EQ(Wert(227, 0, 13), "unbekannt"); // another area
    EXPECT_EQ(Wert(1006), "8");
}

TEST_F(Systemwerte, LernzeitZaehltVomStartAn) {
    Quellen.Lernzeit = 30 * 60; // 00:30:00 read at start
    Uhr.Zeit = Uhr.Zeit.addSecs(10 * 60);
    EXPECT_EQ(Wert(306), "00:40:00");
}

} // namespace
