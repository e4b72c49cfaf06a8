// The learner's work survives a kill at any moment: a child process saves learner records
// the way the player does and reports each save that returned; the test kills it at random
// moments and then reads the table.

#include "evaluation/TLernerdaten.h"
#include "store/Feldnummern.h"
#include "store/TTabelle.h"
#include "support/AufzeichnenderDialogDienst.h"
#include "support/Testverzeichnis.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <map>
#include <random>
#include <set>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// How far the save of a record got: created, finally ticked off, menu status 100.
enum Stand { Angelegt = 1, Abgehakt = 2, Erledigt = 3 };

void Melden(int Rohr, int32_t Nr, Stand S) {
    char zeile[32];
    const int n = std::snprintf(zeile, sizeof zeile, "%d %d\n", Nr, static_cast<int>(S));
    if (::write(Rohr, zeile, static_cast<size_t>(n)) != n) ::_exit(3);
}

bool Speichern(TTabelle& Lerner, int32_t Nr, uint16_t FeldId, const char* Wert) {
    TDatensatz* satz = Lerner.Datensatz(Nr);
    Lerner.SchreibeText(satz, FeldId, Wert);
    return Lerner.Speichern(satz);
}

// What a killed process has written stays with the system, flushed to the disk or not;
// only a power cut needs the flush, which is beyond this test. Without it the children
// save many records in the short time they get.
class TOhneFlush : public TDateizugriff {
public:
    int Synchronisieren(int) override { return 0; }
};

// The child: page display creates the record, then the lesson ticks it off for today and
// for good and raises its menu status, as the object actions do; today's mark is cleared
// again as at the next start. Runs until it is killed.
[[noreturn]] void Kind(const std::filesystem::path& Datei, int Rohr) {
    TOhneFlush zugriff;
    TTabelle lerner(ArtLerner, Datei);
    lerner.DateizugriffVerwenden(zugriff);
    lerner.Laden(2);
    TLernerdaten daten(lerner);
    int32_t nr = 1;
    for (const TDatensatz* s = lerner.Erster(); s; s = s->Naechster)
        nr = std::max(nr, s->Nr + 1);
    for (;; ++nr) {
        if (!daten.Anlegen(nr)) ::_exit(4);
        Melden(Rohr, nr, Angelegt);
        if (!Speichern(lerner, nr, Feld::Lerner::heute_abgehakt, "1")) ::_exit(4);
        if (!Speichern(lerner, nr, Feld::Lerner::endgueltig_abgehakt, "1")) ::_exit(4);
        Melden(Rohr, nr, Abgehakt);
        if (!Speichern(lerner, nr, Feld::Lerner::Menuestatus, "50")) ::_exit(4);
        if (!Speichern(lerner, nr, Feld::Lerner::Menuestatus, "100")) ::_exit(4);
        if (!Speichern(lerner, nr, Feld::Lerner::heute_abgehakt, "0")) ::_exit(4);
        Melden(Rohr, nr, Erledigt);
    }
}

// The values the child writes; anything else would be a torn or stray record.
bool Gueltig(const std::string& Wert) {
    return Wert.empty() || Wert == "0" || Wert == "1" || Wert == "50" || Wert == "100";
}

// Reads every report of a child that has ended.
void Lesen(int Rohr, std::map<int32_t, int>& Gemeldet) {
    std::string rest;
    char puffer[4096];
    ssize_t n;
    while ((n = ::read(Rohr, puffer, sizeof puffer)) > 0)
        rest.append(puffer, static_cast<size_t>(n));
    size_t anfang = 0;
    for (size_t ende; (ende = rest.find('\n', anfang)) != std::string::npos; anfang = ende + 1) {
        int nr = 0, stand = 0;
        if (std::sscanf(rest.c_str() + anfang, "%d %d", &nr, &stand) == 2)
            Gemeldet[nr] = std::max(Gemeldet[nr], stand);
    }
}

using Absturz = Testverzeichnis;

TEST_F(Absturz, KeinGespeicherterLernersatzGehtDurchKillVerloren) {
    AufzeichnenderDialogDienst dialoge;
    const auto datei = Verzeichnis / "Lerner.tab";
    std::mt19937 zufall(20261210);
    std::uniform_int_distribution<int> warten(0, 12000); // microseconds
    std::map<int32_t, int> gemeldet;
    ASSERT_TRUE(TTabelle(ArtLerner, datei).DateiAnlegen());
    for (int runde = 0; runde < 200; ++runde) {
        int rohr[2];
        ASSERT_EQ(::pipe(rohr), 0);
        const pid_t kind = ::fork();
        ASSERT_GE(kind, 0);
        if (kind == 0) {
            ::close(rohr[0]);
            Kind(datei, rohr[1]);
        }
        ::close(rohr[1]);
        ::usleep(static_cast<useconds_t>(warten(zufall)));
        ::kill(kind, SIGKILL);
        int status = 0;
        ASSERT_EQ(::waitpid(kind, &status, 0), kind);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the child ended by itself, status " << status;
        Lesen(rohr[0], gemeldet);
        ::close(rohr[0]);

        TTabelle lerner(ArtLerner, datei);
        lerner.Laden(2);
        for (const auto& [nr, stand] : gemeldet) {
            TDatensatz* satz = lerner.Datensatz(nr);
            ASSERT_NE(satz, nullptr) << "record " << nr << " lost in round " << runde;
            if (stand >= Abgehakt) {
                ASSERT_TRUE(lerner.LeseSchalter(satz, Feld::Lerner::endgueltig_abgehakt)) << nr;
            }
            if (stand >= Erledigt) {
                ASSERT_EQ(lerner.LeseZahl(satz, Feld::Lerner::Menuestatus), 100) << nr;
                ASSERT_FALSE(lerner.LeseSchalter(satz, Feld::Lerner::heute_abgehakt)) << nr;
            }
        }
        // Nothing but the child's records: the numbers 1 to n, each once, whatever moment
        // the kill hit (a record whose save had not returned may be there or not).
        std::set<int32_t> nummern;
        for (TDatensatz* s = lerner.Erster(); s; s = s->Naechster) {
            ASSERT_TRUE(nummern.insert(s->Nr).second) << "record " << s->Nr << " twice";
            for (const uint16_t feld : {Feld::Lerner::endgueltig_abgehakt,
                                        Feld::Lerner::heute_abgehakt, Feld::Lerner::Menuestatus})
                ASSERT_TRUE(Gueltig(lerner.LeseText(s, feld)))
                    << "record " << s->Nr << " field " << feld;
        }
        if (!nummern.empty()) {
            ASSERT_EQ(*nummern.begin(), 1) << "round " << runde;
            ASSERT_EQ(*nummern.rbegin(), static_cast<int32_t>(nummern.size())) << "round " << runde;
        }
    }
    EXPECT_GT(gemeldet.size(), 200u) << "the children saved too little to prove anything";
    EXPECT_TRUE(dialoge.Nachrichten.empty()) << dialoge.Nachrichten.front().Text;
}

} // namespace
