// The vlmtab executable as a process: exit statuses, standard output byte for byte, and
// messages (the engine's boxes among them) on standard error.

#include "store/TTabelle.h"
#include "support/Testverzeichnis.h"
#include "tools/VlmtabTesthilfe.h"

#include <gtest/gtest.h>

#include <cstring>
#include <fcntl.h>
#include <optional>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

namespace fs = std::filesystem;

namespace {

class VlmtabProgramm : public Testverzeichnis {
protected:
    // Runs the built executable; standard output and error go through files of the test
    // directory, so neither pipe can fill up. A file-size limit, when given, holds for the
    // program alone.
    TLauf Starten(const std::vector<std::string>& Argumente,
                  std::optional<rlim_t> Dateigroessengrenze = std::nullopt) {
        const std::string aus = (Verzeichnis / "stdout").string();
        const std::string fehler = (Verzeichnis / "stderr").string();
        posix_spawn_file_actions_t aktionen;
        posix_spawn_file_actions_init(&aktionen);
        posix_spawn_file_actions_addopen(&aktionen, 1, aus.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                         0644);
        posix_spawn_file_actions_addopen(&aktionen, 2, fehler.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                         0644);
        std::vector<std::string> alle{VLMTAB_PROGRAMM};
        alle.insert(alle.end(), Argumente.begin(), Argumente.end());
        std::vector<char*> argv;
        for (auto& a : alle)
            argv.push_back(a.data());
        argv.push_back(nullptr);
        pid_t pid = 0;
        TLauf lauf;
        rlimit vorher{};
        getrlimit(RLIMIT_FSIZE, &vorher);
        if (Dateigroessengrenze) {
            const rlimit grenze{*Dateigroessengrenze, vorher.rlim_max};
            setrlimit(RLIMIT_FSIZE, &grenze);
        }
        const int e = posix_spawn(&pid, VLMTAB_PROGRAMM, &aktionen, nullptr, argv.data(), environ);
        setrlimit(RLIMIT_FSIZE, &vorher);
        posix_spawn_file_actions_destroy(&aktionen);
        EXPECT_EQ(e, 0) << VLMTAB_PROGRAMM;
        if (e != 0) return lauf;
        int status = 0;
        EXPECT_EQ(waitpid(pid, &status, 0), pid);
        lauf.Status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        lauf.Aus = DateiLesen(aus);
        lauf.Meldungen = DateiLesen(fehler);
        return lauf;
    }
    std::string Pfad(const std::string& Name) const { return (Verzeichnis / Name).string(); }
};

TEST_F(VlmtabProgramm, SetGetDumpDelete) {
    const std::string datei = Pfad("States.tab");
    TLauf lauf = Starten({"set", datei, "3", "101", "Gr\u00fc\u00dfe"});
    EXPECT_EQ(lauf.Status, 0) << lauf.Meldungen;
    EXPECT_EQ(lauf.Aus, "");
    EXPECT_EQ(lauf.Meldungen, "");
    ASSERT_EQ(Starten({"set", datei, "3", "100", "3"}).Status, 0);

    lauf = Starten({"get", datei, "-3", "101"});
    EXPECT_EQ(lauf.Status, 0);
    EXPECT_EQ(lauf.Aus, "Gr\u00fc\u00dfe\n");

    // Record 3 grew at the end of the file, so it moved one byte on: the 0x1B byte that
    // opens a free run is not part of the run.
    lauf = Starten({"dump", datei});
    EXPECT_EQ(lauf.Status, 0);
    EXPECT_EQ(lauf.Aus, "{\"nr\":3,\"offset\":101,\"values\":[\"3\",\"Gr\u00fc\u00dfe\"]}\n");

    EXPECT_EQ(Starten({"delete", datei, "3"}).Status, 0);
    EXPECT_EQ(DateiLesen(datei), Dateikopf() + std::string(15, '\x1B'));
    EXPECT_EQ(Starten({"dump", datei}).Aus, "");
}

// At a file-size limit the tool reports the failed write and ends with status 1 instead of
// dying from the signal; the table keeps its old record.
TEST_F(VlmtabProgramm, DateigroessengrenzeWirdGemeldet) {
    const std::string datei = Pfad("Texte.tab");
    ASSERT_EQ(Starten({"set", datei, "1", "1000", "kurz"}).Status, 0);
    ASSERT_EQ(Starten({"set", datei, "2", "1000", "auch kurz"}).Status, 0);
    const std::string vorher = DateiLesen(datei);
    const TLauf lauf = Starten({"set", datei, "1", "1000", std::string(200, 'x')}, vorher.size());
    EXPECT_EQ(lauf.Status, 1);
    EXPECT_NE(lauf.Meldungen.find("Fehler beim Zugreifen auf die Datei Texte.tab"),
              std::string::npos)
        << lauf.Meldungen;
    EXPECT_NE(lauf.Meldungen.find(std::strerror(EFBIG)), std::string::npos) << lauf.Meldungen;
    EXPECT_EQ(DateiLesen(datei), vorher);
    EXPECT_FALSE(fs::exists(datei + "-journal"));
    EXPECT_EQ(Starten({"get", datei, "1", "1000"}).Aus, "kurz\n");
}

TEST_F(VlmtabProgramm, Exitstatus) {
    const std::string datei = Pfad("Texte.tab");
    ASSERT_EQ(Starten({"set", datei, "1", "1000", "a"}).Status, 0);

    TLauf lauf = Starten({"get", datei, "2", "1000"});
    EXPECT_EQ(lauf.Status, 1);
    EXPECT_EQ(lauf.Aus, "");
    EXPECT_EQ(lauf.Meldungen, "vlmtab: " + datei + ": record 2 not found\n");

    lauf = Starten({"get", Pfad("Objekte.tab"), "1", "1200"});
    EXPECT_EQ(lauf.Status, 1);
    EXPECT_EQ(lauf.Meldungen, "vlmtab: " + Pfad("Objekte.tab") + ": no such file\n");

    EXPECT_EQ(Starten({"get", datei, "1", "101"}).Status, 1);
    EXPECT_EQ(Starten({"set", datei, "1", "1000", "\u4e2d"}).Status, 1);
    EXPECT_EQ(Starten({"delete", datei, "5"}).Status, 1);
    EXPECT_EQ(Starten({"dump", Pfad("notizen.txt")}).Status, 1);

    lauf = Starten({"get", datei, "x", "1000"});
    EXPECT_EQ(lauf.Status, 2);
    EXPECT_NE(lauf.Meldungen.find("Usage: vlmtab get FILE NR FIELD"), std::string::npos);
    EXPECT_EQ(Starten({}).Status, 2);
    EXPECT_EQ(Starten({"kopiere"}).Status, 2);

    lauf = Starten({"--help"});
    EXPECT_EQ(lauf.Status, 0);
    EXPECT_EQ(lauf.Aus.rfind("Usage: vlmtab COMMAND", 0), 0u);
    EXPECT_EQ(Starten({"build", "--help"}).Status, 0);
}

// The engine's error box goes to standard error through the console dialog service and
// makes the exit status 1.
TEST_F(VlmtabProgramm, EngineFehlerGehtNachStandardfehler) {
    const std::string datei = Pfad("Texte.tab");
    ASSERT_EQ(Starten({"set", datei, "1", "1000", "a"}).Status, 0);
    const TLauf lauf = Starten({"set", datei, "1", "1000", std::string(66000, 'x')});
    EXPECT_EQ(lauf.Status, 1);
    EXPECT_NE(lauf.Meldungen.find("Fehler: Ein einzelner Datensatz darf h\u00f6chstens 64KBytes"),
              std::string::npos)
        << lauf.Meldungen;
    EXPECT_NE(lauf.Meldungen.find("vlmtab: " + datei + ": record 1, field 1000"),
              std::string::npos);
    EXPECT_EQ(Starten({"get", datei, "1", "1000"}).Aus, "a\n");
}

TEST_F(VlmtabProgramm, Build) {
    DateiSchreiben(Pfad("l.json"),
                   R"({"tables": {"Texte.tab": [{"nr": 1, "fields": {"1000": "\u00c4"}}]},
                       "ini": {"Lektion": {"Name": "Demo"}}})");
    TLauf lauf = Starten({"build", Pfad("l.json"), Pfad("lektion")});
    EXPECT_EQ(lauf.Status, 0) << lauf.Meldungen;
    EXPECT_EQ(DateiLesen(Verzeichnis / "lektion" / "VLM.INI"), "[Lektion]\r\nName=Demo\r\n");
    EXPECT_EQ(Starten({"dump", Pfad("lektion/Texte.tab")}).Aus,
              "{\"nr\":1,\"offset\":100,\"values\":[\"\u00c4\"]}\n");

