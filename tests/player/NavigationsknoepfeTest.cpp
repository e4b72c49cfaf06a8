// After a page build the navigation buttons and the history function buttons show what
// is possible from the page and in the window's history; a move over the window drops the
// pointed-at look of picture buttons.

#include "player/Navigationsknoepfe.h"
#include "Spielerumgebung.h"
#include "objects/ObjektTesthilfe.h"
#include "objects/knoepfe/THFunktionsSchaltflaeche.h"
#include "objects/knoepfe/THNavKnopf.h"
#include "objects/knoepfe/THSchaltflaeche.h"
#include "player/Navigation.h"
#include "player/Objektliste.h"
#include "player/THauptfenster.h"
#include "store/Lektion.h"
#include "support/QtAnwendung.h"

#include <QPainter>

namespace {

const char* const Lektion = R"(
    "States.tab": [{"nr": 1, "fields": {"100": "10", "161": ["1", "2", "3", "4", "5", "6", "7"]}},
                   {"nr": 2, "fields": {"100": "20", "161": ["1", "2", "3", "4", "5", "6", "7"]}},
                   {"nr": 3, "fields": {"100": "30", "161": ["1", "2", "3", "4", "5", "6", "7"]}}],
    "Objekte.tab": [
        {"nr": 1, "fields": {"1200": "11", "1231": "0"}},
        {"nr": 2, "fields": {"1200": "15", "1231": "0"}},
        {"nr": 3, "fields": {"1200": "11", "1231": "1"}},
        {"nr": 4, "fields": {"1200": "15", "1231": "1"}},
        {"nr": 5, "fields": {"1200": "62", "1231": "2", "1210": "verlauf.png", "1291": "10"}},
        {"nr": 6, "fields": {"1200": "62", "1231": "3", "1210": "verlauf.png", "1291": "10"}},
        {"nr": 7, "fields": {"1200": "60", "1224": "1", "1210": "verlauf.png", "1291": "10"}}])";

class Navigationsknoepfe : public Lektionstest {
protected:
    void SetUp() override {
        Lektionstest::SetUp();
        QImage streifen(70, 10, QImage::Format_RGB32);
        streifen.fill(Qt::gray);
        streifen.save(QString::fromStdString((Verzeichnis / "verlauf.png").string()));
        LektionBauen(Lektion);
        Fenster = new THauptfenster();
        ObjektlisteAufbauen(*Fenster, {"1", "2", "3", "4", "5", "6", "7"},
                            Tabelle(ArtSeiten)->Datensatz(1));
    }
    void TearDown() override {
        delete Fenster;
        Lektionstest::TearDown();
    }
    template <class K> K* Objekt(int32_t Nr) {
        return qobject_cast<K*>(ObjektMitNummer(Fenster->Objektliste(), Nr)->Objekt);
    }

    TSpielerumgebung Umgebung;
    THauptfenster* Fenster = nullptr;
};

TEST_F(Navigationsknoepfe, ErsteSeiteOhneVerlauf) {
    Fenster->VerlaufsschrittAnkuendigen(); // the history is the test's own
    Navigation::GeheZuSeite(*Fenster, 10); // every page lists the same objects
    Fenster->Verlauf().VerlaufEintragen(10);
    NavigationsknoepfeAktualisieren(*Fenster);
    EXPECT_TRUE(Objekt<THNavWeiter>(1)->isEnabled());
    EXPECT_FALSE(Objekt<THNavZurueck>(2)->isEnabled());
    EXPECT_FALSE(Objekt<THNavWeiter>(3)->isEnabled());
    EXPECT_FALSE(Objekt<THNavZurueck>(4)->isEnabled());
    EXPECT_EQ(Objekt<THFunktionsSchaltflaeche>(5)->GezeigtesStueck(), 1);
    EXPECT_EQ(Objekt<THFunktionsSchaltflaeche>(6)->GezeigtesStueck(), 1);
}

TEST_F(Navigationsknoepfe, LetzteSeiteMitteImVerlauf) {
    Fenster->VerlaufsschrittAnkuendigen(); // the history is the test's own
    Navigation::GeheZuSeite(*Fenster, 30); // every page lists the same objects
    for (int32_t seite : {10, 20, 30})
        Fenster->Verlauf().VerlaufEintragen(seite);
    Fenster->Verlauf().Zurueck();
    NavigationsknoepfeAktualisieren(*Fenster);
    EXPECT_FALSE(Objekt<THNavWeiter>(1)->isEnabled());
    EXPECT_TRUE(Objekt<THNavZurueck>(2)->isEnabled());
    EXPECT_TRUE(Objekt<THNavWeiter>(3)->isEnabled());
    EXPECT_TRUE(Objekt<THNavZurueck>(4)->isEnabled());
    EXPECT_EQ(Objekt<THFunktionsSchaltflaeche>(5)->Zustand(), 1);
    EXPECT_EQ(Objekt<THFunktionsSchaltflaeche>(5)->GezeigtesStueck(), 0);
    EXPECT_EQ(Objekt<THFunktionsSchaltflaeche>(6)->GezeigtesStueck(), 0);
}

TEST_F(Navigationsknoepfe, BewegungUeberDemFensterSetztBildknoepfeZurueck) {
    auto* knopf = Objekt<THSchaltflaeche>(7);
    auto* funktion = Objekt<THFunktionsSchaltflaeche>(5);
    funktion->ZustandSetzen(1);
    knopf->StueckZeigen(THSchaltflaeche::Hover);
    funktion->StueckZeigen(2);
    BildknoepfeZuruecksetzen(*Fenster);
    EXPECT_EQ(knopf->GezeigtesStueck(), THSchaltflaeche::Normal);
    EXPECT_EQ(funktion->GezeigtesStueck(), 0);
}

TEST_F(Navigationsknoepfe, KlangAnZeigtKlangknoepfeBereit) {
    auto* klang = Objekt<THFunktionsSchaltflaeche>(5);
    klang->Typ = THFunktionsSchaltflaeche::Klang;
    klang->ZustandSetzen(0);
    KlangknoepfeBereit(*Fenster);
    EXPECT_EQ(klang->Zustand(), 2);
    EXPECT_EQ(klang->GezeigtesStueck(), 1);
    EXPECT_EQ(Objekt<THFunktionsSchaltflaeche>(6)->Zustand(), 0); // a history button
}

} // namespace
