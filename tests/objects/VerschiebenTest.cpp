// Movable pictures and shapes follow the left mouse button inside their parent; pictures
// land in the empty target areas that contain their centre or go back home.

#include "ObjektTesthilfe.h"

#include "objects/bilder/THBitmap.h"
#include "objects/bilder/THShape.h"
#include "support/QtAnwendung.h"

#include <QTest>

namespace {

auto* const qt = ::testing::AddGlobalTestEnvironment(new QtAnwendung);

class Verschieben : public ::testing::Test {
protected:
    void SetUp() override {
        Fenster.show();
        Bild = new THBitmap(&Fenster);
        Bild->setGeometry(10, 10, 40, 40);
        Bild->Heimat = {10, 10};
        Bild->VerschiebbarSetzen(true);
        Bild->show();
        Fenster.Eintragen(Bild, 7, 5);
    }

    TTestzielbereich* Bereich(QRect Rechteck, int32_t Nummer, int32_t Ausrichtung = 0) {
        auto* b = new TTestzielbereich(&Fenster);
        b->setGeometry(Rechteck);
        b->Ausrichtung = Ausrichtung;
        Fenster.Eintragen(b, Nummer, 53);
        return b;
    }

    TTestfenster Fenster; // 400 × 300
    THBitmap* Bild = nullptr;
};

TEST_F(Verschieben, BildFolgtDerMausUndBleibtImFenster) {
    QTest::mousePress(Bild, Qt::LeftButton, {}, {5, 5});
    QTest::mouseMove(Bild, {25, 15});
    EXPECT_EQ(Bild->pos(), QPoint(30, 20));
    QTest::mouseMove(Bild, {1005, 5});
    EXPECT_EQ(Bild->pos(), QPoint(360, 20)); // right edge on the window's right edge
    QTest::mouseMove(Bild, {-2000, 2005});
    EXPECT_EQ(Bild->pos(), QPoint(0, 260));
    QTest::mouseRelease(Bild, Qt::LeftButton, {}, {5, 5});
}

TEST_F(Verschieben, OhneZielbereichGehtDasBildNachHause) {
    QTest::mousePress(Bild, Qt::LeftButton, {}, {5, 5});
    QTest::mouseMove(Bild, {105, 105});
    ASSERT_EQ(Bild->pos(), QPoint(110, 110));
    QTest::mouseRelease(Bild, Qt::LeftButton, {}, {5, 5});
    EXPECT_EQ(Bild->pos(), QPoint(10, 10));
}

struct Knopffall {
    Qt::MouseButton Knopf;
    Qt::KeyboardModifiers Umschalter;
};

void PrintTo(const Knopffall& f, std::ostream* aus) {
    *aus << "Knopf " << f.Knopf << ", Umschalter " << f.Umschalter.toInt();
}

class NurLinkerKnopf : public Verschieben, public ::testing::WithParamInterface<Knopffall> {};

TEST_P(NurLinkerKnopf, AndereKnoepfeUndUmschalterBewegenNichts) {
    const Knopffall f = GetParam();
    QTest::mousePress(Bild, f.Knopf, f.Umschalter, {5, 5});
    QTest::mouseEvent(QTest::MouseMove, Bild, Qt::NoButton, f.Umschalter, {55, 55});
    EXPECT_EQ(Bild->pos(), QPoint(10, 10));
    QTest::mouseRelease(Bild, f.Knopf, f.Umschalter, {55, 55});
}

INSTANTIATE_TEST_SUITE_P(Verschieben, NurLinkerKnopf,
                         ::testing::Values(Knopffall{Qt::LeftButton, Qt::ControlModifier},
                                           Knopffall{Qt::LeftButton, Qt::ShiftModifier},
                                           Knopffall{Qt::LeftButton, Qt::AltModifier},
                                           Knopffall{Qt::RightButton, Qt::KeyboardModifiers()}));

TEST_F(Verschieben, NichtVerschiebbaresBildBleibtStehenUndLeitetWeiter) {
    Bild->VerschiebbarSetzen(false);
    QTest::mousePress(Bild, Qt::LeftButton, {}, {5, 5});
    QTest::mouseMove(Bild, {55, 55});
    QTest::mouseRelease(Bild, Qt::LeftButton, {}, {55, 55});
    EXPECT_EQ(Bild->pos(), QPoint(10, 10));
    ASSERT_EQ(Fenster.Maus.size(), 3u);
    EXPECT_EQ(Fenster.Maus[0].Art, 'd');
    EXPECT_EQ(Fenster.Maus[0].Position, QPoint(15, 15));
    EXPECT_EQ(Fenster.Maus[2].Art, 'u');
}

TEST_F(Verschieben, VerschiebbaresBildLeitetNichtsWeiter) {
    QTest::mousePress(Bild, Qt::LeftButton, {}, {5, 5});
    QTest::mouseMove(Bild, {15, 5});
    QTest::mouseRelease(Bild, Qt::LeftButton, {}, {5, 5});
    EXPECT_TRUE(Fenster.Maus.empty());
}

TEST_F(Verschieben, BildLandetImBereichUndWirdZentriert) {
    TTestzielbereich* bereich = Bereich({200, 100, 100, 80}, 20, 1);
    QTest::mousePress(Bild, Qt::LeftButton, {}, {5, 5});
    QTest::mouseMove(Bild, {205, 105}); // object at (210, 110), centre (230, 130)
    QTest::mouseRelease(Bild, Qt::LeftButton, {}, {5, 5});
    EXPECT_EQ(bereich->Belegung, 7);
    EXPECT_EQ(bereich->Aufgenommen, 1);
    EXPECT_EQ(Bild->pos(), QPoint(250 - 20, 140 - 20));
}

TEST_F(Verschieben, OhneAusrichtungBleibtDasBildWoEsLosgelassenWurde) {
    TTestzielbereich* bereich = Bereich({200, 100, 100, 80}, 20);
    QTest::mousePress(Bild, Qt::LeftButton, {}, {5, 5});
    QTest::mouseMove(Bild, {205, 105});
    QTest::mouseRelease(Bild, Qt::LeftButton, {}, {5, 5});
    EXPECT_EQ(bereich->Belegung, 7);
    EXPECT_EQ(Bild->pos(), QPoint(210, 110));
}

TEST_F(Verschieben, MittelpunktAufDemRandZaehltNicht) {
    // Centre (230, 130): exactly on the left edge of the area.
    TTestzielbereich* bereich = Bereich({230, 100, 100, 80}, 20);
    QTest::mousePress(Bild, Qt::LeftButton, {}, {5, 5});
    QTest::mouseMove(Bild, {205, 105});
    QTest::mouseRelease(Bild, Qt::LeftButton, {}, {5, 5});
    EXPECT_EQ(bereich->Belegung, 0);
    EXPECT_EQ(Bild->pos(), QPoint(10, 10));
}

TEST_F(Verschieben, ZweiUeberlappendeLeereBereicheNehmenBeideAuf) {
    TTestzielbereich* a = Bereich({200, 100, 100, 80}, 20);
    TTestzielbereich* b = Bereich({220, 120, 100, 80}, 21);
    TTestzielbereich* belegt = Bereich({200, 100, 100, 80}, 22);
    belegt->Belegung = 99;
    QTest::mousePress(Bild, Qt::LeftButton, {}, {5, 5});
    QTest::mouseMove(Bild, {205, 105});
    QTest::mouseRelease(Bild, Qt::LeftButton, {}, {5, 5});
    EXPECT_EQ(a->Belegung, 7);
    EXPECT_EQ(b->Belegung, 7);
    EXPECT_EQ(belegt->Belegung, 99);
    EXPECT_EQ(belegt->Aufgenommen, 0);
}

TEST_F(Verschieben, DruckLeertDenBereichUnterDemBildAuchOhneVerschiebbar) {
    TTestzielbereich* darunter = Bereich({0, 0, 100, 100}, 20);
    TTestzielbereich* daneben = Bereich({200, 0, 100, 100}, 21);
    darunter->Belegung = 7;
    daneben->Belegung = 8;
    Bild->VerschiebbarSetzen(false);
    QTest::mousePress(Bild, Qt::LeftButton, {}, {5, 5});
    QTest::mouseRelease(Bild, Qt::LeftButton, {}, {5, 5});
    EXPECT_EQ(darunter->Belegung, 0);
    EXPECT_EQ(daneben->Belegung, 8);
}

TEST_F(Verschieben, FormFolgtDerMausKehrtAberNichtZurueck) {
    auto* form = new THShape(&Fenster);
    form->setGeometry(100, 100, 50, 30);
    form->Heimat = {100, 100};
    form->VerschiebbarSetzen(true);
    form->show();
    Fenster.Eintragen(form, 9, 9);
    QTest::mousePress(form, Qt::LeftButton, {}, {5, 5});
    QTest::mouseMove(form, {505, 25});
    QTest::mouseRelease(form, Qt::LeftButton, {}, {5, 5});
    EXPECT_EQ(form->pos(), QPoint(350, 120));
    // A shape keeps passing its input on while it moves.
    ASSERT_EQ(Fenster.Maus.size(), 3u);
    EXPECT_EQ(Fenster.Maus[1].Art, 'm');
    EXPECT_EQ(Fenster.Maus[1].Position, QPoint(605, 125));
}

TEST_F(Verschieben, DoppelklickAufFormMitZielWechseltDieSeite) {
    auto* form = new THShape(&Fenster);
    form->show();
    form->Ziel = 12;
    QTest::mouseDClick(form, Qt::LeftButton);
    QTest::mouseRelease(form, Qt::LeftButton);
    form->Ziel = 0;
    QTest::mouseDClick(form, Qt::LeftButton);
    QTest::mouseRelease(form, Qt::LeftButton);
    ASSERT_EQ(Fenster.Befehle.size(), 1u);
    EXPECT_EQ(Fenster.Befehle[0], std::make_pair(0, int32_t{12}));
}

} // namespace