    DateiSchreiben(Pfad("f.json"),
                   R"({"tables": {"Texte.tab": [{"nr": 1, "fields": {"1": 1.5}}]}})");
    lauf = Starten({"build", Pfad("f.json"), Pfad("lektion2")});
    EXPECT_EQ(lauf.Status, 1);
    EXPECT_NE(lauf.Meldungen.find(Pfad("f.json") + ": Texte.tab, record 1, field 1:"),
              std::string::npos);
    EXPECT_FALSE(fs::exists(Pfad("lektion2")));
}

TEST_F(VlmtabProgramm, Ini) {
    const std::string datei = Pfad("VLM.INI");
    DateiSchreiben(datei, "; Demo\r\n[Lektion]\r\nName=Demo\r\n[State]\r\nNr=1\r\n");
    TLauf lauf = Starten({"ini", datei, "State", "Nr", "7"});
    EXPECT_EQ(lauf.Status, 0) << lauf.Meldungen;
    EXPECT_EQ(lauf.Aus, "");
    EXPECT_EQ(lauf.Meldungen, "");
    EXPECT_EQ(Starten({"ini", datei, "Lektion", "Name", "K\u00e4se"}).Status, 0);
    EXPECT_EQ(DateiLesen(datei), "; Demo\r\n[Lektion]\r\nName=K\xE4se\r\n[State]\r\nNr=7\r\n");

    lauf = Starten({"ini", datei, "lektion", "name"});
    EXPECT_EQ(lauf.Status, 0);
    EXPECT_EQ(lauf.Aus, "K\u00e4se\n");

    lauf = Starten({"ini", datei, "State", "Seite"});
    EXPECT_EQ(lauf.Status, 1);
    EXPECT_EQ(lauf.Aus, "");
    EXPECT_EQ(lauf.Meldungen, "vlmtab: " + datei + ": section [State] has no key Seite\n");
    EXPECT_EQ(Starten({"ini", datei, "State"}).Status, 2);
}

