// Every save of a table, interrupted at every write: by a failing write, by a write cut
// short on a full disk, and by a crash. Afterwards a fresh load must show either the whole
// old or the whole new table and nothing else, and a failed save must leave the file and the
// record's place as before.

#include "Tabellenbytes.h"
#include "store/TJournal.h"
#include "store/TTabelle.h"
#include "support/AufzeichnenderDialogDienst.h"
#include "support/Testverzeichnis.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <functional>
#include <memory>
#include <random>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using namespace std::string_literals;

enum class Stoerung {
    Fehler, // the n-th write fails and writes nothing; later ones work again
    Kurz,   // the n-th pwrite writes half and the next one fails (a full disk); any other
            // n-th write fails
    Halt,   // the program stops before the n-th write: nothing from there on happens
};

// The system calls, with one write disturbed. Every call that changes a file counts as a
// write: pwrite, ftruncate, fsync, unlink, and an open that may create the file.
class TStoerzugriff : public TDateizugriff {
public:
    TStoerzugriff(Stoerung Art, int Bei) : Art(Art), Bei(Bei) {}

    int Oeffnen(const char* Pfad, int Modus, mode_t Rechte) override {
        if ((Modus & O_CREAT) && Gestoert()) return -1;
        return TDateizugriff::Oeffnen(Pfad, Modus, Rechte);
    }
    ssize_t Schreiben(int Handle, const void* Quelle, size_t Anzahl, off_t Position) override {
        ++Zaehler;
        if (Art == Stoerung::Kurz && Zaehler == Bei && Anzahl > 1) {
            Verkuerzt = true;
            return TDateizugriff::Schreiben(Handle, Quelle, Anzahl / 2, Position);
        }
        if (Verkuerzt && Zaehler == Bei + 1) return Scheitern(ENOSPC);
        if (Trifft()) return Scheitern(EIO);
        return TDateizugriff::Schreiben(Handle, Quelle, Anzahl, Position);
    }
    int Kuerzen(int Handle, off_t Laenge) override {
        return Gestoert() ? -1 : TDateizugriff::Kuerzen(Handle, Laenge);
    }
    int Synchronisieren(int Handle) override {
        return Gestoert() ? -1 : TDateizugriff::Synchronisieren(Handle);
    }
    int Entfernen(const char* Pfad) override {
        return Gestoert() ? -1 : TDateizugriff::Entfernen(Pfad);
    }

    bool Ausgeloest() const { return Zaehler >= Bei; }

private:
    bool Trifft() const { return Art == Stoerung::Halt ? Zaehler >= Bei : Zaehler == Bei; }
    bool Gestoert() {
        ++Zaehler;
        if (!Trifft()) return false;
        errno = EIO;
        return true;
    }
    static int Scheitern(int Nummer) {
        errno = Nummer;
        return -1;
    }

    Stoerung Art;
    int Bei;
    int Zaehler = 0;
    bool Verkuerzt = false;
};

// A table's records by absolute number, with their field data; a record that is there
// twice is there twice.
using Bestand = std::vector<std::pair<uint32_t, std::string>>;

Bestand BestandVon(TTabelle& t) {
    Bestand b;
    for (TDatensatz* s = t.Erster(); s; s = s->Naechster)
        b.emplace_back(static_cast<uint32_t>(std::abs(int64_t{s->Nr})),
                       std::string(s->Daten.Ansicht()));
    std::sort(b.begin(), b.end());
    return b;
}

struct Speicherart {
    const char* Name;
    std::string Inhalt; // the file after its header
    std::function<bool(TTabelle&)> Aendern;
};

bool TextSpeichern(TTabelle& t, int32_t Nr, const std::string& Wert) {
    TDatensatz* s = t.Datensatz(Nr);
    const int32_t position = s->Dateiposition;
    t.SchreibeText(s, 1000, Wert);
    const bool gespeichert = t.Speichern(s);
    // A failed save leaves the record where the file has it.
    if (!gespeichert) {
        EXPECT_EQ(s->Dateiposition, position);
    }
    return gespeichert;
}

const std::vector<Speicherart>& Speicherarten() {
    static const std::vector<Speicherart> arten = {
        {"an Ort", Satz(1, "a\0\x1B"s) + Satz(2, "b\0\x1B"s),
         [](TTabelle& t) { return TextSpeichern(t, 2, "B"); }},
        {"nach hinten", Satz(1, "a\0\x1B"s) + Satz(2, "b\0\x1B"s),
         [](TTabelle& t) { return TextSpeichern(t, 1, "abcdef"); }},
        {"in eine Luecke", Satz(1, "\x1B"s) + Frei(20) + Satz(2, "\x1B"s) + Satz(3, "\x1B"s),
         [](TTabelle& t) { return TextSpeichern(t, 3, "zwoelf Bytes"); }},
        {"am Ende gewachsen", Satz(1, "a\0\x1B"s) + Satz(2, "ABCD\0\x1B"s),
         [](TTabelle& t) { return TextSpeichern(t, 2, "ABCD\0phantom"s); }},
        {"neu", Satz(1, "a\0\x1B"s) + Frei(3) + Satz(2, "b\0\x1B"s),
         [](TTabelle& t) {
             TDatensatz* s = t.NeuerDatensatz(7);
             t.SchreibeText(s, 1000, "sieben");
             return t.Speichern(s);
         }},
        {"geloescht", Satz(1, "a\0b\0\x1B"s) + Satz(2, "\0\0\0\x1B"s),
         [](TTabelle& t) {
             TDatensatz* s = t.Datensatz(2);
             const size_t gemeldet =
                 static_cast<AufzeichnenderDialogDienst&>(Dialoge()).Nachrichten.size();
             t.Loeschen(s);
             return static_cast<AufzeichnenderDialogDienst&>(Dialoge()).Nachrichten.size() ==
                    gemeldet;
         }},
    };
    return arten;
}

