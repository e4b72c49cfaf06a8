// The controls of simulated application screens: the status line's parts, colours, clock
// and overwrite mode, the push, menu and tool-bar buttons, and the click marker.

#include "ObjektTesthilfe.h"

#include "objects/eingabe/THEditfeld.h"
#include "objects/rollen/TUeberschreibmodus.h"
#include "objects/sap/THSAPButton.h"
#include "objects/sap/THSAPDynMenu.h"
#include "objects/sap/THSAPSpeedButton.h"
#include "objects/sap/THSAPStatuszeile.h"
#include "objects/sap/TStatuszeilenteilnehmer.h"
#include "objects/texte/THLabel.h"
#include "objects/texte/THSystemLabel.h"
#include "platform/Befehle.h"
#include "platform/Farben.h"
#include "platform/TUhr.h"
#include "support/QtAnwendung.h"

#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QMouseEvent>
#include <QTest>

namespace {

auto* const qt = ::testing::AddGlobalTestEnvironment(new QtAnwendung);

class TFesteUhr : public TUhr {
public:
    QDateTime Jetzt() const override { return QDateTime(QDate(2024, 3, 1), QTime(9, 5, 42)); }

private:
    TRollenersatz<TUhr> Ersatz{*this};
};

// A learner window with a click marker of its own.
class TMarkerfenster : public TTestfenster {
public:
    TMarkerfenster() { Marker->hide(); }
    QLabel* Klickmarker() override { return Marker; }
    QLabel* Marker = new QLabel(this);
};

class Sap : public Lektionstest {
protected:
    void SetUp() override {
        Lektionstest::SetUp();
        Fenster.resize(800, 600);
        Fenster.show();
    }

    template <class K> K* Objekt(int32_t Nr, int16_t Typ) {
        return ObjektBauen<K>(Fenster, Nr, Typ);
    }

    static void Druecken(QWidget* w, QPoint p) {
        QMouseEvent e(QEvent::MouseButtonPress, QPointF(p), QPointF(w->mapToGlobal(p)),
                      Qt::LeftButton, Qt::LeftButton, {});
        QApplication::sendEvent(w, &e);
        QMouseEvent los(QEvent::MouseButtonRelease, QPointF(p), QPointF(w->mapToGlobal(p)),
                        Qt::LeftButton, Qt::NoButton, {});
        QApplication::sendEvent(w, &los);
    }

    TUeberschreibmodus Modus;
    TRollenersatz<TUeberschreibmodus> ModusErsatz{Modus};
    TFesteUhr Uhr;
    TMarkerfenster Fenster;
};

// ---------------------------------------------------------------------------------------
// Status line

struct TTeilfall {
    const char* Name;
    QLabel* (THSAPStatuszeile::*Teil)() const;
    int Links;
    int Breite;
};

void PrintTo(const TTeilfall& f, std::ostream* aus) {
    *aus << f.Name;
}

class Statuszeilenteile : public Sap, public ::testing::WithParamInterface<TTeilfall> {};

TEST_P(Statuszeilenteile, LiegenNachDerZeilenbreite) {
    const TTeilfall& f = GetParam();
    LektionBauen(R"("Objekte.tab": [{"nr": 1, "fields": {"1200": "34", "1208": "20"}}])");
    auto* zeile = Objekt<THSAPStatuszeile>(1, 34);
    zeile->resize(798, zeile->height());
    const QLabel* teil = (zeile->*f.Teil)();
    EXPECT_EQ(teil->geometry(), QRect(f.Links, 0, f.Breite, 20));
    EXPECT_EQ(teil->frameShadow(), QFrame::Sunken);
}

INSTANTIATE_TEST_SUITE_P(
    Sap, Statuszeilenteile,
    ::testing::Values(TTeilfall{"Uhr", &THSAPStatuszeile::Uhrteil, 758, 40},
                      TTeilfall{"Modus", &THSAPStatuszeile::Modusteil, 726, 30},
                      TTeilfall{"Server", &THSAPStatuszeile::Serverteil, 669, 55},
                      TTeilfall{"Verbindung", &THSAPStatuszeile::Verbindungsteil, 592, 75},
                      TTeilfall{"Meldung", &THSAPStatuszeile::Meldungsteil, 2, 588}),
    [](const auto& i) { return std::string(i.param.Name); });

TEST_F(Sap, StatuszeileLiegtUntenUndDieMeldungSchrumpftBisNull) {
    LektionBauen(R"("Objekte.tab": [{"nr": 1, "fields": {"1205": "300", "1206": "40",
        "1207": "50"}}])");
    auto* zeile = Objekt<THSAPStatuszeile>(1, 34);
    // Place fields of the record do not count: the line lies along the window's bottom.
    EXPECT_EQ(zeile->geometry(), QRect(0, 600 - zeile->height(), 798, zeile->height()));
    EXPECT_EQ(zeile->Serverteil()->text(), "U8PTE");
    EXPECT_EQ(zeile->Verbindungsteil()->text(), "PC4(1)(200)");

    zeile->resize(100, zeile->height());
    EXPECT_EQ(zeile->Meldungsteil()->width(), 0);

    // The window grows: the window's participant takes the line along.
    Fenster.resize(640, 480);
    TStatuszeilenteilnehmer teilnehmer;
    teilnehmer.GroesseGeaendert(Fenster);
    EXPECT_EQ(zeile->geometry(), QRect(0, 480 - zeile->height(), 638, zeile->height()));
}