// The lesson is built by the executable, computed by it and read back through its dump.
TEST_F(VlmtabProgramm, Calc) {
    DateiSchreiben(Pfad("l.json"), R"({"tables": {"Daten.tab": [
        {"nr": 1, "fields": {"301": "29.02.2004"}},
        {"nr": 2, "fields": {"301": "1"}},
        {"nr": 3, "fields": {"301": "01.01.1999", "302": "1", "303": "+ Jahre", "304": "2"}}]}})");
    ASSERT_EQ(Starten({"build", Pfad("l.json"), Pfad("lektion")}).Status, 0);
    TLauf lauf = Starten({"calc", Pfad("lektion")});
    EXPECT_EQ(lauf.Status, 0) << lauf.Meldungen;
    EXPECT_EQ(lauf.Aus, "");
    EXPECT_EQ(lauf.Meldungen, "");
    // The result has the length of the old content, so the record stays where it was.
    EXPECT_EQ(Starten({"dump", Pfad("lektion/Daten.tab")}).Aus,
              "{\"nr\":1,\"offset\":100,\"values\":[\"\",\"29.02.2004\"]}\n"
              "{\"nr\":2,\"offset\":118,\"values\":[\"\",\"1\"]}\n"
              "{\"nr\":3,\"offset\":127,\"values\":[\"\",\"28.02.2005\",\"1\",\"+ "
              "Jahre\",\"2\"]}\n");

    fs::remove(Pfad("lektion/Daten.tab"));
    lauf = Starten({"calc", Pfad("lektion")});
    EXPECT_EQ(lauf.Status, 1);
    EXPECT_EQ(lauf.Meldungen, "vlmtab: " + Pfad("lektion") + ": the lesson has no Daten.tab\n");
}

} // namespace
