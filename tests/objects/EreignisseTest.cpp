// Page events reach the event objects that listen to their source, in deep page order;
// objects pass their mouse input on to the learner window in window coordinates; the page
// list is walked at the top level or deep into containers.

#include "ObjektTesthilfe.h"

#include "actions/Aktionen.h"
#include "objects/bilder/THBevel.h"
#include "objects/bilder/THShape.h"
#include "objects/ereignisse/Seitenereignisse.h"
#include "objects/ereignisse/THMessage.h"
#include "objects/kern/THPanel.h"
#include "objects/kern/THXLabel.h"
#include "support/QtAnwendung.h"

#include <QTest>

namespace {

auto* const qt = ::testing::AddGlobalTestEnvironment(new QtAnwendung);

class Ereignisse : public ::testing::Test, protected TTestaktionen {
protected:
    THMessage* Nachricht(int32_t Nummer, int32_t EreignisNr, int32_t Quelle, int32_t Typ = 3) {
        auto* n = new THMessage(&Fenster);
        n->EreignisNr = EreignisNr;
        n->Quelle = Quelle;
        n->Typ = Typ;
        n->Aktion = Aktionscode(Typ);
        n->Ziel = Nummer * 10;
        Fenster.Eintragen(n, Nummer, 43);
        return n;
    }
    std::vector<int32_t> Ziele() const {
        std::vector<int32_t> ziele;
        for (const auto& a : Aufrufe)
            ziele.push_back(a.Ziel);
        return ziele;
    }

    TTestfenster Fenster;
    TAktionsmitschrift Mitschrift;
    std::vector<TAktionsaufruf>& Aufrufe = Mitschrift.Aufrufe;
};

struct Quellenfall {
    int32_t Quelle;    // of the event object
    int32_t Ausloeser; // of the event
    bool Reagiert;
};

void PrintTo(const Quellenfall& f, std::ostream* aus) {
    *aus << "Quelle " << f.Quelle << ", ausgeloest von " << f.Ausloeser;
}

class Quellen : public Ereignisse, public ::testing::WithParamInterface<Quellenfall> {};

TEST_P(Quellen, EreignisobjektHoertAufSeineQuelle) {
    Nachricht(1, 104, GetParam().Quelle);
    EreignisVerteilen(Fenster.Objektliste(), GetParam().Ausloeser, 104);
    EXPECT_EQ(Aufrufe.size(), GetParam().Reagiert ? 1u : 0u);
}

INSTANTIATE_TEST_SUITE_P(Ereignisse, Quellen,
                         ::testing::Values(Quellenfall{0, 0, true}, Quellenfall{0, 7, true},
                                           Quellenfall{7, 7, true}, Quellenfall{7, 0, false},
                                           Quellenfall{7, 8, false}));

TEST_F(Ereignisse, AndereEreignisnummerBleibtOhneWirkung) {
    Nachricht(1, 104, 0);
    EreignisVerteilen(Fenster.Objektliste(), 0, 105);
    EXPECT_TRUE(Aufrufe.empty());
}

TEST_F(Ereignisse, EreignisobjektUebergibtSeineParameterUndFuehrtAus) {
    THMessage* n = Nachricht(1, 229, 0, 17);
    n->Beschreibung = "Betreff";
    n->Email = "lehrer@example.org";
    n->Script = "start.txt";
    n->Dokumentname = "hilfe.pdf";
    n->Menuenummer = 4;
    n->TextNr = 5;
    n->Objektnummer = 6;
    n->Datensatznummer = 8;
    AktuelleMenuenummer = 0;
    Fenster.EreignisAusloesen(3, 229);
    ASSERT_EQ(Aufrufe.size(), 1u);
    const TAktionsaufruf& a = Aufrufe[0];
    EXPECT_EQ(a.Aktion, 17);
    EXPECT_EQ(a.TextNr, 5);
    EXPECT_EQ(a.Objektnummer, 6);
    EXPECT_EQ(a.Hilfedatei, "");
    EXPECT_EQ(a.HilfeContext, 0);
    EXPECT_EQ(a.Datensatznummer, 8);
    EXPECT_EQ(a.Ziel, 10);
    EXPECT_EQ(AktuelleEmail, "lehrer@example.org");
    EXPECT_EQ(AktuelleBeschreibung, "Betreff");
    EXPECT_EQ(AnstehendesScript, "start.txt");
    EXPECT_EQ(AktuellesDokument, "hilfe.pdf");
    EXPECT_EQ(AktuelleMenuenummer, 4);
}

TEST_F(Ereignisse, MailaktionWirktNurEinmal) {
    THMessage* gespeichert = Nachricht(1, 104, 0, 29);
    THMessage* intern = Nachricht(2, 104, 0, 1029);
    Nachricht(3, 104, 0, 3);
    EreignisVerteilen(Fenster.Objektliste(), 0, 104);
    EreignisVerteilen(Fenster.Objektliste(), 0, 104);
    EXPECT_EQ(Ziele(), (std::vector<int32_t>{10, 20, 30, 30}));
    EXPECT_FALSE(gespeichert->isEnabled());
    EXPECT_FALSE(intern->isEnabled());
}

TEST_F(Ereignisse, EreignisseErreichenContainerInhalteInSeitenordnung) {
    Nachricht(1, 104, 0);
    auto* container = new TTestcontainer(&Fenster);
    Fenster.Eintragen(container, 2, 46);
    auto* innen = new THMessage(container);
    innen->EreignisNr = 104;
    innen->Ziel = 25;
    TTestfenster::Eintragen(container->Liste, innen, 5, 43);
    Nachricht(3, 104, 0);
    EreignisVerteilen(Fenster.Objektliste(), 0, 104);
    EXPECT_EQ(Ziele(), (std::vector<int32_t>{10, 25, 30}));
}

class Weiterleitung : public ::testing::Test {
protected:
    void SetUp() override { Fenster.show(); }

