// Fields of an object record become properties of the controls: the common rules
// (position, size, description, hint, colour, font, pictures) and what the classes built so
// far take from their records.

#include "ObjektTesthilfe.h"

#include "objects/auswertung/THAuswertung.h"
#include "objects/auswertung/THZielBereich.h"
#include "objects/bilder/THBevel.h"
#include "objects/bilder/THBitmap.h"
#include "objects/bilder/THShape.h"
#include "objects/ereignisse/THMessage.h"
#include "objects/kern/Bilddateien.h"
#include "objects/kern/Feldregeln.h"
#include "objects/kern/THBitBtn.h"
#include "objects/kern/THPanel.h"
#include "objects/kern/THXLabel.h"
#include "store/Lektion.h"
#include "support/QtAnwendung.h"

#include <QFontInfo>
#include <QImage>

#include <sys/stat.h>

namespace {

auto* const qt = ::testing::AddGlobalTestEnvironment(new QtAnwendung);

class Felder : public Lektionstest {
protected:
    // Applies all fields of record `Nr` to `Objekt`, as the factory does.
    void Anwenden(TSeitenobjekt& Objekt, int32_t Nr) {
        Objekt.Tag = Nr;
        Objekt.AlleFelderUebernehmen(Objekte(), Objektsatz(Nr));
    }
    QColor Pixel(QWidget& w, QPoint p) { return w.grab().toImage().pixelColor(p); }

    TTestfenster Fenster;
};

TEST_F(Felder, PositionGroesseBeschreibungUndHinweis) {
    LektionBauen(R"("Objekte.tab": [{"nr": 4, "fields": {"1200": "9", "1201": "Große Form",
        "1205": "10", "1206": "20", "1207": "30", "1208": "40", "1252": "Zur nächsten Seite"}}])");
    THShape form(&Fenster);
    Anwenden(form, 4);
    EXPECT_EQ(form.geometry(), QRect(10, 20, 30, 40));
    EXPECT_EQ(form.Heimat, QPoint(10, 20));
    EXPECT_EQ(form.property("Beschreibung").toString(), QString::fromUtf8("Große Form"));
    EXPECT_EQ(form.Beschreibung, "Gro\xDF"
                                 "e Form");
    EXPECT_EQ(form.toolTip(), QString::fromUtf8("Zur nächsten Seite"));
}

TEST_F(Felder, PositionUndGroesseSindKoordinaten) {
    LektionBauen(R"("Objekte.tab": [{"nr": 4, "fields": {
        "1205": "10", "1206": "20", "1207": "30", "1208": "40"}}])");
    TTabelle::Anzeigefaktor1 = 1.5;
    THBevel rahmen(&Fenster);
    Anwenden(rahmen, 4);
    TTabelle::Anzeigefaktor1 = 1.0;
    EXPECT_EQ(rahmen.geometry(), QRect(15, 30, 45, 60));
}

TEST_F(Felder, LeererHinweisSchaltetDenTooltipAb) {
    LektionBauen(R"("Objekte.tab": [{"nr": 1, "fields": {"1252": "Tipp"}},
                                    {"nr": 2, "fields": {"1252": ""}}])");
    THBevel rahmen(&Fenster);
    Anwenden(rahmen, 1);
    EXPECT_EQ(rahmen.toolTip(), "Tipp");
    Anwenden(rahmen, 2);
    EXPECT_TRUE(rahmen.toolTip().isEmpty());
}

TEST_F(Felder, OhneSatzNimmtDasObjektSeinenEigenen) {
    LektionBauen(R"("Objekte.tab": [{"nr": 6, "fields": {"1205": "77"}}])");
    THBevel rahmen(&Fenster);
    rahmen.Tag = 6;
    rahmen.FeldUebernehmen(Objekte(), nullptr, 1205);
    EXPECT_EQ(rahmen.x(), 77);
    rahmen.Tag = 8; // no such record: nothing happens
    rahmen.move(1, 1);
    rahmen.FeldUebernehmen(Objekte(), nullptr, 1205);
    rahmen.AlleFelderUebernehmen(Objekte(), nullptr);
    EXPECT_EQ(rahmen.x(), 1);
}

struct Schriftfall {
    const char* Stil;
    bool Fett, Kursiv, Unterstrichen, Durchgestrichen;
};

void PrintTo(const Schriftfall& f, std::ostream* aus) {
    *aus << '"' << f.Stil << '"';
}

