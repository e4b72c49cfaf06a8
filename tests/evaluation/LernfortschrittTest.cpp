#include "evaluation/Lernfortschritt.h"
#include "evaluation/TLernerdaten.h"
#include "store/Feldnummern.h"
#include "store/TTabelle.h"
#include "support/AufzeichnenderDialogDienst.h"
#include "support/Testverzeichnis.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

class Lernfortschritt : public Testverzeichnis {
protected:
    void SetUp() override {
        Testverzeichnis::SetUp();
        Seiten = std::make_unique<TTabelle>(ArtSeiten, Verzeichnis / "States.tab");
        Lerner = std::make_unique<TTabelle>(ArtLerner, Verzeichnis / "Lerner.tab");
        for (TTabelle* t : {Seiten.get(), Lerner.get()}) {
            ASSERT_TRUE(t->DateiAnlegen());
            t->Laden(2);
        }
    }

    // A page with its number and progress switch.
    TDatensatz* Seite(int32_t Nr, bool Fortschritt) {
        TDatensatz* s = Seiten->NeuerDatensatz(Nr);
        Seiten->SchreibeText(s, Feld::Seiten::State, std::to_string(Nr));
        Seiten->SchreibeSchalter(s, Feld::Seiten::Lernfortschritt, Fortschritt);
        Seiten->Speichern(s);
        return s;
    }

    int16_t Zeigen(TDatensatz* s) { return FortschrittErfassen(*Seiten, *Lerner, s); }

    AufzeichnenderDialogDienst Dialoge;
    std::unique_ptr<TTabelle> Seiten;
    std::unique_ptr<TTabelle> Lerner;
};

TEST(Fortschrittsprozent, RundetHalbeZurGeradenZahlUndBegrenzt) {
    struct Fall {
        int Saetze, Seiten, Prozent;
    } faelle[] = {{3, 4, 75}, {0, 4, 0},  {1, 0, 0},  {5, 4, 100}, {1, 8, 12},
                  {3, 8, 38}, {1, 3, 33}, {2, 3, 67}, {1, 200, 0}, {3, 200, 2}};
    for (const Fall& f : faelle)
        EXPECT_EQ(Fortschrittsprozent(f.Saetze, f.Seiten), f.Prozent)
            << f.Saetze << "/" << f.Seiten;
}

TEST_F(Lernfortschritt, DreiVonVierFortschrittsseitenSind75) {
    TDatensatz* s[] = {Seite(10, true), Seite(20, true), Seite(30, true), Seite(40, true),
                       Seite(50, false)};
    EXPECT_EQ(Zeigen(s[0]), 25);
    EXPECT_EQ(Zeigen(s[1]), 50);
    EXPECT_EQ(Zeigen(s[1]), 50); // shown again: still one record
    EXPECT_EQ(Zeigen(s[2]), 75);
    EXPECT_EQ(Zeigen(s[4]), 75); // a page without progress changes nothing
    EXPECT_EQ(Lerner->Datensatz(50), nullptr);

    // The records are in the file, with their four fields empty.
    TTabelle frisch(ArtLerner, Lerner->Pfad());
    frisch.Laden(2);
    EXPECT_EQ(frisch.Anzahl(), 3);
    EXPECT_EQ(frisch.AnzahlWerte(frisch.Datensatz(20)), 4);
    EXPECT_TRUE(Dialoge.Nachrichten.empty());
}

TEST_F(Lernfortschritt, ZuruecksetzenBehaeltNurDieFortschrittsseiteDieGezeigtWird) {
    TDatensatz* s[] = {Seite(1, true), Seite(2, true), Seite(3, true), Seite(4, true),
                       Seite(5, false)};
    for (TDatensatz* seite : s)
        Zeigen(seite);
    TLernerdaten daten(*Lerner);
    Lerner->SchreibeText(Lerner->Datensatz(2), Feld::Lerner::Menuestatus, "100");
    Lerner->Speichern(Lerner->Datensatz(2));
    ASSERT_EQ(daten.Menuestatus(2), 100);

    struct Fall {
        int Gezeigt;
        int16_t Prozent;
        int Saetze;
    } faelle[] = {{4, 25, 1}, {5, 0, 0}};
    for (const Fall& f : faelle) {
        EXPECT_EQ(LernerdatenZuruecksetzen(*Seiten, *Lerner, s[f.Gezeigt - 1]), f.Prozent);
        EXPECT_EQ(daten.Anzahl(), f.Saetze) << "page " << f.Gezeigt;
        EXPECT_EQ(daten.Menuestatus(2), 0);
        TTabelle frisch(ArtLerner, Lerner->Pfad());
        frisch.Laden(2);
        EXPECT_EQ(frisch.Anzahl(), f.Saetze);
    }
}

TEST_F(Lernfortschritt, OffeneSeitenUndMenuestatus) {
    struct Fall {
        int32_t Nr;
        const char* Endgueltig;
        const char* Heute;
        const char* Status;
        bool Offen;
        int32_t Menuestatus;
    } faelle[] = {{1, "", "", "", true, 0},
                  {2, "1", "0", "50", false, 50},
                  {3, "0", "1", "100", false, 100},
                  {4, "0", "0", "75", true, 75},
                  {5, "x", "", "abc", true, 0}};
    for (const Fall& f : faelle) {
        TDatensatz* satz = Lerner->NeuerDatensatz(f.Nr);
        Lerner->SchreibeText(satz, Feld::Lerner::endgueltig_abgehakt, f.Endgueltig);
        Lerner->SchreibeText(satz, Feld::Lerner::heute_abgehakt, f.Heute);
        Lerner->SchreibeText(satz, Feld::Lerner::Menuestatus, f.Status);
    }
    TLernerdaten daten(*Lerner);
    for (const Fall& f : faelle) {
        EXPECT_EQ(daten.Offen(f.Nr), f.Offen) << f.Nr;
        EXPECT_EQ(daten.Menuestatus(f.Nr), f.Menuestatus) << f.Nr;
    }
    // A page without a record is open and has menu status 0.
    EXPECT_TRUE(daten.Offen(99));
    EXPECT_EQ(daten.Menuestatus(99), 0);
}

// A table written by other hands may hold a page's record twice; the page counts once.
TEST_F(Lernfortschritt, EinDoppelterSatzZaehltEinmal) {
    TDatensatz* seite = Seite(7, true);
    Seite(8, true);
    TTabelle zweite(ArtLerner, Lerner->Pfad());
    zweite.Laden(2);
    zweite.Speichern(zweite.NeuerDatensatz(7));
    Zeigen(seite);
    TTabelle frisch(ArtLerner, Lerner->Pfad());
    frisch.Laden(2);
    ASSERT_EQ(frisch.Anzahl(), 2);
    EXPECT_EQ(FortschrittErfassen(*Seiten, frisch, nullptr), 50);
}

} // namespace

namespace {

// The remembered count follows every change of the page table, also one that keeps the
// number of records.
TEST_F(Lernfortschritt, GemerkteZahlDerFortschrittsseitenFolgtDerTabelle) {
    TFortschrittsseiten zaehler;
    TDatensatz* zehn = Seite(10, true);
    Seite(20, false);
    EXPECT_EQ(zaehler.Anzahl(*Seiten), 1);
    Seiten->SchreibeSchalter(zehn, Feld::Seiten::Lernfortschritt, false);
    EXPECT_EQ(zaehler.Anzahl(*Seiten), 0);
    Seite(30, true);
    EXPECT_EQ(zaehler.Anzahl(*Seiten), 1);
}

} // namespace