struct TFarbfall {
    const char* Name;
    const char* Farbe;
    const char* Meldung;
    QColor Zeile;
    QColor Meldungsgrund;
    QColor Meldungsschrift;
};

void PrintTo(const TFarbfall& f, std::ostream* aus) {
    *aus << f.Name;
}

class Statuszeilenfarben : public Sap, public ::testing::WithParamInterface<TFarbfall> {};

TEST_P(Statuszeilenfarben, FaerbenDieTeile) {
    const TFarbfall& f = GetParam();
    LektionBauen(std::string(R"("Objekte.tab": [{"nr": 1, "fields": {"1209": ")") + f.Farbe +
                 R"(", "1221": ")" + f.Meldung + R"("}}])");
    auto* zeile = Objekt<THSAPStatuszeile>(1, 34);
    EXPECT_EQ(zeile->Farbe(), f.Zeile);
    for (QLabel* teil : {zeile->Uhrteil(), zeile->Modusteil(), zeile->Serverteil()})
        EXPECT_EQ(teil->palette().color(QPalette::Window), f.Zeile);
    const QPalette meldung = zeile->Meldungsteil()->palette();
    EXPECT_EQ(meldung.color(QPalette::Window), f.Meldungsgrund);
    EXPECT_EQ(meldung.color(QPalette::WindowText), f.Meldungsschrift);
    EXPECT_EQ(zeile->Meldungsteil()->text(), QString(" ") + f.Meldung);
}

INSTANTIATE_TEST_SUITE_P(
    Sap, Statuszeilenfarben,
    ::testing::Values(TFarbfall{"NullIstGrau", "0", "", QColor(0xC0, 0xC0, 0xC0),
                                QColor(0xC0, 0xC0, 0xC0), Qt::black},
                      TFarbfall{"LeereMeldungInDerZeilenfarbe", "255", "", QColor(255, 0, 0),
                                QColor(255, 0, 0), Qt::black},
                      TFarbfall{"MeldungWeissAufBlaugrau", "0", "Daten gesichert",
                                QColor(0xC0, 0xC0, 0xC0), Lektionsfarbe(0x907F50), Qt::white}),
    [](const auto& i) { return std::string(i.param.Name); });

TEST_F(Sap, UhrZeigtStundenUndMinuten) {
    LektionBauen(R"("Objekte.tab": [{"nr": 1, "fields": {}}])");
    auto* zeile = Objekt<THSAPStatuszeile>(1, 34);
    EXPECT_EQ(zeile->Uhrteil()->text(), "09:05");
}