class Schriftstile : public Felder, public ::testing::WithParamInterface<Schriftfall> {};

TEST_P(Schriftstile, StilzeichenSchaltenDieSchriftarten) {
    const Schriftfall f = GetParam();
    LektionBauen(std::string(R"("Objekte.tab": [{"nr": 1, "fields": {"1245": "255",
        "1246": "Arial", "1247": "12", "1248": ")") +
                 f.Stil + R"("}}])");
    THXLabel label(&Fenster);
    Anwenden(label, 1);
    const QFont s = label.font();
    EXPECT_EQ(s.bold(), f.Fett);
    EXPECT_EQ(s.italic(), f.Kursiv);
    EXPECT_EQ(s.underline(), f.Unterstrichen);
    EXPECT_EQ(s.strikeOut(), f.Durchgestrichen);
    EXPECT_EQ(s.family(), "Arial");
    EXPECT_EQ(s.pixelSize(), 16); // 12 points at 96 dots per inch
    EXPECT_EQ(label.palette().color(QPalette::WindowText), QColor(255, 0, 0));
}

INSTANTIATE_TEST_SUITE_P(Felder, Schriftstile,
                         ::testing::Values(Schriftfall{"1", true, false, false, false},
                                           Schriftfall{"0101", false, true, false, true},
                                           Schriftfall{"", false, false, false, false},
                                           Schriftfall{"0010", false, false, true, false}));

TEST_F(Felder, ArialWirdDurchEineFreieSchriftErsetzt) {
    LektionBauen(R"("Objekte.tab": [{"nr": 1, "fields": {"1246": "Arial", "1247": "10"}}])");
    THXLabel label(&Fenster);
    Anwenden(label, 1);
    EXPECT_EQ(QFontInfo(label.font()).family(), "Liberation Sans");
    EXPECT_EQ(label.font().pixelSize(), 13);
}

struct Ausrichtungsfall {
    const char* Code;
    Qt::Alignment Erwartet;
};

void PrintTo(const Ausrichtungsfall& f, std::ostream* aus) {
    *aus << f.Code;
}

class Ausrichtungen : public Felder, public ::testing::WithParamInterface<Ausrichtungsfall> {};

TEST_P(Ausrichtungen, CodeWaehltDieWaagerechteAusrichtung) {
    LektionBauen(std::string(R"("Objekte.tab": [{"nr": 1, "fields": {"1266": ")") +
                 GetParam().Code + R"("}}])");
    THXLabel label(&Fenster);
    label.setAlignment(Qt::AlignRight | Qt::AlignTop);
    Anwenden(label, 1);
    EXPECT_EQ(label.alignment() & Qt::AlignHorizontal_Mask, GetParam().Erwartet);
    EXPECT_EQ(label.Ausrichtung, std::stoi(GetParam().Code));
}

INSTANTIATE_TEST_SUITE_P(Felder, Ausrichtungen,
                         ::testing::Values(Ausrichtungsfall{"0", Qt::AlignLeft},
                                           Ausrichtungsfall{"1", Qt::AlignHCenter},
                                           Ausrichtungsfall{"2", Qt::AlignRight},
                                           Ausrichtungsfall{"5", Qt::AlignRight}));

TEST_F(Felder, LabelZeigtDenInhaltEinesDatensatzes) {
    LektionBauen(R"("Objekte.tab": [{"nr": 1, "fields": {"1268": "3"}},
                                    {"nr": 2, "fields": {"1268": "9"}}],
                    "Daten.tab": [{"nr": 3, "fields": {"300": "Punkte", "301": "12 Äpfel"}}])");
    THXLabel label(&Fenster);
    Anwenden(label, 1);
    EXPECT_EQ(label.text(), QString::fromUtf8("12 Äpfel"));
    EXPECT_EQ(label.Datensatznummer, 3);
    Anwenden(label, 2);
    EXPECT_EQ(label.Datensatznummer, 9);
    EXPECT_EQ(label.text(), QString::fromUtf8("12 Äpfel"));
}

