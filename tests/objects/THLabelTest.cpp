// Labels (type 7) and shadows (type 42).

#include "ObjektTesthilfe.h"

#include "objects/kern/Farbblende.h"
#include "objects/rollen/TEffektuhr.h"
#include "objects/texte/THLabel.h"
#include "objects/texte/THSchatten.h"
#include "platform/Befehle.h"
#include "store/Lektion.h"
#include "support/QtAnwendung.h"

#include <QTest>

namespace {

auto* const qt = ::testing::AddGlobalTestEnvironment(new QtAnwendung);

// Catches the window commands posted to a window.
class TBefehlsfaenger : public QObject {
public:
    bool eventFilter(QObject*, QEvent* Ereignis) override {
        if (Ereignis->type() != FensterbefehlArt()) return false;
        const auto* b = static_cast<TBefehl*>(Ereignis);
        Befehle.emplace_back(b->Code, b->Parameter);
        return true;
    }
    std::vector<std::pair<int, int32_t>> Befehle;
};

class Label : public Lektionstest {
protected:
    void Anwenden(TSeitenobjekt& Objekt, int32_t Nr) {
        Objekt.Tag = Nr;
        Objekt.AlleFelderUebernehmen(Objekte(), nullptr);
    }
    TTestfenster Fenster;
};

TEST_F(Label, Felder) {
    LektionBauen(R"("Objekte.tab": [
        {"nr": 1, "fields": {"1200": "7", "1205": "10", "1206": "20", "1207": "200",
            "1208": "30", "1209": "255", "1218": "4", "1221": "<b>Hallo</b> & mehr",
            "1222": "0", "1245": "16711680", "1246": "Arial", "1247": "12", "1248": "0100",
            "1252": "Tipp", "1266": "2", "1279": "5", "1281": "6"}},
        {"nr": 2, "fields": {"1220": "1", "1221": "kurz", "1222": "1", "1268": "3"}},
        {"nr": 3, "fields": {"1220": "1", "1221": "kurz", "1268": "9"}}],
        "Daten.tab": [{"nr": 3, "fields": {"301": "aus dem Datensatz"}}])");
    THLabel label(&Fenster);
    EXPECT_FALSE(label.autoFillBackground());
    EXPECT_EQ(label.Ziel, 0);
    Anwenden(label, 1);
    EXPECT_EQ(label.geometry(), QRect(10, 20, 200, 30));
    EXPECT_EQ(label.text(), "<b>Hallo</b> & mehr");
    EXPECT_EQ(label.textFormat(), Qt::PlainText);
    EXPECT_TRUE(label.autoFillBackground());
    EXPECT_EQ(label.palette().color(QPalette::Window), QColor(255, 0, 0));
    EXPECT_EQ(label.palette().color(QPalette::WindowText), QColor(0, 0, 255));
    EXPECT_TRUE(label.font().italic());
    EXPECT_EQ(label.alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
    EXPECT_EQ(label.toolTip(), "Tipp");
    EXPECT_EQ(label.Ziel, 4);
    EXPECT_EQ(label.EffektAnzeigen, 5);
    EXPECT_EQ(label.EffektEntfernen, 6);

    THLabel zweites(&Fenster);
    Anwenden(zweites, 2);
    EXPECT_EQ(zweites.text(), "aus dem Datensatz");
    EXPECT_FALSE(zweites.autoFillBackground());
    EXPECT_EQ(zweites.size(), zweites.sizeHint());
    // Without the data record the caption stays; the number is kept.
    THLabel drittes(&Fenster);
    Anwenden(drittes, 3);
    EXPECT_EQ(drittes.text(), "kurz");
    EXPECT_EQ(drittes.Datensatznummer, 9);
}

TEST_F(Label, DoppelklickGehtZurZielseite) {
    TBefehlsfaenger faenger;
    Fenster.installEventFilter(&faenger);
    Fenster.show();
    auto* label = new THLabel(&Fenster);
    label->setText("Zum Anfang");
    label->setGeometry(10, 10, 100, 20);
    label->show();
    QTest::mouseDClick(label, Qt::LeftButton);
    QCoreApplication::processEvents();
    EXPECT_TRUE(faenger.Befehle.empty());
    label->Ziel = 3;
    QTest::mouseDClick(label, Qt::LeftButton);
    QCoreApplication::processEvents();
    EXPECT_EQ(faenger.Befehle, (std::vector<std::pair<int, int32_t>>{{0, 3}}));
}

TEST_F(Label, MausGehtNurUngedraengtAnsFenster) {
    Fenster.show();
    auto* label = new THLabel(&Fenster);
    label->setText("Label");
    label->setGeometry(10, 10, 100, 20);
    label->show();
    QTest::mousePress(label, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseMove(label, QPoint(6, 6));
    QTest::mouseRelease(label, Qt::LeftButton, {}, QPoint(6, 6));
    ASSERT_EQ(Fenster.Maus.size(), 2u);
    EXPECT_EQ(Fenster.Maus[0].Art, 'd');
    EXPECT_EQ(Fenster.Maus[0].Position, QPoint(15, 15));
    EXPECT_EQ(Fenster.Maus[1].Art, 'u');

    Fenster.Maus.clear();
    label->VerschiebbarSetzen(true);
    label->Heimat = label->pos();
    QTest::mousePress(label, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(label, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_TRUE(Fenster.Maus.empty());
}

TEST_F(Label, BlendeInFuenfundzwanzigSchritten) {
    LektionBauen(
        R"("Animatio.tab": [{"nr": 2, "fields": {"1701": "4", "1729": "1", "1730": "3"}}])");
    struct TZaehlendeUhr : TEffektuhr {
        int Pausen = 0;
        void EffektPause(int32_t) override { ++Pausen; }
    } uhr;
    TRollenersatz<TEffektuhr> ersatz(uhr);
    const int& pausen = uhr.Pausen;
    Fenster.show();
    auto* label = new THLabel(&Fenster);
    label->setText("Blende");
    label->EffektAnzeigen = 2;
    const QColor schrift = label->palette().color(QPalette::WindowText);
    label->ZeigenMitEffekt(true);
    EXPECT_EQ(pausen, THXLabel::Blendschritte);
    EXPECT_TRUE(label->isVisible());
    EXPECT_EQ(label->palette().color(QPalette::WindowText), schrift);
}

TEST(Schatten, GrauwertWirdBegrenzt) {
    THSchatten schatten;
    EXPECT_EQ(schatten.Grauwert(), 50);
    struct Fall {
        int32_t Wert, Grau;
    };
    for (const Fall f : {Fall{128, 128}, Fall{0, 0}, Fall{255, 255}, Fall{256, 255}, Fall{-1, 255},
                         Fall{65536 + 10, 10}}) {
        schatten.GrauwertSetzen(f.Wert);
        EXPECT_EQ(schatten.Grauwert(), f.Grau) << f.Wert;
    }
}

TEST_F(Label, SchattenFelderUndDunkelt) {
    LektionBauen(R"("Objekte.tab": [{"nr": 1, "fields": {"1200": "42", "1205": "10",
        "1206": "10", "1207": "40", "1208": "40", "1209": "100", "1213": "0", "1231": "0",
        "1257": "12", "1287": "0"}}])");
    QWidget grund;
    grund.resize(100, 100);
    grund.setAutoFillBackground(true);
    QPalette p = grund.palette();
    p.setColor(QPalette::Window, QColor(255, 0, 255));
    grund.setPalette(p);
    auto* schatten = new THSchatten(&grund);
    Anwenden(*schatten, 1);
    EXPECT_EQ(schatten->geometry(), QRect(10, 10, 40, 40));
    EXPECT_EQ(schatten->Radius, 12);
    const QImage bild = grund.grab().toImage();
    // AND with grey 100: magenta (255, 0, 255) becomes (100, 0, 100); outside unchanged.
    EXPECT_EQ(bild.pixelColor(30, 30), QColor(100, 0, 100));
    EXPECT_EQ(bild.pixelColor(70, 70), QColor(255, 0, 255));

    schatten->Layout = 1; // lightens: OR with the inverted grey
    const QImage hell = grund.grab().toImage();
    EXPECT_EQ(hell.pixelColor(30, 30), QColor(255, 155, 255));
}

TEST(Schatten, RingeVerblassenNachAussen) {
    THSchatten schatten;
    schatten.resize(40, 40);
    schatten.GrauwertSetzen(55);
    schatten.Randbreite = 4;
    const QImage bild = schatten.Bild();
    // e: 255 → 205 → 155 → 105 → 55 from the outermost ring inwards.
    EXPECT_EQ(bild.pixelColor(20, 0), QColor(205, 205, 205));
    EXPECT_EQ(bild.pixelColor(20, 20), QColor(55, 55, 55));
}

// A window that notes, for each mouse down it hears, whether the target area was occupied.
class TBelegungsfenster : public TTestfenster {
public:
    void FormMouseDown(QObject* Sender, Qt::MouseButton Knopf, Qt::KeyboardModifiers Umschalter,
                       QPoint Position) override {
        if (Bereich) Belegungen.push_back(Bereich->Belegung);
        TTestfenster::FormMouseDown(Sender, Knopf, Umschalter, Position);
    }
    TTestzielbereich* Bereich = nullptr;
    std::vector<int32_t> Belegungen;
};

// The mouse down reaches the window while the target area under the label is still
// occupied; the area is emptied afterwards.
TEST_F(Label, MausGehtAnsFensterBevorZielbereicheGeleertWerden) {
    TBelegungsfenster fenster;
    fenster.resize(300, 200);
    fenster.show();
    auto* bereich = new TTestzielbereich(&fenster);
    bereich->setGeometry(0, 0, 200, 100);
    bereich->Belegung = 7;
    fenster.Eintragen(bereich, 9, 0);
    fenster.Bereich = bereich;
    auto* label = new THLabel(&fenster);
    label->setGeometry(20, 20, 40, 20);
    label->show();
    fenster.Eintragen(label, 7, 7);
    QTest::mousePress(label, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(fenster.Belegungen, std::vector<int32_t>{7});
    EXPECT_EQ(bereich->Belegung, 0);
}

} // namespace