class SpeichernUnterbrochen : public Testverzeichnis {
protected:
    std::filesystem::path Pfad() const { return Verzeichnis / "Texte.tab"; }
    std::filesystem::path Journal() const { return TJournal::PfadZu(Pfad()); }

    Bestand FrischGeladen() {
        TTabelle t(ArtTexte, Pfad());
        t.Laden(2);
        return BestandVon(t);
    }

    // The table loaded through this access.
    std::unique_ptr<TTabelle> Geladen(TDateizugriff& Zugriff) {
        auto t = std::make_unique<TTabelle>(ArtTexte, Pfad());
        t->DateizugriffVerwenden(Zugriff);
        t->Laden(2);
        return t;
    }

    AufzeichnenderDialogDienst Dialoge;
};

TEST_F(SpeichernUnterbrochen, JedeSpeicherartBeiJedemSchreibvorgang) {
    for (const Speicherart& art : Speicherarten()) {
        const std::string vorher = Dateikopf() + art.Inhalt;
        DateiSchreiben(Pfad(), vorher);
        const Bestand alt = FrischGeladen();
        Bestand neu;
        {
            TTabelle t(ArtTexte, Pfad());
            t.Laden(2);
            ASSERT_TRUE(art.Aendern(t)) << art.Name;
            neu = FrischGeladen();
            ASSERT_NE(neu, alt) << art.Name;
        }
        for (const Stoerung stoerung : {Stoerung::Fehler, Stoerung::Kurz, Stoerung::Halt}) {
            for (int n = 1;; ++n) {
                SCOPED_TRACE(std::string(art.Name) + ", Störung " +
                             std::to_string(static_cast<int>(stoerung)) + " beim " +
                             std::to_string(n) + ". Schreiben");
                DateiSchreiben(Pfad(), vorher);
                Dialoge.Nachrichten.clear();
                TStoerzugriff zugriff(stoerung, n);
                const bool gespeichert = art.Aendern(*Geladen(zugriff));
                if (!zugriff.Ausgeloest()) {
                    EXPECT_TRUE(gespeichert);
                    EXPECT_EQ(FrischGeladen(), neu);
                    break;
                }
                EXPECT_FALSE(gespeichert);
                EXPECT_EQ(Dialoge.Nachrichten.size(), 1u);
                if (stoerung != Stoerung::Halt) {
                    // Put back at once: the file as before and no journal left.
                    EXPECT_EQ(DateiLesen(Pfad()), vorher);
                    EXPECT_FALSE(std::filesystem::exists(Journal()));
                }
                const Bestand danach = FrischGeladen();
                EXPECT_TRUE(danach == alt || danach == neu);
                EXPECT_FALSE(std::filesystem::exists(Journal()));
                ASSERT_LT(n, 50);
            }
        }
    }
}

// After a failed save the table goes on: the next save of the same record is the value
// that a fresh load reads back.
TEST_F(SpeichernUnterbrochen, NachEinemFehlschlagGiltDerNaechsteErfolgreicheStand) {
    DateiSchreiben(Pfad(),
                   Dateikopf() + Satz(1, "\x1B"s) + Frei(20) + Satz(2, "\x1B"s) + Satz(3, "\x1B"s));
    TStoerzugriff zugriff(Stoerung::Fehler, 3);
    const auto t = Geladen(zugriff);
    TDatensatz* drei = t->Datensatz(3);
    t->SchreibeText(drei, 1000, "zwoelf Bytes");
    ASSERT_FALSE(t->Speichern(drei));
    t->SchreibeText(drei, 1000, "dreizehn Byte");
    ASSERT_TRUE(t->Speichern(drei));
    TTabelle frisch(ArtTexte, Pfad());
    frisch.Laden(2);
    EXPECT_EQ(frisch.Anzahl(), 3);
    EXPECT_EQ(frisch.LeseText(frisch.Datensatz(3), 1000), "dreizehn Byte");
}