TEST_F(Felder, ZielbereichBehaeltBeiLeerenFeldernSeineVorgaben) {
    LektionBauen(R"("Objekte.tab": [
        {"nr": 1, "fields": {"1209": "255", "1222": "0", "1227": "16711680", "1229": "0",
                             "1266": "1"}},
        {"nr": 2, "fields": {"1209": "", "1222": "", "1229": "-3"}}])");
    THZielBereich bereich(&Fenster);
    Anwenden(bereich, 1);
    EXPECT_EQ(bereich.Farbe, QColor(255, 0, 0));
    EXPECT_FALSE(bereich.Transparent);
    EXPECT_EQ(bereich.Stiftfarbe, QColor(0, 0, 255));
    EXPECT_EQ(bereich.Stiftbreite, 0);
    EXPECT_EQ(bereich.Ausrichtung, 1);
    THZielBereich neu(&Fenster);
    Anwenden(neu, 2);
    EXPECT_EQ(neu.Farbe, QColor(128, 128, 128));
    EXPECT_TRUE(neu.Transparent);
    EXPECT_EQ(neu.Stiftbreite, 0); // a negative width draws no frame
    EXPECT_EQ(neu.Ausrichtung, 0);
}

TEST_F(Felder, AuswertungNimmtBedingungenUndFunktion) {
    LektionBauen(R"("Objekte.tab": [
        {"nr": 1, "fields": {"1211": "5", "1214": ["12", "-13", ""], "1218": "40", "1231": "3",
                             "1238": "2", "1256": "9"}}])");
    THAuswertung objekt(&Fenster);
    Anwenden(objekt, 1);
    EXPECT_EQ(objekt.sl, (QStringList{"12", "-13"}));
    EXPECT_EQ(objekt.TextNr, 5);
    EXPECT_EQ(objekt.Ziel, 40);
    EXPECT_EQ(objekt.Typ, 3);
    EXPECT_EQ(objekt.Versuch, 2);
    EXPECT_EQ(objekt.Objektnummer, 9);
    EXPECT_FALSE(objekt.isVisible());
}

TEST_F(Felder, FormNimmtFarbenFigurUndStift) {
    LektionBauen(R"("Objekte.tab": [
        {"nr": 1, "fields": {"1209": "255", "1218": "12", "1223": "stCircle", "1227": "16711680",
                             "1229": "0", "1217": "1"}},
        {"nr": 2, "fields": {"1223": "stDreieck", "1229": "4", "1222": "1"}}])");
    THShape form(&Fenster);
    Anwenden(form, 1);
    EXPECT_EQ(form.Figur, THShape::TShapeType::stCircle);
    EXPECT_EQ(form.Fuellfarbe, QColor(255, 0, 0));
    EXPECT_EQ(form.Stiftfarbe, QColor(0, 0, 255));
    EXPECT_EQ(form.Stiftbreite, 1);
    EXPECT_EQ(form.property("Ziel").toInt(), 12);
    EXPECT_TRUE(form.property("verschiebbar").toBool());
    Anwenden(form, 2);
    EXPECT_EQ(form.Figur, THShape::TShapeType::stCircle);
    EXPECT_EQ(form.Stiftbreite, 4);
    EXPECT_TRUE(form.Transparent);
    EXPECT_FALSE(form.IstVerschiebbar());
}

struct Figurfall {
    const char* Name;
    QPoint Punkt;
    bool Gefuellt;
};

void PrintTo(const Figurfall& f, std::ostream* aus) {
    *aus << f.Name << " (" << f.Punkt.x() << ", " << f.Punkt.y() << ")";
}

class Figuren : public Felder, public ::testing::WithParamInterface<Figurfall> {};

// A 100 × 60 figure, filled red, on a white window.
TEST_P(Figuren, FigurBestimmtDieGefuellteFlaeche) {
    Fenster.setAutoFillBackground(true);
    Fenster.setPalette(QPalette(Qt::white));
    THShape form(&Fenster);
    form.setGeometry(0, 0, 100, 60);
    form.Fuellfarbe = Qt::red;
    form.Stiftfarbe = Qt::red;
    form.FigurSetzen(GetParam().Name);
    form.show();
    const QColor p = Pixel(Fenster, GetParam().Punkt);
    EXPECT_EQ(p == QColor(Qt::red), GetParam().Gefuellt) << p.name().toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Felder, Figuren,
    ::testing::Values(Figurfall{"stRectangle", {2, 2}, true},
                      Figurfall{"stRectangle", {95, 55}, true},
                      Figurfall{"stSquare", {5, 30}, false}, Figurfall{"stSquare", {25, 5}, true},
                      Figurfall{"stEllipse", {2, 2}, false}, Figurfall{"stEllipse", {10, 30}, true},
                      Figurfall{"stCircle", {25, 30}, true}, Figurfall{"stCircle", {10, 30}, false},
                      Figurfall{"stRoundRect", {0, 0}, false},
                      Figurfall{"stRoundRect", {5, 30}, true},
                      Figurfall{"stRoundSquare", {5, 30}, false}));

