#include "app/Kommandozeile.h"
#include "support/Testverzeichnis.h"
#include "vlmtab/LektionBauen.h"

#include <array>
#include <cstdio>
#include <sstream>
#include <sys/wait.h>

namespace {

namespace fs = std::filesystem;

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
        {{"--lesson"}, "", "", "--lesson braucht einen Wert"},
        {{"--bunt"}, "", "", "unbekannte Option --bunt"},
        {{"1", "2"}, "", "1", "zu viele Argumente: 2"},
    };
    for (const Fall& f : faelle) {
        const TKommandozeile k = KommandozeileLesen(f.Argumente);
        EXPECT_EQ(k.Lektionsverzeichnis, f.Lektion);
        EXPECT_EQ(k.Seite, f.Seite);
        EXPECT_EQ(k.Fehler, f.Fehler);
        EXPECT_EQ(k.Hilfe, f.Hilfe);
    }
}

TEST(Kommandozeile, SeiteIstEineZahlUeberNull) {
    const std::pair<const char*, int> faelle[] = {
        {"", 0}, {"7", 7}, {"0", 0}, {"-3", 0}, {"12a", 0}, {"abc", 0}, {"99999999999", 0}};
    for (const auto& [text, seite] : faelle) EXPECT_EQ(KommandozeilenSeite(text), seite) << text;
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
    while (size_t n = std::fread(puffer.data(), 1, puffer.size(), rohr)) ausgabe.append(puffer.data(), n);
    const int status = ::pclose(rohr);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, ausgabe};
}

class Programmaufruf : public Testverzeichnis {};

TEST_F(Programmaufruf, HilfeUndVersionOhneBildschirm) {
    const std::string ohneBildschirm = "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM";
    Ergebnis e = Ausfuehren("--help", ohneBildschirm);
    EXPECT_EQ(e.Status, 0);
    EXPECT_NE(e.Ausgabe.find("Aufruf: vlm [--lesson VERZEICHNIS] [SEITE]"), std::string::npos);
    e = Ausfuehren("--version", ohneBildschirm);
    EXPECT_EQ(e.Status, 0);
    EXPECT_EQ(e.Ausgabe.rfind("Velmora ", 0), 0u);
    e = Ausfuehren("--bunt", ohneBildschirm);
    EXPECT_EQ(e.Status, 2);
}

TEST_F(Programmaufruf, UnbrauchbaresLektionsverzeichnisEndetMitStatus2) {
    Ergebnis e = Ausfuehren("--lesson '" + (Verzeichnis / "fehlt").string() + "'");
    EXPECT_EQ(e.Status, 2);
    EXPECT_NE(e.Ausgabe.find("gibt es nicht"), std::string::npos) << e.Ausgabe;
    DateiSchreiben(Verzeichnis / "datei", "x");
    e = Ausfuehren("--lesson '" + (Verzeichnis / "datei").string() + "'");
    EXPECT_EQ(e.Status, 2);
    EXPECT_NE(e.Ausgabe.find("kein Verzeichnis"), std::string::npos) << e.Ausgabe;
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
    const Ergebnis e = Ausfuehren("--lesson '" + lektion.string() + "' --screenshot '" +
                                  bild.string() + "'",
                                  "QT_QPA_PLATFORM=offscreen");
    EXPECT_EQ(e.Status, 0) << e.Ausgabe;
    EXPECT_EQ(DateiLesen(bild).substr(1, 3), "PNG");
    EXPECT_FALSE(fs::exists(lektion / "States.tmp")) << "working copies are removed at the end";
    EXPECT_TRUE(fs::exists(lektion / "Objekte.tab"));
}

} // namespace