// A journal left by a crash is rolled back when the table is opened; one that was cut off
// before its completion mark is removed and the table left alone.
TEST_F(SpeichernUnterbrochen, JournalWirdBeimOeffnenZurueckgerollt) {
    const std::string alt = Dateikopf() + Satz(1, "a\0\x1B"s);
    DateiSchreiben(Pfad(), alt);
    {
        TStoerzugriff zugriff(Stoerung::Halt, 6); // journal: open, write, fsync; table: 2 writes
        const auto t = Geladen(zugriff);
        TDatensatz* s = t->Datensatz(1);
        t->SchreibeText(s, 1000, "viel laenger");
        EXPECT_FALSE(t->Speichern(s));
    }
    ASSERT_TRUE(std::filesystem::exists(Journal()));
    ASSERT_NE(DateiLesen(Pfad()), alt);
    EXPECT_EQ(FrischGeladen(), (Bestand{{1, "a\0\x1B"s}}));
    EXPECT_EQ(DateiLesen(Pfad()), alt);
    EXPECT_FALSE(std::filesystem::exists(Journal()));

    DateiSchreiben(Journal(), "VLMJ\x08");
    EXPECT_EQ(FrischGeladen(), (Bestand{{1, "a\0\x1B"s}}));
    EXPECT_EQ(DateiLesen(Pfad()), alt);
    EXPECT_FALSE(std::filesystem::exists(Journal()));
}

// A table file written anew owns no journal of the file it replaces.
TEST_F(SpeichernUnterbrochen, NeueTabellendateiVerwirftEinAltesJournal) {
    DateiSchreiben(Pfad(), Dateikopf() + Satz(1, "a\0\x1B"s));
    {
        TStoerzugriff zugriff(Stoerung::Halt, 6);
        const auto t = Geladen(zugriff);
        TDatensatz* s = t->Datensatz(1);
        t->SchreibeText(s, 1000, "viel laenger");
        EXPECT_FALSE(t->Speichern(s));
    }
    ASSERT_TRUE(std::filesystem::exists(Journal()));
    std::string fehler;
    ASSERT_TRUE(TabellendateiSchreiben(Pfad(), {{2, "neu\0\x1B"s}}, fehler));
    EXPECT_EQ(FrischGeladen(), (Bestand{{2, "neu\0\x1B"s}}));
    EXPECT_FALSE(std::filesystem::exists(Journal()));
}

// A save in place stays one write: no journal is made.
TEST_F(SpeichernUnterbrochen, SpeichernAnOrtBleibtEinSchreibvorgang) {
    DateiSchreiben(Pfad(), Dateikopf() + Satz(1, "a\0\x1B"s));
    TStoerzugriff zugriff(Stoerung::Fehler, 2);
    const auto t = Geladen(zugriff);
    TDatensatz* s = t->Datensatz(1);
    t->SchreibeText(s, 1000, "b");
    EXPECT_TRUE(t->Speichern(s));
    EXPECT_FALSE(zugriff.Ausgeloest());
}

// A process that saves in a loop (records that grow, shrink and move, a record that is
// deleted and made again), killed at random moments: every load afterwards finds each record
// once, whole.
TEST_F(SpeichernUnterbrochen, AbgeschossenBeimSpeichernBleibtDieTabelleHeil) {
    DateiSchreiben(Pfad(), Dateikopf() + Satz(1, "\x1B"s) + Satz(2, "\x1B"s) + Satz(3, "\x1B"s));
    std::minstd_rand zufall(20261210);
    for (int runde = 0; runde < 200; ++runde) {
        const pid_t kind = ::fork();
        ASSERT_GE(kind, 0);
        if (kind == 0) {
            TTabelle t(ArtTexte, Pfad());
            t.Laden(2);
            for (unsigned i = static_cast<unsigned>(runde);; ++i) {
                TDatensatz* s = t.Datensatz(static_cast<int32_t>(i % 3 + 1));
                t.SchreibeText(s, 1000, std::string((i * 7) % 61, static_cast<char>('a' + i % 26)));
                if (!t.Speichern(s)) ::_exit(2);
                // Record 4 comes and goes.
                if (i % 5 != 0) continue;
                if (TDatensatz* vier = t.Datensatz(4)) {
                    t.Loeschen(vier);
                    continue;
                }
                TDatensatz* vier = t.NeuerDatensatz(4);
                t.SchreibeText(vier, 1000, std::string(i % 40, 'v'));
                if (!t.Speichern(vier)) ::_exit(2);
            }
        }
        ::usleep(static_cast<useconds_t>(zufall() % 4000));
        ::kill(kind, SIGKILL);
        int status = 0;
        ::waitpid(kind, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status)) << "Runde " << runde;

        TTabelle t(ArtTexte, Pfad());
        t.Laden(2);
        const Bestand b = BestandVon(t);
        ASSERT_TRUE(b.size() == 3u || (b.size() == 4u && b[3].first == 4)) << "Runde " << runde;
        for (uint32_t nr = 1; nr <= b.size(); ++nr) {
            ASSERT_EQ(b[nr - 1].first, nr) << "Runde " << runde;
            const std::string wert = t.LeseText(t.Datensatz(static_cast<int32_t>(nr)), 1000);
            EXPECT_EQ(wert.find_first_not_of(wert.empty() ? ' ' : wert[0]), std::string::npos)
                << "Runde " << runde << ": " << wert;
        }
        ASSERT_FALSE(std::filesystem::exists(Journal()));
    }
}

} // namespace