TEST_F(Felder, DurchsichtigeFormIstNichtGefuellt) {
    Fenster.setAutoFillBackground(true);
    Fenster.setPalette(QPalette(Qt::white));
    THShape form(&Fenster);
    form.setGeometry(0, 0, 100, 60);
    form.Fuellfarbe = Qt::red;
    form.Transparent = true;
    form.show();
    EXPECT_EQ(Pixel(Fenster, {50, 30}), QColor(Qt::white));
    EXPECT_EQ(Pixel(Fenster, {0, 30}), QColor(Qt::black));
}

TEST_F(Felder, BildAusPfadUndDateinameImLektionsverzeichnis) {
    BilddateiSchreiben(Verzeichnis / "Bilder" / "rot.png", {20, 10}, Qt::red, Qt::blue);
    LektionBauen(R"("Objekte.tab": [
        {"nr": 1, "fields": {"1210": "ROT.PNG", "1273": "bilder\\", "1220": "1", "1219": "0"}},
        {"nr": 2, "fields": {"1210": "fehlt.bmp"}},
        {"nr": 3, "fields": {"1210": ""}}])");
    THBitmap bild(&Fenster);
    Anwenden(bild, 1);
    EXPECT_EQ(bild.Bild().size(), QSize(20, 10));
    EXPECT_EQ(bild.Bild().pixelColor(5, 5), QColor(Qt::red));
    EXPECT_EQ(bild.size(), QSize(20, 10)); // AutoSize
    EXPECT_FALSE(bild.Stretch);
    EXPECT_EQ(bild.Dateiname, "ROT.PNG");
    for (int32_t nr : {2, 3}) {
        Anwenden(bild, nr);
        EXPECT_EQ(bild.Bild(), THBitmap::Platzhalter()) << nr;
    }
}

TEST_F(Felder, GeaenderteOderGeloeschteBilddateiWirdNeuGelesen) {
    const auto datei = Verzeichnis / "wechsel.png";
    BilddateiSchreiben(datei, {8, 8}, Qt::red, Qt::red);
    EXPECT_EQ(Bilddateien::BildLaden(datei).pixelColor(1, 1), QColor(Qt::red));
    BilddateiSchreiben(datei, {9, 8}, Qt::green, Qt::green);
    EXPECT_EQ(Bilddateien::BildLaden(datei).pixelColor(1, 1), QColor(Qt::green));
    std::filesystem::remove(datei);
    EXPECT_TRUE(Bilddateien::BildLaden(datei).isNull());
}

// A pipe or a folder named as a picture gives no picture; reading the pipe would wait for a
// writer forever.
TEST_F(Felder, NurGewoehnlicheDateienSindBilder) {
    const auto rohr = Verzeichnis / "rohr.png";
    ASSERT_EQ(::mkfifo(rohr.c_str(), 0600), 0);
    EXPECT_TRUE(Bilddateien::BildLaden(rohr).isNull());
    std::filesystem::create_directory(Verzeichnis / "ordner.png");
    EXPECT_TRUE(Bilddateien::BildLaden(Verzeichnis / "ordner.png").isNull());
}

TEST_F(Felder, BildHatAnfangsDenPlatzhalter) {
    THBitmap bild(&Fenster);
    EXPECT_EQ(bild.size(), QSize(50, 50));
    EXPECT_EQ(bild.Bild(), THBitmap::Platzhalter());
    EXPECT_TRUE(bild.Stretch);
    EXPECT_FALSE(bild.property("Verschiebbar").toBool());
}

TEST_F(Felder, DurchsichtigesBildLaesstDieEckfarbeDurch) {
    BilddateiSchreiben(Verzeichnis / "b.bmp", {4, 4}, Qt::green, Qt::blue);
    LektionBauen(R"("Objekte.tab": [{"nr": 1, "fields": {"1210": "b.bmp", "1222": "1"}}])");
    THBitmap bild(&Fenster);
    Anwenden(bild, 1);
    ASSERT_TRUE(bild.Transparent);
    EXPECT_EQ(qAlpha(bild.Bild().pixel(0, 3)), 0);
    EXPECT_EQ(bild.Bild().pixelColor(1, 1), QColor(Qt::green));
}