    void DrueckenZiehenLoslassen(QWidget* Objekt) {
        QTest::mousePress(Objekt, Qt::LeftButton, Qt::ShiftModifier, {5, 6});
        QTest::mouseMove(Objekt, {7, 9});
        QTest::mouseRelease(Objekt, Qt::LeftButton, Qt::ShiftModifier, {8, 9});
    }

    TTestfenster Fenster;
};

TEST_F(Weiterleitung, MausWirdMitLinksUndObenWeitergegeben) {
    auto* rahmen = new THBevel(&Fenster);
    rahmen->setGeometry(30, 40, 50, 50);
    rahmen->show();
    DrueckenZiehenLoslassen(rahmen);
    ASSERT_EQ(Fenster.Maus.size(), 3u);
    const auto& d = Fenster.Maus[0];
    EXPECT_EQ(d.Art, 'd');
    EXPECT_EQ(d.Sender, rahmen);
    EXPECT_EQ(d.Knoepfe, Qt::LeftButton);
    EXPECT_EQ(d.Umschalter, Qt::ShiftModifier);
    EXPECT_EQ(d.Position, QPoint(35, 46));
    EXPECT_EQ(Fenster.Maus[1].Art, 'm');
    EXPECT_EQ(Fenster.Maus[1].Position, QPoint(37, 49));
    EXPECT_EQ(Fenster.Maus[2].Art, 'u');
    EXPECT_EQ(Fenster.Maus[2].Position, QPoint(38, 49));
}

TEST_F(Weiterleitung, LabelGibtNurDruckenUndLoslassenWeiter) {
    auto* label = new THXLabel(&Fenster);
    label->setGeometry(10, 10, 50, 20);
    label->show();
    DrueckenZiehenLoslassen(label);
    ASSERT_EQ(Fenster.Maus.size(), 2u);
    EXPECT_EQ(Fenster.Maus[0].Art, 'd');
    EXPECT_EQ(Fenster.Maus[1].Art, 'u');
    EXPECT_EQ(Fenster.Maus[1].Position, QPoint(18, 19));
}

TEST_F(Weiterleitung, PanelGibtAllesWeiter) {
    auto* panel = new THPanel(&Fenster);
    panel->move(100, 0);
    panel->show();
    DrueckenZiehenLoslassen(panel);
    ASSERT_EQ(Fenster.Maus.size(), 3u);
    EXPECT_EQ(Fenster.Maus[0].Position, QPoint(105, 6));
}

TEST_F(Weiterleitung, GesperrtesObjektGibtNichtsSelbstWeiter) {
    auto* rahmen = new THBevel(&Fenster);
    rahmen->setGeometry(30, 40, 50, 50);
    rahmen->setEnabled(false);
    rahmen->show();
    DrueckenZiehenLoslassen(rahmen);
    EXPECT_TRUE(Fenster.Maus.empty());
}

TEST(Objektliste, ObjektMitNummerSuchtAuchImContainer) {
    TTestfenster fenster;
    auto* container = new TTestcontainer(&fenster);
    fenster.Eintragen(new THBevel(&fenster), 1, 29);
    fenster.Eintragen(container, 2, 46);
    TTestfenster::Eintragen(container->Liste, new THBevel(container), 9, 29);
    TTestfenster::Eintragen(container->Liste, new THBevel(container), 1, 29);
    fenster.Eintragen(new THBevel(&fenster), 3, 29);

    ASSERT_NE(ObjektMitNummer(fenster.Objektliste(), 9), nullptr);
    EXPECT_EQ(ObjektMitNummer(fenster.Objektliste(), 9)->Objekt->parentWidget(), container);
    EXPECT_EQ(ObjektAufSeite(fenster.Objektliste(), 9), nullptr);
    EXPECT_FALSE(AufSeite(fenster.Objektliste(), 9));
    EXPECT_TRUE(AufSeite(fenster.Objektliste(), 3));
    EXPECT_EQ(ObjektMitNummer(fenster.Objektliste(), 1)->Objekt->parentWidget(), &fenster);
    EXPECT_EQ(ObjektMitNummer(fenster.Objektliste(), 4), nullptr);

    std::vector<int32_t> tief, oben;
    TiefDurchlaufen(fenster.Objektliste(), [&](TObjektliste& e) {
        tief.push_back(e.Nummer);
        return true;
    });
    ObenDurchlaufen(fenster.Objektliste(), [&](TObjektliste& e) {
        oben.push_back(e.Nummer);
        return true;
    });
    EXPECT_EQ(tief, (std::vector<int32_t>{1, 2, 9, 1, 3}));
    EXPECT_EQ(oben, (std::vector<int32_t>{1, 2, 3}));
}

TEST(Stapelung, GemalteObjekteLiegenUnterGefenstertenObjekten) {
    TTestfenster fenster;
    auto* panel = new THPanel(&fenster);
    auto* rahmen = new THBevel(&fenster);
    auto* form = new THShape(&fenster);
    fenster.Eintragen(panel, 1, 19);
    fenster.Eintragen(rahmen, 2, 29);
    fenster.Eintragen(form, 3, 9);
    FensterloseNachUnten(fenster, fenster.Objektliste());
    const QObjectList kinder = fenster.children();
    EXPECT_LT(kinder.indexOf(rahmen), kinder.indexOf(form));
    EXPECT_LT(kinder.indexOf(form), kinder.indexOf(panel));
}

} // namespace
