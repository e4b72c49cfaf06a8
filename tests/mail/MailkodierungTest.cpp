#include "mail/Mailkodierung.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <regex>

namespace {

using namespace std::chrono_literals;

std::vector<std::string> Zeilen(const std::string& Text) {
    std::vector<std::string> zeilen;
    size_t anfang = 0;
    for (size_t ende; (ende = Text.find("\r\n", anfang)) != std::string::npos; anfang = ende + 2)
        zeilen.push_back(Text.substr(anfang, ende - anfang));
    zeilen.push_back(Text.substr(anfang));
    return zeilen;
}

// Sets the time zone for one test and restores the one before.
class Zeitzone {
public:
    explicit Zeitzone(const char* Zone) {
        if (const char* tz = std::getenv("TZ")) Vorher = tz;
        ::setenv("TZ", Zone, 1);
        ::tzset();
    }
    ~Zeitzone() {
        if (Vorher.empty())
            ::unsetenv("TZ");
        else
            ::setenv("TZ", Vorher.c_str(), 1);
        ::tzset();
    }

private:
    std::string Vorher;
};

} // namespace

TEST(Mailkodierung, Utf8WirdStrengGeprueft) {
    struct Fall {
        std::string Text;
        bool Gueltig;
    };
    const std::vector<Fall> faelle = {
        {"", true},
        {"abc", true},
        {"Grüße €", true},
        {"\xF0\x9F\x98\x80", true},
        {"Pr\xFC"
         "fung",
         false},
        {"\xC0\xAF", false},
        {"\xED\xA0\x80", false},
        {"\xF4\x90\x80\x80", false},
        {"\xE2\x82", false},
        {"\x80", false},
    };
    for (const auto& fall : faelle)
        EXPECT_EQ(IstUtf8(fall.Text), fall.Gueltig) << fall.Text;
}

TEST(Mailkodierung, BereinigenEntferntSteuerzeichen) {
    struct Fall {
        std::string Wert;
        std::string Erwartet;
    };
    const std::vector<Fall> faelle = {
        {"Hallo Welt", "Hallo Welt"},
        {"  Hallo\r\nBcc: x@y  ", "HalloBcc: x@y"},
        {"a\rb\nc\x01"
         "d\x7F"
         "e",
         "abcde"},
        {std::string("a\0b", 3), "ab"},
        {"Tab\tStopp", "Tab Stopp"},
        {"\xFC", "ü"},
    };
    for (const auto& fall : faelle)
        EXPECT_EQ(KopfwertBereinigen(fall.Wert), fall.Erwartet) << fall.Wert;
    EXPECT_EQ(AdresseBereinigen(" <a@b.de>\r\n "), "a@b.de");
    EXPECT_EQ(AdresseBereinigen("a@b.de>\r\nRCPT TO:<c@d.de"), "a@b.deRCPTTO:c@d.de");
}

TEST(Mailkodierung, AsciiBleibtWieEsIst) {
    EXPECT_EQ(KopfwertKodieren("Vlm - Evaluation"), "Vlm - Evaluation");
    EXPECT_EQ(KopfwertKodieren(""), "");
}

TEST(Mailkodierung, AnderesWirdInKodierwoerterGefaltet) {
    EXPECT_EQ(KopfwertKodieren("Jürgen"), "=?UTF-8?B?SsO8cmdlbg==?=");
    EXPECT_EQ(KopfwertKodieren("a =?x?= b"), "=?UTF-8?B?YSA9P3g/PSBi?=");

    std::string lang;
    for (int i = 0; i < 40; ++i)
        lang += "Größe ";
    const std::string kodiert = KopfwertKodieren(lang);
    const std::regex wort("=\\?UTF-8\\?B\\?[A-Za-z0-9+/]+=*\\?=");
    const auto zeilen = Zeilen(kodiert);
    EXPECT_GT(zeilen.size(), 1u);
    for (size_t i = 0; i < zeilen.size(); ++i) {
        const std::string w = i == 0 ? zeilen[i] : zeilen[i].substr(1);
        EXPECT_TRUE(i == 0 || zeilen[i][0] == ' ');
        EXPECT_TRUE(std::regex_match(w, wort)) << w;
        EXPECT_LE(w.size(), 75u);
    }
}

TEST(Mailkodierung, AdressenMitNamen) {
    struct Fall {
        std::string Name;
        std::string Adresse;
        std::string Erwartet;
    };
    const std::vector<Fall> faelle = {
        {"", "a@b.de", "a@b.de"},
        {"Max Mustermann", "m@b.de", "\"Max Mustermann\" <m@b.de>"},
        {"Mustermann, Max", "m@b.de", "\"Mustermann, Max\" <m@b.de>"},
        {"Sag \"Hi\" \\o/", "m@b.de", "\"Sag \\\"Hi\\\" \\\\o/\" <m@b.de>"},
        {"Jürgen", "j@b.de", "=?UTF-8?B?SsO8cmdlbg==?= <j@b.de>"},
        {"Brenkmann\r\nBcc: x@y", "<e@b.de>\r\n", "\"BrenkmannBcc: x@y\" <e@b.de>"},
    };
    for (const auto& fall : faelle)
        EXPECT_EQ(AdresseFormatieren(fall.Name, fall.Adresse), fall.Erwartet) << fall.Name;
}

TEST(Mailkodierung, AnlagennameAlsParameter) {
    struct Fall {
        std::string Name;
        std::string Erwartet;
    };
    const std::vector<Fall> faelle = {
        {"Lerner.tab", "Content-Disposition: attachment; filename=\"Lerner.tab\""},
        {"Mit Leer; zeichen.txt",
         "Content-Disposition: attachment; filename=\"Mit Leer; zeichen.txt\""},
        {"Prüfung.txt", "Content-Disposition: attachment; filename*=UTF-8''Pr%C3%BCfung.txt"},
        {"a\"b\\c", "Content-Disposition: attachment; filename*=UTF-8''a%22b%5Cc"},
        {"x\r\ny", "Content-Disposition: attachment; filename=\"xy\""},
        {"", "Content-Disposition: attachment"},
    };
    for (const auto& fall : faelle)
        EXPECT_EQ(AnlageKopf(fall.Name), fall.Erwartet) << fall.Name;
}

TEST(Mailkodierung, DatumNachDemStandardInOrtszeit) {
    // 2001-07-05 12:34:56 UTC.
    const auto zeitpunkt = std::chrono::system_clock::time_point(994336496s);
    struct Fall {
        const char* Zone;
        std::string Erwartet;
    };
    const std::vector<Fall> faelle = {
        {"UTC0", "Thu, 05 Jul 2001 12:34:56 +0000"},
        {"XYZ-5:30", "Thu, 05 Jul 2001 18:04:56 +0530"},
        {"ABC+3", "Thu, 05 Jul 2001 09:34:56 -0300"},
        {"CET-1CEST,M3.5.0,M10.5.0/3", "Thu, 05 Jul 2001 14:34:56 +0200"},
        {"LAN+13", "Wed, 04 Jul 2001 23:34:56 -1300"},
    };
    for (const auto& fall : faelle) {
        Zeitzone zone(fall.Zone);
        EXPECT_EQ(DatumFormatieren(zeitpunkt), fall.Erwartet) << fall.Zone;
    }
}
