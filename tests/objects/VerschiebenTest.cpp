// Movable pictures and shapes follow the left mouse button inside their parent; pictures
// land in the empty target areas that contain their centre or go back home. Drop targets
// paint themselves and tell what a drop changed; the keyboard carries movable objects and
// drops them through the same code as the mouse.

#include "ObjektTesthilfe.h"

#include "objects/auswertung/THZielBereich.h"
#include "objects/bilder/THBitmap.h"
#include "objects/bilder/THShape.h"
#include "objects/rollen/TSystemwertdienst.h"
#include "objects/texte/THSystemLabel.h"
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

    // A real drop target of the page.
    THZielBereich* Ziel(QRect Rechteck, int32_t Nummer, int32_t Ausrichtung = 0) {
        auto* b = new THZielBereich(&Fenster);
        b->setGeometry(Rechteck);
        b->Ausrichtung = Ausrichtung;
        b->show();
        Fenster.Eintragen(b, Nummer, 53);
        return b;
    }

    // The window active and the picture in the focus, reached by Tab as a learner does.
    void BildFokussieren() {
        Fenster.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&Fenster));
        if (QWidget* fokus = Fenster.focusWidget()) fokus->clearFocus();
        QTest::keyClick(&Fenster, Qt::Key_Tab);
        ASSERT_TRUE(Bild->hasFocus());
    }

    void Tasten(Qt::Key Taste, int Mal, Qt::KeyboardModifiers Umschalter = {}) {
        for (int i = 0; i < Mal; ++i)
            QTest::keyClick(Bild, Taste, Umschalter);
    }

    TEreignisfenster Fenster; // 400 × 300
    THBitmap* Bild = nullptr;
};