TEST_F(Felder, VerschiebbaresBildZeigtDieHand) {
    LektionBauen(R"("Objekte.tab": [{"nr": 1, "fields": {"1217": "1", "1284": "6"}},
                                    {"nr": 2, "fields": {"1217": "0"}}])");
    THBitmap bild(&Fenster);
    Anwenden(bild, 1);
    EXPECT_TRUE(bild.property("Verschiebbar").toBool());
    EXPECT_EQ(bild.cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(bild.Abstand, 6);
    Anwenden(bild, 2);
    EXPECT_FALSE(bild.testAttribute(Qt::WA_SetCursor));
}

TEST_F(Felder, SchaltflaecheLaedtIhrBild) {
    BilddateiSchreiben(Verzeichnis / "knopf.png", {16, 12}, Qt::red, Qt::red);
    DateiSchreiben(Verzeichnis / "kaputt.png", "kein Bild");
    LektionBauen(R"("Objekte.tab": [{"nr": 1, "fields": {"1210": "Knopf.png"}},
                                    {"nr": 2, "fields": {"1210": ""}},
                                    {"nr": 3, "fields": {"1210": "kaputt.png"}}])");
    THBitBtn knopf(&Fenster);
    Anwenden(knopf, 1);
    EXPECT_FALSE(knopf.icon().isNull());
    EXPECT_EQ(knopf.iconSize(), QSize(16, 12));
    Anwenden(knopf, 2);
    EXPECT_FALSE(knopf.icon().isNull());
    Anwenden(knopf, 3);
    EXPECT_TRUE(knopf.icon().isNull());
}

TEST_F(Felder, EreignisobjektHatSeineVorgabenUndFelder) {
    LektionBauen(R"("Objekte.tab": [{"nr": 1, "fields": {"1201": "Mail", "1211": "3",
        "1218": "4", "1221": "Bei 104", "1231": "35", "1256": "5", "1258": "104",
        "1268": "6", "1270": "7", "1282": "a@b.de", "1286": "8", "1288": "s.txt",
        "1292": "d.pdf"}}])");
    THMessage nachricht(&Fenster);
    EXPECT_EQ(nachricht.size(), QSize(110, 20));
    EXPECT_EQ(nachricht.Caption(), "Ereignis");
    EXPECT_EQ(nachricht.palette().color(QPalette::Window), QColor(0, 0, 255));
    EXPECT_EQ(nachricht.palette().color(QPalette::WindowText), QColor(Qt::white));
    Anwenden(nachricht, 1);
    EXPECT_EQ(nachricht.Caption(), "Bei 104");
    EXPECT_EQ(nachricht.property("Beschreibung").toString(), "Mail");
    EXPECT_EQ(nachricht.TextNr, 3);
    EXPECT_EQ(nachricht.Ziel, 4);
    EXPECT_EQ(nachricht.Typ, 35);
    EXPECT_EQ(nachricht.Aktion, 1036);
    EXPECT_EQ(nachricht.Objektnummer, 5);
    EXPECT_EQ(nachricht.EreignisNr, 104);
    EXPECT_EQ(nachricht.Datensatznummer, 6);
    EXPECT_EQ(nachricht.Quelle, 7);
    EXPECT_EQ(nachricht.Email, "a@b.de");
    EXPECT_EQ(nachricht.Menuenummer, 8);
    EXPECT_EQ(nachricht.Script, "s.txt");
    EXPECT_EQ(nachricht.Dokumentname, "d.pdf");
}

TEST_F(Felder, RahmenUndPanelVorgaben) {
    THBevel rahmen(&Fenster);
    EXPECT_EQ(rahmen.frameShape(), QFrame::Box);
    EXPECT_EQ(rahmen.frameShadow(), QFrame::Sunken);
    EXPECT_TRUE(rahmen.Fensterlos());
    THPanel panel(&Fenster);
    EXPECT_EQ(panel.frameShadow(), QFrame::Raised);
    EXPECT_EQ(panel.palette().color(QPalette::Window),
              QGuiApplication::palette().color(QPalette::Button));
    EXPECT_FALSE(panel.Fensterlos());
}

} // namespace
