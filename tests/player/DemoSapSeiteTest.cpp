// The demo lesson's simulated application screen: Insert switches the status lines and the
// fields, a click into a field label places the marker until the page changes, and the F4
// help of the material field fills both fields, also when a page change runs under it.

#include "DemoSeitenumgebung.h"

#include "objects/eingabe/THEditfeld.h"
#include "objects/rollen/TUeberschreibmodus.h"
#include "objects/rollen/TWerkzeugfensterdienst.h"
#include "objects/sap/TF4HilfeFenster1.h"
#include "objects/sap/THSAPStatuszeile.h"
#include "objects/texte/THLabel.h"
#include "objects/texte/THSystemLabel.h"
#include "platform/Befehle.h"
#include "platform/Protokoll.h"
#include "player/Navigation.h"

#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QTest>
#include <QTimer>

#include <fstream>
#include <functional>

namespace {

class DemoSapSeite : public DemoSeitentest {
protected:
    int32_t Seitennummer() const override { return 60; }

    void SetUp() override {
        DemoSeitentest::SetUp();
        Umgebung.Fensterliste.Anhaengen(Fenster);
        Umgebung.Fensterliste.AktuellSetzen(Fenster);
        ProtokollOeffnen(Verzeichnis / "protokoll.txt");
    }

    void TearDown() override {
        ProtokollSchliessen();
        Umgebung.Fensterliste.Leeren();
        DemoSeitentest::TearDown();
    }

    // How often page event `Nr` came from `Quelle` (0: the window) since the test began.
    size_t Ereignisse(int Nr, int32_t Quelle = 0) {
        std::ifstream in(Verzeichnis / "protokoll.txt");
        size_t gehoert = 0;
        const std::string gesucht = " event " + std::to_string(Quelle) + " " + std::to_string(Nr);
        for (std::string z; std::getline(in, z);)
            if (z.size() >= gesucht.size() &&
                z.compare(z.size() - gesucht.size(), gesucht.size(), gesucht) == 0)
                ++gehoert;
        return gehoert;
    }

    // A key as the window system delivers it: to the focused control of the window.
    void Einfg() {
        QWidget* ziel = Fenster->focusWidget() ? Fenster->focusWidget() : Fenster;
        QTest::keyClick(ziel, Qt::Key_Insert);
    }

    static bool Bis(const std::function<bool()>& Bedingung) {
        for (int i = 0; i < 500 && !Bedingung(); ++i)
            QTest::qWait(10);
        return Bedingung();
    }

    TUeberschreibmodus Modus;
    TRollenersatz<TUeberschreibmodus> ModusErsatz{Modus};
};

TEST_F(DemoSapSeite, EinfgSchaltetZeilenFelderUndModuswert) {
    auto* zeile = Objekt<THSAPStatuszeile>(6018);
    auto* werk = Objekt<THEditfeld>(6012);
    auto* moduswert = Objekt<THSystemLabel>(6016);
    ASSERT_TRUE(zeile && werk && moduswert);
    EXPECT_EQ(zeile->Modusteil()->text(), "OVR");
    EXPECT_TRUE(werk->UeberschreibModus()) << "the page build hands the mode to the fields";

    Einfg();
    EXPECT_EQ(zeile->Modusteil()->text(), "INS");
    EXPECT_FALSE(werk->UeberschreibModus());
    EXPECT_EQ(moduswert->text(), QString::fromUtf8("Einfügen"));
    EXPECT_EQ(Ereignisse(107), 1u);

    Einfg();
    EXPECT_EQ(zeile->Modusteil()->text(), "OVR");
    EXPECT_TRUE(werk->UeberschreibModus());
    EXPECT_EQ(Ereignisse(106), 1u);

    // A second line: one press flips both, and each raises its event.
    auto* zweite = new THSAPStatuszeile(Fenster);
    TTestfenster::Eintragen(Fenster->Objektreihe(), zweite, 6099, 34);
    Einfg();
    EXPECT_EQ(zeile->Modusteil()->text(), "INS");
    EXPECT_EQ(zweite->Modusteil()->text(), "INS");
    EXPECT_EQ(Ereignisse(107), 3u);
}

TEST_F(DemoSapSeite, KlickInDieFeldbeschriftungSetztDenMarkerBisZumSeitenwechsel) {
    auto* label = Objekt<THLabel>(6007);
    auto* angeklickt = Objekt<THSystemLabel>(6014);
    ASSERT_TRUE(label && angeklickt);
    const int w = QFontMetrics(label->font()).horizontalAdvance(label->text()) /
                  static_cast<int>(label->text().size());
    QTest::mousePress(label, Qt::LeftButton, {}, {2 * w + 1, 3});
    QTest::mouseRelease(label, Qt::LeftButton, {}, {2 * w + 1, 3});
    EXPECT_TRUE(Fenster->Klickmarker()->isVisibleTo(Fenster));
    EXPECT_EQ(Fenster->Klickmarker()->text(), "t");
    EXPECT_EQ(Fenster->Klickmarker()->pos(), label->pos() + QPoint(2 * w, 0));
    EXPECT_EQ(angeklickt->text(), "Material");

    Fenster->SeiteAufbauen(Navigation::SeiteMitNummer(1));
    EXPECT_FALSE(Fenster->Klickmarker()->isVisibleTo(Fenster));
}

TEST_F(DemoSapSeite, F4HilfeFuelltMaterialUndKurztext) {
    auto* material = Objekt<THEditfeld>(6008);
    auto* kurztext = Objekt<THEditfeld>(6010);
    ASSERT_TRUE(material && kurztext);
    QTimer::singleShot(0, [] {
        auto* f4 = qobject_cast<TF4HilfeFenster1*>(QApplication::activeModalWidget());
        ASSERT_NE(f4, nullptr);
        EXPECT_EQ(f4->Werte().Zelltext(0, 1), "Materialkurztext");
        QTest::keyClick(f4, Qt::Key_Down);
        QTest::keyClick(f4, Qt::Key_Return);
    });
    // As action 31 opens it.
    material->F4HilfeOeffnen();
    EXPECT_EQ(material->text(), "4712");
    EXPECT_EQ(kurztext->text(), "Mutter M6");
    EXPECT_EQ(Ereignisse(108, 6008), 1u);
    EXPECT_EQ(Ereignisse(220, 6008), 1u);
}

TEST_F(DemoSapSeite, SeitenwechselWaehrendDerF4HilfeSchreibtNichts) {
    const QPointer<THEditfeld> material = Objekt<THEditfeld>(6008);
    ASSERT_TRUE(material);
    QTimer::singleShot(0, [&] {
        auto* f4 = qobject_cast<TF4HilfeFenster1*>(QApplication::activeModalWidget());
        ASSERT_NE(f4, nullptr);
        Fenster->Fensterbefehl(FensterSeite, 1);
        EXPECT_TRUE(Bis([&] { return Fenster->Seitennummer() == 1; }));
        EXPECT_TRUE(Bis([&] { return material.isNull(); }));
        QTest::keyClick(f4, Qt::Key_Return);
    });
    Rolle<TWerkzeugfensterdienst>().F4HilfeOeffnen(6008);
    EXPECT_TRUE(material.isNull());
    EXPECT_EQ(Fenster->Seitennummer(), 1);
}

} // namespace