// System values that count how often they were asked for.
class TZaehlendeSystemwerte : public TSystemwertdienst {
public:
    std::string Systemwert(int32_t) override { return std::to_string(++Aufrufe); }
    int Aufrufe = 0;

private:
    TRollenersatz<TSystemwertdienst> Ersatz{*this};
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

// ---------------------------------------------------------------------------------------
// Dropping with the mouse on a real target

TEST_F(Verschieben, AblegenRuftEreignis224UndFrischtNurDieLeerzahlAuf) {
    TZaehlendeSystemwerte werte;
    THZielBereich* bereich = Ziel({200, 100, 100, 80}, 20, 1);
    auto* leere = new THSystemLabel(&Fenster);
    auto* andere = new THSystemLabel(&Fenster);
    Fenster.Eintragen(leere, 30, 45);
    Fenster.Eintragen(andere, 31, 45);
    leere->AnzeigeSetzen(1007);
    andere->AnzeigeSetzen(1006);
    const QString vorher = andere->text();

    QTest::mousePress(Bild, Qt::LeftButton, {}, {5, 5});
    QTest::mouseMove(Bild, {205, 105});
    QTest::mouseRelease(Bild, Qt::LeftButton, {}, {5, 5});

    EXPECT_EQ(bereich->Belegung, 7);
    EXPECT_EQ(bereich->property("Belegung").toInt(), 7);
    EXPECT_EQ(Bild->pos(), QPoint(230, 120)); // centred
    EXPECT_EQ(Fenster.Ereignisse, (std::vector<std::pair<int32_t, int>>{{20, 224}}));
    EXPECT_NE(leere->text(), QStringLiteral("1"));
    EXPECT_EQ(andere->text(), vorher);

    // Picking it up again empties the target: the count follows, no event.
    const QString belegt = leere->text();
    QTest::mousePress(Bild, Qt::LeftButton, {}, {5, 5});
    EXPECT_EQ(bereich->Belegung, 0);
    EXPECT_NE(leere->text(), belegt);
    EXPECT_EQ(Fenster.Ereignisse.size(), 1u);
    QTest::mouseRelease(Bild, Qt::LeftButton, {}, {5, 5});
}

TEST_F(Verschieben, BelegterBereichSchicktDasBildNachHause) {
    THZielBereich* bereich = Ziel({200, 100, 100, 80}, 20);
    bereich->Belegung = 9;
    QTest::mousePress(Bild, Qt::LeftButton, {}, {5, 5});
    QTest::mouseMove(Bild, {205, 105});
    QTest::mouseRelease(Bild, Qt::LeftButton, {}, {5, 5});
    EXPECT_EQ(bereich->Belegung, 9);
    EXPECT_EQ(Bild->pos(), QPoint(10, 10));
    EXPECT_TRUE(Fenster.Ereignisse.empty());
}

TEST_F(Verschieben, UeberlappendeBereicheNehmenBeideAuf) {
    THZielBereich* a = Ziel({200, 100, 100, 80}, 20);
    THZielBereich* b = Ziel({220, 120, 100, 80}, 21);
    QTest::mousePress(Bild, Qt::LeftButton, {}, {5, 5});
    QTest::mouseMove(Bild, {205, 105});
    QTest::mouseRelease(Bild, Qt::LeftButton, {}, {5, 5});
    EXPECT_EQ(a->Belegung, 7);
    EXPECT_EQ(b->Belegung, 7);
    EXPECT_EQ(Fenster.Ereignisse, (std::vector<std::pair<int32_t, int>>{{20, 224}, {21, 224}}));
}

// ---------------------------------------------------------------------------------------
// Painting

struct TMalfall {
    const char* Name;
    bool Transparent;
    int Stiftbreite;
    QColor Ecke, Mitte; // invalid: the window's background
};

void PrintTo(const TMalfall& f, std::ostream* aus) {
    *aus << f.Name;
}

class Malen : public Verschieben, public ::testing::WithParamInterface<TMalfall> {};

TEST_P(Malen, RechteckInFuellUndRahmenfarbe) {
    const TMalfall& f = GetParam();
    Fenster.setAutoFillBackground(true);
    QPalette farben = Fenster.palette();
    farben.setColor(QPalette::Window, Qt::white);
    Fenster.setPalette(farben);
    THZielBereich* bereich = Ziel({100, 100, 60, 40}, 20);
    bereich->Farbe = Qt::red;
    bereich->Stiftfarbe = Qt::blue;
    bereich->Transparent = f.Transparent;
    bereich->Stiftbreite = f.Stiftbreite;
    const QImage bild = Fenster.grab().toImage();
    const auto farbe = [](QColor c) { return c.isValid() ? c : QColor(Qt::white); };
    EXPECT_EQ(QColor(bild.pixel(100, 100)), farbe(f.Ecke));
    EXPECT_EQ(QColor(bild.pixel(159, 139)), farbe(f.Ecke));
    EXPECT_EQ(QColor(bild.pixel(130, 120)), farbe(f.Mitte));
}

INSTANTIATE_TEST_SUITE_P(Verschieben, Malen,
                         ::testing::Values(TMalfall{"Gefuellt", false, 1, Qt::blue, Qt::red},
                                           TMalfall{"Transparent", true, 1, Qt::blue, {}},
                                           TMalfall{"OhneRahmen", false, 0, Qt::red, Qt::red},
                                           TMalfall{"Breit", false, 3, Qt::blue, Qt::red}),
                         [](const auto& Info) { return std::string(Info.param.Name); });

TEST(ZielbereichVorgaben, GrauTransparentMitSchwarzemRahmen) {
    THZielBereich bereich;
    EXPECT_EQ(bereich.Farbe, QColor(128, 128, 128));
    EXPECT_TRUE(bereich.Transparent);
    EXPECT_EQ(bereich.Stiftfarbe, QColor(Qt::black));
    EXPECT_EQ(bereich.Stiftbreite, 1);
    EXPECT_EQ(bereich.Belegung, 0);
}

// ---------------------------------------------------------------------------------------
// The keyboard

TEST_F(Verschieben, TastaturTraegtUndLegtAbWieDieMaus) {
    THZielBereich* bereich = Ziel({200, 100, 100, 80}, 20, 1);
    BildFokussieren();
    // Arrows alone do nothing until the picture is picked up.
    Tasten(Qt::Key_Right, 2);
    EXPECT_EQ(Bild->pos(), QPoint(10, 10));
    Tasten(Qt::Key_Space, 1);
    Tasten(Qt::Key_Right, 8, Qt::ShiftModifier); // x 210
    Tasten(Qt::Key_Down, 4, Qt::ShiftModifier);  // y 110
    EXPECT_EQ(Bild->pos(), QPoint(210, 110));
    EXPECT_EQ(bereich->Belegung, 0);
    Tasten(Qt::Key_Space, 1);
    EXPECT_EQ(bereich->Belegung, 7);
    EXPECT_EQ(Bild->pos(), QPoint(230, 120));
    EXPECT_EQ(Fenster.Ereignisse, (std::vector<std::pair<int32_t, int>>{{20, 224}}));
    // Escape sends it home and empties the target.
    Tasten(Qt::Key_Escape, 1);
    EXPECT_EQ(Bild->pos(), QPoint(10, 10));
    EXPECT_EQ(bereich->Belegung, 0);
}

TEST_F(Verschieben, AblegenNebenDenBereichenSchicktNachHause) {
    Ziel({200, 100, 100, 80}, 20);
    BildFokussieren();
    Tasten(Qt::Key_Space, 1);
    Tasten(Qt::Key_Down, 3);
    EXPECT_EQ(Bild->pos(), QPoint(10, 25));
    Tasten(Qt::Key_Space, 1);
    EXPECT_EQ(Bild->pos(), QPoint(10, 10));
    EXPECT_TRUE(Fenster.Ereignisse.empty());
}

struct TSchrittfall {
    Qt::Key Taste;
    Qt::KeyboardModifiers Umschalter;
    QPoint Nach;
};

void PrintTo(const TSchrittfall& f, std::ostream* aus) {
    *aus << "Taste " << f.Taste << ", Umschalter " << f.Umschalter.toInt();
}

class Schritte : public Verschieben, public ::testing::WithParamInterface<TSchrittfall> {};

TEST_P(Schritte, PfeileBewegenImFenster) {
    Bild->move(100, 100);
    BildFokussieren();
    Tasten(Qt::Key_Space, 1);
    Tasten(GetParam().Taste, 1, GetParam().Umschalter);
    EXPECT_EQ(Bild->pos(), GetParam().Nach);
    // Far beyond the edge the picture stops at the window's client area.
    Tasten(GetParam().Taste, 40, GetParam().Umschalter | Qt::ShiftModifier);
    const QPoint p = Bild->pos();
    EXPECT_TRUE(p.x() == 0 || p.x() == 360 || p.y() == 0 || p.y() == 260) << p.x() << "," << p.y();
}

INSTANTIATE_TEST_SUITE_P(Verschieben, Schritte,
                         ::testing::Values(TSchrittfall{Qt::Key_Left, {}, {95, 100}},
                                           TSchrittfall{Qt::Key_Right, {}, {105, 100}},
                                           TSchrittfall{Qt::Key_Up, {}, {100, 95}},
                                           TSchrittfall{Qt::Key_Down, {}, {100, 105}},
                                           TSchrittfall{Qt::Key_Left, Qt::ShiftModifier, {75, 100}},
                                           TSchrittfall{
                                               Qt::Key_Down, Qt::ShiftModifier, {100, 125}}));

// The picture carried by the keyboard over a target, with another control to move on to.
class Fokuswechsel : public Verschieben {
protected:
    void SetUp() override {
        Verschieben::SetUp();
        Ablage = Ziel({200, 100, 100, 80}, 20);
        Anderes = new QWidget(&Fenster);
        Anderes->setFocusPolicy(Qt::StrongFocus);
        Anderes->show();
        BildFokussieren();
        Tasten(Qt::Key_Space, 1);
        Tasten(Qt::Key_Right, 8, Qt::ShiftModifier);
        Tasten(Qt::Key_Down, 4, Qt::ShiftModifier);
    }
    THZielBereich* Ablage = nullptr;
    QWidget* Anderes = nullptr;
};

TEST_F(Fokuswechsel, TabZumNaechstenLegtDasGetrageneAb) {
    Tasten(Qt::Key_Tab, 1);
    ASSERT_TRUE(Anderes->hasFocus());
    EXPECT_EQ(Ablage->Belegung, 7);
    // Keys of the picture after that are no longer carrying it.
    Bild->setFocus();
    Tasten(Qt::Key_Right, 1);
    EXPECT_EQ(Bild->pos(), QPoint(210, 110));
}

TEST_F(Fokuswechsel, AndererFokusverlustLaesstEsGetragen) {
    // The program taking the focus elsewhere (a page change, another window) is no drop.
    Anderes->setFocus();
    EXPECT_EQ(Ablage->Belegung, 0);
    Bild->setFocus();
    Tasten(Qt::Key_Space, 1);
    EXPECT_EQ(Ablage->Belegung, 7);
}

TEST_F(Verschieben, NichtVerschiebbarIstKeinTabstopp) {
    Bild->VerschiebbarSetzen(false);
    EXPECT_EQ(Bild->focusPolicy(), Qt::NoFocus);
    Bild->VerschiebbarSetzen(true);
    EXPECT_NE(Bild->focusPolicy() & Qt::TabFocus, 0);
}

} // namespace