TEST_F(Sap, ModusGiltFuerDieFelderDerSeiteUndNeueZeilen) {
    LektionBauen(R"("Objekte.tab": [{"nr": 1, "fields": {}},
        {"nr": 2, "fields": {"1280": "1"}}, {"nr": 3, "fields": {"1280": "0"}}])");
    auto* zeile = Objekt<THSAPStatuszeile>(1, 34);
    auto* a = Objekt<THEditfeld>(2, 6);
    auto* b = Objekt<THEditfeld>(3, 6);
    EXPECT_EQ(zeile->Modusteil()->text(), "OVR");

    zeile->ModusSetzen(false);
    EXPECT_EQ(zeile->Modusteil()->text(), "INS");
    EXPECT_FALSE(Modus.Ueberschreiben);
    EXPECT_FALSE(a->UeberschreibModus());
    EXPECT_FALSE(b->UeberschreibModus());

    // A line made now shows the program's mode; taking it over hands it to the fields.
    auto* neu = Objekt<THSAPStatuszeile>(1, 34);
    EXPECT_EQ(neu->Modusteil()->text(), "INS");
    zeile->ModusSetzen(true);
    EXPECT_EQ(neu->Modusteil()->text(), "INS") << "the other line shows its own mode";
    neu->UeberschreibmodusUebernehmen();
    EXPECT_EQ(neu->Modusteil()->text(), "OVR");
    EXPECT_TRUE(b->UeberschreibModus());
}

// ---------------------------------------------------------------------------------------
// Buttons

TEST_F(Sap, KnoepfeFuehrenIhreAktionAusUndMailknoepfeNurEinmal) {
    TAktionsmitschrift mitschrift;
    LektionBauen(R"("Objekte.tab": [
        {"nr": 1, "fields": {"1231": "3", "1218": "12", "1224": "1", "1288": "s.txt",
            "1207": "23", "1208": "23"}},
        {"nr": 2, "fields": {"1231": "3", "1218": "13", "1224": "1", "1221": "Sichern",
            "1207": "80", "1208": "25"}},
        {"nr": 3, "fields": {"1231": "29", "1224": "1", "1207": "23", "1208": "23"}},
        {"nr": 4, "fields": {"1231": "29", "1224": "1", "1221": "Senden", "1207": "80",
            "1208": "25"}}])");
    EXPECT_EQ(THSAPButton().size(), QSize(23, 23));
    EXPECT_EQ(THSAPDynMenu().height(), 25);
    auto* knopf = Objekt<THSAPButton>(1, 26);
    auto* menue = Objekt<THSAPDynMenu>(2, 28);
    EXPECT_EQ(menue->text(), "Sichern");
    QTest::mouseClick(knopf, Qt::LeftButton);
    QTest::mouseClick(menue, Qt::LeftButton);
    EXPECT_EQ(Fenster.Befehle,
              (std::vector<std::pair<int, int32_t>>{{FensterSeite, 12}, {FensterSeite, 13}}));
    ASSERT_EQ(mitschrift.Aufrufe.size(), 2u);
    EXPECT_FALSE(mitschrift.Aufrufe[0].Script.has_value()) << "no script field";

    for (auto* mail : {static_cast<QWidget*>(Objekt<THSAPButton>(3, 26)),
                       static_cast<QWidget*>(Objekt<THSAPDynMenu>(4, 28))}) {
        QTest::mouseClick(mail, Qt::LeftButton);
        EXPECT_FALSE(mail->isEnabled());
    }
}

TEST_F(Sap, WerkzeugknopfZeigtSeinenGlyphNurWennErUntenIst) {
    BilddateiSchreiben(Verzeichnis / "bilder" / "a.png", {16, 16}, Qt::red, Qt::red);
    BilddateiSchreiben(Verzeichnis / "bilder" / "b.png", {16, 16}, Qt::blue, Qt::blue);
    LektionBauen(R"("Objekte.tab": [
        {"nr": 1, "fields": {"1210": "a.png", "1273": "bilder\\", "1249": "1", "1224": "1",
            "1231": "3", "1218": "60", "1212": "1", "1207": "25", "1208": "25"}},
        {"nr": 2, "fields": {"1210": "b.png", "1273": "bilder\\", "1249": "1", "1224": "1",
            "1231": "3", "1218": "60", "1207": "25", "1208": "25"}},
        {"nr": 3, "fields": {"1210": "fehlt.png", "1273": "bilder\\", "1249": "1",
            "1224": "1", "1231": "3", "1218": "60", "1207": "25", "1208": "25"}}])");
    auto* a = Objekt<THSAPSpeedButton>(1, 33);
    auto* b = Objekt<THSAPSpeedButton>(2, 33);
    auto* fehlt = Objekt<THSAPSpeedButton>(3, 33);
    for (auto* k : {a, b, fehlt}) {
        EXPECT_TRUE(k->Glyph().isNull()) << "applying the record loads no glyph";
        EXPECT_EQ(k->Dateiname, k == fehlt ? "fehlt.png" : (k == a ? "a.png" : "b.png"));
    }
    EXPECT_TRUE(a->Unten());

    QTest::mouseClick(b, Qt::LeftButton);
    EXPECT_TRUE(b->Unten());
    EXPECT_FALSE(b->Glyph().isNull());
    EXPECT_EQ(b->Glyph().toImage().pixelColor(8, 8), QColor(Qt::blue));
    EXPECT_TRUE(a->Glyph().isNull());

    // A button whose glyph file is missing goes down without a glyph and without a message.
    QTest::mouseClick(fehlt, Qt::LeftButton);
    EXPECT_TRUE(fehlt->Unten());
    EXPECT_TRUE(fehlt->Glyph().isNull());
    EXPECT_TRUE(b->Glyph().isNull()) << "the button that went up lost its glyph";
    EXPECT_TRUE(Dialoge.Nachrichten.empty());

    // Clicked again it goes up and clears its glyph.
    QTest::mouseClick(b, Qt::LeftButton);
    QTest::mouseClick(b, Qt::LeftButton);
    EXPECT_FALSE(b->Unten());
    EXPECT_TRUE(b->Glyph().isNull());
}

