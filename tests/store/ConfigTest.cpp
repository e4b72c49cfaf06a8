#include "store/Config.h"
#include "store/Datenlexikon.h"
#include "store/Lektionsdateien.h"
#include "store/TTabelle.h"
#include "support/AufzeichnenderDialogDienst.h"
#include "support/Testverzeichnis.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <set>
#include <sys/stat.h>
#include <tuple>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace std::string_literals;

namespace {

// A lesson in its own directory, program and lesson directory being the same.
class ConfigTest : public Testverzeichnis {
protected:
    void SetUp() override {
        Testverzeichnis::SetUp();
        Vorher = Lektionsorte();
        Lektionsorte() = {Verzeichnis, Verzeichnis, Verzeichnis / "arbeit", false, false};
        fs::create_directory(Verzeichnis / "arbeit");
    }
    void TearDown() override {
        Lektionsorte() = Vorher;
        Testverzeichnis::TearDown();
    }

    fs::path Ini() const { return Verzeichnis / "VLM.INI"; }
    void IniSchreiben(const std::string& Bytes) const { DateiSchreiben(Ini(), Bytes); }

    TLektionsorte Vorher;
    AufzeichnenderDialogDienst dialoge;
};

TEST_F(ConfigTest, OhneDateiGeltenDieVorgaben) {
    const TKonfiguration k = KonfigurationLesen(Ini());
    EXPECT_EQ(k.Breite, 800);
    EXPECT_EQ(k.Hoehe, 570);
    EXPECT_EQ(k.SchattenRandbreite, 0);
    EXPECT_EQ(k.DefaultState, 0);
    EXPECT_EQ(k.Name, "");
    EXPECT_EQ(k.Benutzer, "Anonymous");
    EXPECT_FALSE(k.MailServer.empty());
    EXPECT_EQ(StartseiteLesen(), 1);
    EXPECT_EQ(TempPfadLesen(), "");
    EXPECT_TRUE(dialoge.Nachrichten.empty());
}

TEST_F(ConfigTest, LiestAlleSchluesselOhneGrossKleinUndAlsBytes) {
    IniSchreiben("[lektion]\r\nBREITE=1024\r\nhoehe = 768\r\nSchattenRandbreite=3\r\n"
                 "SchattenGrauwert=-2\r\nName=K\xFC"
                 "che 1\r\nScriptpfad=scripts\r\nEvaluationsAdresse=e@x\r\nEMailAdresse=a@x\r\n"
                 "Server=s\r\nMailServer=m\r\nBenutzer=b\r\nPasswort=p\r\nDefaultState=7\r\n"
                 "TempPfad=/tmp/v\r\n[STATE]\r\nnr=12\r\n");
    const TKonfiguration k = KonfigurationLesen(Ini());
    EXPECT_EQ(k.Breite, 1024);
    EXPECT_EQ(k.Hoehe, 768);
    EXPECT_EQ(k.SchattenRandbreite, 3);
    EXPECT_EQ(k.SchattenGrauwert, -2);
    EXPECT_EQ(k.Name, "K\xFC"
                      "che 1");
    EXPECT_EQ(k.Scriptpfad, "scripts");
    EXPECT_EQ(k.EvaluationsAdresse, "e@x");
    EXPECT_EQ(k.EMailAdresse, "a@x");
    EXPECT_EQ(k.Server, "s");
    EXPECT_EQ(k.MailServer, "m");
    EXPECT_EQ(k.Benutzer, "b");
    EXPECT_EQ(k.Passwort, "p");
    EXPECT_EQ(k.DefaultState, 7);
    EXPECT_EQ(TempPfadLesen(), "/tmp/v");
    EXPECT_EQ(StartseiteLesen(), 12);
}

TEST_F(ConfigTest, ZahlschluesselOhneGanzzahlGebenDieVorgabe) {
    const std::pair<const char*, int32_t> faelle[] = {
        {"640", 640},        {" -5 ", -5},   {"+7", 7},
        {"", 800},           {"12abc", 800}, {"abc", 800},
        {"1.5", 800},        {"0x10", 800},  {"2147483647", 2147483647},
        {"2147483648", 800}, {"-", 800},
    };
    for (const auto& [wert, erwartet] : faelle) {
        IniSchreiben(std::string("[Lektion]\nBreite=") + wert + "\n");
        EXPECT_EQ(KonfigurationLesen(Ini()).Breite, erwartet) << wert;
    }
}

TEST_F(ConfigTest, SchlechteDateienLadenOhneAbsturz) {
    const std::pair<std::string, int32_t> faelle[] = {
        {"\xEF\xBB\xBF[Lektion]\r\nBreite=900\r\n", 900}, // BOM
        {"[Lektion]\rBreite=900\rHoehe=1\r", 900},        // CR only
        {"[Lektion]\n\r\nBreite=900\n\r", 900},           // mixed breaks
        {"[Lektion]\nBreite=900\nBreite=700\n", 900},     // first key wins
        {"Breite=700\n[Lektion]\nBreite=900\n", 900},     // key without section
        {"Breite=700\n", 800},                            // only outside
        {"[Lektion]\nName=" + std::string(200000, 'x') + "\nBreite=900\n", 900},
        {"[Lektion]\nBreite=900\n\0\xFF\x1B[[[==\n]]"s, 900},
        {"\0\0[Lektion]\nBreite=900\n"s, 800},
        {"[Lektion\nBreite=900\n", 800},
        {"[Lektion]\n;Breite=700\n#Breite=600\nBreite=900", 900},
    };
    for (const auto& [inhalt, breite] : faelle) {
        IniSchreiben(inhalt);
        EXPECT_EQ(KonfigurationLesen(Ini()).Breite, breite) << inhalt.substr(0, 40);
    }
    std::string muell;
    for (int i = 0; i < 100000; ++i)
        muell += static_cast<char>((i * 7919) % 256);
    IniSchreiben(muell);
    KonfigurationLesen(Ini());
    EXPECT_EQ(StartseiteLesen(), 1);
}

// A pipe, a device or a directory under the name, or a file above 1 MB, is not read: the
// defaults hold and the reason is shown. Nothing waits for a writer or reads without end
// (the alarm ends a test that would).
TEST_F(ConfigTest, NurGewoehnlicheDateienBisEinMegabyteWerdenGelesen) {
    const std::string zuGross = "[Lektion]\nBreite=900\n" + std::string(MaxIniGroesse, ';');
    const std::pair<const char*, std::function<void()>> faelle[] = {
        {"Pipe", [&] { ASSERT_EQ(::mkfifo(Ini().c_str(), 0644), 0); }},
        {"/dev/zero", [&] { fs::create_symlink("/dev/zero", Ini()); }},
        {"Verzeichnis", [&] { fs::create_directory(Ini()); }},
        {"zu gross", [&] { IniSchreiben(zuGross); }},
    };
    ::alarm(30);
    for (const auto& [name, anlegen] : faelle) {
        SCOPED_TRACE(name);
        dialoge.Nachrichten.clear();
        fs::remove_all(Ini());
        anlegen();
        EXPECT_EQ(KonfigurationLesen(Ini()).Breite, 800);
        ASSERT_EQ(dialoge.Nachrichten.size(), 1u);
        EXPECT_EQ(
            dialoge.Nachrichten[0].Text.rfind("Fehler beim Lesen in der Datei VLM.INI: \n", 0), 0u)
            << dialoge.Nachrichten[0].Text;
    }
    ::alarm(0);
    IniSchreiben(zuGross.substr(0, MaxIniGroesse));
    EXPECT_EQ(KonfigurationLesen(Ini()).Breite, 900);
}

TEST_F(ConfigTest, OrtDerDateiFolgtDemSchreibschutz) {
    IniSchreiben("[Lektion]\nBreite=1\nTempPfad=programm\nName=Lektion 1 (Grundlagen)\n");
    DateiSchreiben(Verzeichnis / "arbeit" / "vlm.ini",
                   "[Lektion]\nBreite=2\nTempPfad=arbeit\nName=anders\n[State]\nNr=9\n");
    KonfigurationLesen();
    EXPECT_EQ(Konfiguration().Breite, 1);
    EXPECT_EQ(StartseiteLesen(), 1);
    Lektionsorte().SchreibgeschuetzteLektion = true;
    KonfigurationLesen();
    EXPECT_EQ(Konfiguration().Breite, 2);
    EXPECT_EQ(StartseiteLesen(), 9);
    EXPECT_EQ(TempPfadLesen(), "programm");
    EXPECT_EQ(LektionsnameLesen(), "Lektion1Grundlagen");
}

TEST_F(ConfigTest, LektionsnameBehaeltNurNullBisKleinZ) {
    IniSchreiben("[Lektion]\nName= a/b\\c{d}~\xE4z_9:Z\x7F!\n");
    EXPECT_EQ(LektionsnameLesen(), "ab\\cdz_9:Z");
}

// Writing the resume page changes only that value; line breaks stay those of the file.
TEST_F(ConfigTest, StartseiteSchreibenBehaeltDenRestDerDatei) {
    const std::tuple<std::string, int32_t, std::string> faelle[] = {
        {"; Kommentar\r\n[Lektion]\r\nName=X\r\n\r\n[State]\r\nNr=3\r\n[Andere]\r\nNr=4\r\n", 17,
         "; Kommentar\r\n[Lektion]\r\nName=X\r\n\r\n[State]\r\nNr=17\r\n[Andere]\r\nNr=4\r\n"},
        {"[state]\nA=1\n  nR =  3  \nB=2\nNr=5\n", -2, "[state]\nA=1\n  nR =  -2\nB=2\nNr=5\n"},
        {"[Lektion]\nName=X\n", 4, "[Lektion]\nName=X\n[State]\nNr=4\n"},
        {"[Lektion]\r\nName=X", 4, "[Lektion]\r\nName=X\r\n[State]\r\nNr=4\r\n"},
        {"[State]\nA=1\n\n[Lektion]\nName=X\n", 4, "[State]\nA=1\nNr=4\n\n[Lektion]\nName=X\n"},
        {"[State]", 4, "[State]\r\nNr=4\r\n"},
        {"[State]\n;Nr=1\n", 4, "[State]\n;Nr=1\nNr=4\n"},
        {"\xEF\xBB\xBF[State]\nNr=1\n", 4, "\xEF\xBB\xBF[State]\nNr=4\n"},
        {"[State]\rNr=1\r", 4, "[State]\rNr=4\r"},
        {"", 1, "[State]\r\nNr=1\r\n"},
    };
    for (const auto& [vorher, seite, nachher] : faelle) {
        IniSchreiben(vorher);
        EXPECT_TRUE(StartseiteSchreiben(seite));
        EXPECT_EQ(DateiLesen(Ini()), nachher) << vorher;
        EXPECT_EQ(StartseiteLesen(), seite);
    }
    EXPECT_TRUE(dialoge.Nachrichten.empty());
}

TEST_F(ConfigTest, StartseiteSchreibenLegtDieDateiAnUndHinterlaesstNichts) {
    EXPECT_TRUE(StartseiteSchreiben(5));
    EXPECT_EQ(DateiLesen(Ini()), "[State]\r\nNr=5\r\n");
    int dateien = 0;
    for ([[maybe_unused]] const auto& e : fs::directory_iterator(Verzeichnis))
        ++dateien;
    EXPECT_EQ(dateien, 2); // VLM.INI and the working directory
}

TEST_F(ConfigTest, SchreibgeschuetzteDateiBleibtUnveraendert) {
    IniSchreiben("[State]\nNr=3\n");
    fs::permissions(Ini(), fs::perms::owner_read | fs::perms::group_read);
    EXPECT_FALSE(StartseiteSchreiben(8));
    EXPECT_EQ(DateiLesen(Ini()), "[State]\nNr=3\n");
    ASSERT_EQ(dialoge.Nachrichten.size(), 1u);
    EXPECT_EQ(dialoge.Nachrichten[0].Art, Symbol::Fehler);
    EXPECT_EQ(
        dialoge.Nachrichten[0].Text.rfind("Fehler beim Zugreifen auf die Datei VLM.INI: \n", 0),
        0u);
}

TEST_F(ConfigTest, FehlendesVerzeichnisWirdGemeldet) {
    Lektionsorte().Programmverzeichnis = Verzeichnis / "fehlt";
    EXPECT_FALSE(StartseiteSchreiben(8));
    EXPECT_EQ(dialoge.Nachrichten.size(), 1u);
    EXPECT_FALSE(fs::exists(Verzeichnis / "fehlt"));
}

TEST_F(ConfigTest, NeueDateiBehaeltDieRechteDerAlten) {
    IniSchreiben("[State]\nNr=3\n");
    fs::permissions(Ini(), fs::perms::owner_read | fs::perms::owner_write | fs::perms::others_read);
    EXPECT_TRUE(StartseiteSchreiben(8));
    EXPECT_EQ(fs::status(Ini()).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::others_read);
}

TEST_F(ConfigTest, IniWertSchreibenLehntZeilenumbruecheUndFalscheNamenAb) {
    IniSchreiben("[A]\nx=1\n");
    EXPECT_TRUE(IniWertSchreiben(Ini(), "A", "x", "2\r\n[B]\ny=3"));
    EXPECT_EQ(DateiLesen(Ini()), "[A]\nx=2[B]y=3\n");
    const std::pair<const char*, const char*> falsch[] = {{"A]", "x"}, {"A", "x=y"}, {"", "x"},
                                                          {"A", " "},  {"A", ";x"},  {"A", "[x"}};
    for (const auto& [abschnitt, schluessel] : falsch)
        EXPECT_FALSE(IniWertSchreiben(Ini(), abschnitt, schluessel, "1"));
    EXPECT_EQ(dialoge.Nachrichten.size(), 6u);
    EXPECT_EQ(DateiLesen(Ini()), "[A]\nx=2[B]y=3\n");
    EXPECT_EQ(IniWertLesen(Ini(), "a", "X"), "2[B]y=3");
    EXPECT_EQ(IniWertLesen(Ini(), "A", "y"), std::nullopt);
    EXPECT_EQ(IniWertLesen(Verzeichnis / "fehlt.ini", "A", "x"), std::nullopt);
}

// The configuration table of the lesson in the test directory.
class EinstellungenTest : public ConfigTest {
protected:
    void SetUp() override {
        ConfigTest::SetUp();
        DateiSchreiben(Verzeichnis / "Vlm2.tab", Dateikopf());
        Tabelle = std::make_unique<TTabelle>(ArtKonfiguration, Verzeichnis / "Vlm2.tab");
        Tabelle->Laden(2);
    }
    void Feld(uint16_t FeldId, const std::string& Wert) {
        TDatensatz* satz = Tabelle->Datensatz(1);
        if (!satz) satz = Tabelle->NeuerDatensatz(1);
        Tabelle->SchreibeText(satz, FeldId, Wert);
    }
    std::unique_ptr<TTabelle> Tabelle;
};

TEST_F(EinstellungenTest, VorgabenOhneDatensatz) {
    Tabelle->SchreibeText(Tabelle->NeuerDatensatz(2), 442, "1"); // another user's record
    EinstellungenLesen(*Tabelle);
    const TEinstellungen& e = Einstellungen();
    const std::set<int> an = {1, 4, 12, 13, 14, 15, 16, 18, 19, 21};
    for (int i = 1; i <= 30; ++i)
        EXPECT_EQ(e.Schalter[i], an.count(i) == 1) << i;
    const int32_t zahlen[] = {218, 471, 1210, 50, 163, 0,   0, 50, 100, 100, 100,
                              101, 160, 122,  1,  50,  100, 5, 5,  10,  10,  1,
                              5,   5,   139,  0,  400, 200, 0, 0,  200, 120};
    for (int i = 1; i <= 40; ++i)
        EXPECT_EQ(e.Zahl[i], i <= 32 ? zahlen[i - 1] : 0) << i;
    for (int i = 1; i <= 10; ++i)
        EXPECT_EQ(e.Text[i], i == 4 ? Verzeichnis.string() + "/" : "") << i;
}

TEST_F(EinstellungenTest, BoolFeldMitEinerEinsSchaltetNurSchalter1Ein) {
    Feld(442, "1");
    EinstellungenLesen(*Tabelle);
    EXPECT_TRUE(Einstellungen().Schalter[1]);
    for (int i = 2; i <= 30; ++i)
        EXPECT_FALSE(Einstellungen().Schalter[i]) << i;
}

TEST_F(EinstellungenTest, BoolFeldZeichenweise) {
    Feld(442, "0x1" + std::string(26, '0') + "11" + "1111");
    EinstellungenLesen(*Tabelle);
    for (int i = 1; i <= 30; ++i)
        EXPECT_EQ(Einstellungen().Schalter[i], i == 3 || i >= 30) << i;
}

TEST_F(EinstellungenTest, LeeresBoolFeldLaesstDieVorgaben) {
    Feld(445, "0"); // fields 442 to 444 exist but are empty
    EinstellungenLesen(*Tabelle);
    EXPECT_TRUE(Einstellungen().Schalter[16]);
    EXPECT_EQ(Einstellungen().Zahl[1], 218);
}

TEST_F(EinstellungenTest, IntegerFeldUeberspringtNichtzahlen) {
    Feld(443, "5\r\nx\r\n7");
    EinstellungenLesen(*Tabelle);
    EXPECT_EQ(Einstellungen().Zahl[1], 5);
    EXPECT_EQ(Einstellungen().Zahl[2], 471);
    EXPECT_EQ(Einstellungen().Zahl[3], 7);
    EXPECT_EQ(Einstellungen().Zahl[4], 50);
}

TEST_F(EinstellungenTest, ZusaetzlicheZeilenAendernNichts) {
    std::string zahlen, texte;
    for (int i = 1; i <= 45; ++i)
        zahlen += std::to_string(1000 + i) + "\n";
    for (int i = 1; i <= 12; ++i)
        texte += "T" + std::to_string(i) + "\r\n";
    Feld(443, zahlen);
    Feld(444, "\r\n" + texte);
    EinstellungenLesen(*Tabelle);
    for (int i = 1; i <= 40; ++i)
        EXPECT_EQ(Einstellungen().Zahl[i], 1000 + i);
    EXPECT_EQ(Einstellungen().Text[1], "");
    for (int i = 2; i <= 10; ++i)
        EXPECT_EQ(Einstellungen().Text[i], "T" + std::to_string(i - 1));
}

TEST_F(EinstellungenTest, FensterpositionWirdInDenBildschirmGezogen) {
    const TFenstergrenzen form{10, 20, 300, 200};
    const TBildschirmflaeche bildschirm{1024, 768};
    const std::pair<std::string, TFenstergrenzen> faelle[] = {
        {"100\r\n50\r\n400\r\n300\r\n", {100, 50, 400, 300}},
        {"900\r\n600\r\n400\r\n300\r\n", {624, 468, 400, 300}},
        {"900\n600\n400\n300", {624, 468, 400, 300}},
        {"x\r\n50\r\n\r\n300\r\n", {10, 50, 300, 300}},
        {"100\r\n50\r\n400\r\n", form},
        {"100\r\n50\r\n400\r\n300\r\n1\r\n", form},
        {"", form},
        {"-5\r\n-5\r\n2000\r\n100\r\n", {-976, -5, 2000, 100}},
        {"2147483647\r\n0\r\n2147483647\r\n0\r\n", {-2147482623, 0, 2147483647, 0}},
    };
    for (const auto& [feld, erwartet] : faelle) {
        Feld(417, feld);
        EXPECT_EQ(FensterpositionLesen(*Tabelle, 17, form, bildschirm), erwartet) << feld;
    }
}

TEST_F(EinstellungenTest, FensterpositionOhneDatensatzBleibt) {
    const TFenstergrenzen form{10, 20, 300, 200};
    EXPECT_EQ(FensterpositionLesen(*Tabelle, 17, form, {10, 10}), form);
}

TEST_F(EinstellungenTest, FensterpositionSchreibenLegtDenDatensatzAn) {
    ASSERT_TRUE(FensterpositionSchreiben(*Tabelle, 0, {1, 2, 3, 4}));
    ASSERT_TRUE(FensterpositionSchreiben(*Tabelle, 41, {-1, 0, 640, 480}));
    TTabelle neu(ArtKonfiguration, Verzeichnis / "Vlm2.tab");
    neu.Laden(2);
    ASSERT_EQ(neu.Anzahl(), 1);
    TDatensatz* satz = neu.Datensatz(1);
    EXPECT_EQ(neu.LeseText(satz, 400), "1\r\n2\r\n3\r\n4\r\n");
    EXPECT_EQ(neu.LeseText(satz, 441), "-1\r\n0\r\n640\r\n480\r\n");
    EXPECT_EQ(FensterpositionLesen(neu, 41, {}, {2000, 2000}), (TFenstergrenzen{-1, 0, 640, 480}));
}

TEST_F(EinstellungenTest, FensterohneEigenesFeldSchreibenNichts) {
    Feld(442, "1");
    for (const int tag : {-1, 42, 46, 400}) {
        EXPECT_FALSE(FensterpositionSchreiben(*Tabelle, tag, {1, 2, 3, 4}));
        EXPECT_EQ(FensterpositionLesen(*Tabelle, tag, {5, 6, 7, 8}, {100, 100}),
                  (TFenstergrenzen{5, 6, 7, 8}));
    }
    EXPECT_EQ(Tabelle->LeseText(Tabelle->Datensatz(1), 442), "1");
}

TEST_F(EinstellungenTest, OffeneFensterSchreiben) {
    ASSERT_TRUE(OffeneFensterSchreiben(*Tabelle, {1, 2, 3, 17, 46, 47, -1}));
    TTabelle neu(ArtKonfiguration, Verzeichnis / "Vlm2.tab");
    neu.Laden(2);
    std::string erwartet(46, '0');
    erwartet[2] = erwartet[16] = erwartet[45] = '1';
    EXPECT_EQ(neu.LeseText(neu.Datensatz(1), 445), erwartet);
}

} // namespace