// ---------------------------------------------------------------------------------------
// Click marker

class Klickmarker : public Sap {
protected:
    // A page with a label of `Beschriftung` in a fixed font at (100, 50) and, unless
    // `OhneKlicktext`, a system label that shows the text clicked last.
    THLabel* Seite(const std::string& Beschriftung, int Punkte = 10, bool OhneKlicktext = false) {
        LektionBauen(R"("Objekte.tab": [
            {"nr": 1, "fields": {"1205": "100", "1206": "50", "1221": ")" +
                     Beschriftung + R"(", "1246": "Courier New", "1247": ")" +
                     std::to_string(Punkte) + R"(", "1220": "1"}},
            {"nr": 2, "fields": {"1259": ")" +
                     std::string(OhneKlicktext ? "1003" : "30") + R"("}}])");
        auto* label = Objekt<THLabel>(1, 7);
        Klicktext = Objekt<THSystemLabel>(2, 45);
        return label;
    }
    THSystemLabel* Klicktext = nullptr;
};

TEST_F(Klickmarker, DeckenDasGeklickteZeichen) {
    THLabel* label = Seite("Material");
    const int w = QFontMetrics(label->font()).horizontalAdvance(label->text()) / 8;
    ASSERT_GT(w, 0);
    struct TFall {
        int X;
        QString Zeichen;
        int Links;
    };
    // The third character, the first, and a click past the caption's end.
    for (const TFall& f : {TFall{2 * w + 1, "t", 100 + 2 * w}, TFall{0, "M", 100},
                           TFall{8 * w + 2, " ", 100 + 8 * w}}) {
        if (f.X >= label->width()) label->resize(f.X + 5, label->height());
        Fenster.Marker->hide();
        Druecken(label, {f.X, 3});
        EXPECT_TRUE(Fenster.Marker->isVisible()) << f.X;
        EXPECT_EQ(Fenster.Marker->text(), f.Zeichen);
        EXPECT_EQ(Fenster.Marker->geometry().topLeft(), QPoint(f.Links, 50));
        EXPECT_EQ(Fenster.Marker->height(), label->height());
    }
    EXPECT_EQ(Klicktext->text(), "Material");
}

TEST_F(Klickmarker, OhneKlicktextlabelOderZeichenbreiteKeinMarker) {
    Druecken(Seite("Material", 10, true), {3, 3});
    EXPECT_FALSE(Fenster.Marker->isVisible()) << "no system label of kind 30";

    // Characters of a tiny font are narrower than a pixel: nothing to divide by.
    THLabel* winzig = Seite("Materialnummer", 1);
    QFont schrift = winzig->font();
    schrift.setPixelSize(1);
    winzig->setFont(schrift);
    if (QFontMetrics(schrift).horizontalAdvance(winzig->text()) >= winzig->text().size())
        GTEST_SKIP() << "the font has no characters below a pixel here";
    Druecken(winzig, {3, 0});
    EXPECT_FALSE(Fenster.Marker->isVisible());
}

} // namespace
