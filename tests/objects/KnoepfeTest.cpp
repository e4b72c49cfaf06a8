// Buttons, picture buttons, navigation buttons, hyperlink areas, mouse-sensitive areas,
// interactive labels and the rubber-band area: what a click asks for (actions and window
// commands), the pictures of the states, groups, and the events the objects raise.

#include "ObjektTesthilfe.h"

#include "actions/Aktionen.h"
#include "objects/bereiche/THFunktion.h"
#include "objects/bereiche/THHyperSensitive.h"
#include "objects/bereiche/THMouseSensitive.h"
#include "objects/bilder/THBitmap.h"
#include "objects/bilder/THShape.h"
#include "objects/ereignisse/THMessage.h"
#include "objects/knoepfe/Klang.h"
#include "objects/knoepfe/THFunktionsSchaltflaeche.h"
#include "objects/knoepfe/THNavKnopf.h"
#include "objects/knoepfe/THSchaltflaeche.h"
#include "objects/knoepfe/THSpeedButton.h"
#include "objects/knoepfe/THVerzweigung.h"
#include "objects/texte/THILabel.h"
#include "platform/Befehle.h"
#include "platform/Dokumente.h"
#include "platform/Mauszeiger.h"
#include "store/Lektion.h"
#include "support/QtAnwendung.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>

namespace {

auto* const qt = ::testing::AddGlobalTestEnvironment(new QtAnwendung);

void Maus(QWidget* w, QEvent::Type Art, QPoint p, Qt::MouseButton Knopf, Qt::MouseButtons Knoepfe,
          Qt::KeyboardModifiers Umschalter = {}) {
    QMouseEvent e(Art, QPointF(p), QPointF(w->mapToGlobal(p)), Knopf, Knoepfe, Umschalter);
    QApplication::sendEvent(w, &e);
}
void Druecken(QWidget* w, QPoint p, Qt::MouseButton Knopf = Qt::LeftButton,
              Qt::KeyboardModifiers Umschalter = {}) {
    Maus(w, QEvent::MouseButtonPress, p, Knopf, Knopf, Umschalter);
}
void Loslassen(QWidget* w, QPoint p, Qt::MouseButton Knopf = Qt::LeftButton,
               Qt::KeyboardModifiers Umschalter = {}) {
    Maus(w, QEvent::MouseButtonRelease, p, Knopf, Qt::NoButton, Umschalter);
}
void Klicken(QWidget* w, QPoint p = {5, 5}, Qt::MouseButton Knopf = Qt::LeftButton) {
    Druecken(w, p, Knopf);
    Loslassen(w, p, Knopf);
}
void Bewegen(QWidget* w, QPoint p, Qt::MouseButtons Knoepfe = Qt::NoButton,
             Qt::KeyboardModifiers Umschalter = {}) {
    Maus(w, QEvent::MouseMove, p, Qt::NoButton, Knoepfe, Umschalter);
}

// A picture strip of `Anzahl` pieces of 40 × 20, piece i filled with grey 10 × (i + 1); the
// lower left two pixels of every piece are white, the strip's transparent colour.
void StreifenSchreiben(const std::filesystem::path& Datei, int Anzahl) {
    std::filesystem::create_directories(Datei.parent_path());
    QImage bild(40 * Anzahl, 20, QImage::Format_RGB32);
    QPainter maler(&bild);
    for (int i = 0; i < Anzahl; ++i) {
        maler.fillRect(40 * i, 0, 40, 20, QColor(10 * (i + 1), 10 * (i + 1), 10 * (i + 1)));
        maler.fillRect(40 * i, 15, 5, 5, Qt::white);
    }
    maler.end();
    bild.save(QString::fromStdString(Datei.string()));
}

class Knoepfe : public Lektionstest {
protected:
    void SetUp() override {
        Lektionstest::SetUp();
        Fenster.show();
    }

    template <class K> K* Objekt(int32_t Nr, int16_t Typ) {
        return ObjektBauen<K>(Fenster, Nr, Typ);
    }
    // The grey value of the picture a picture button shows, 0 for an empty one.
    static int Grau(const THBildknopf& Knopf) {
        return qGray(Knopf.Bild().pixel(20, 5)) & (qAlpha(Knopf.Bild().pixel(20, 5)) ? 0xFF : 0);
    }

    TTestfenster Fenster;
    TAktionsmitschrift Mitschrift;
    std::vector<TAktionsaufruf>& Aufrufe = Mitschrift.Aufrufe;
};

TEST_F(Knoepfe, VerzweigungGehtZumZielUndBehaeltDieMaus) {
    LektionBauen(R"("Objekte.tab": [{"nr": 1, "fields": {"1200": "4", "1221": "Weiter",
        "1231": "3", "1218": "12", "1224": "1", "1207": "100", "1208": "30"}}])");
    auto* knopf = Objekt<THVerzweigung>(1, 4);
    Klicken(knopf);
    ASSERT_EQ(Aufrufe.size(), 1u);
    EXPECT_EQ(Aufrufe[0].Aktion, 3);
    EXPECT_EQ(Aufrufe[0].Ziel, 12);
    EXPECT_EQ(Fenster.Befehle, (std::vector<std::pair<int, int32_t>>{{FensterSeite, 12}}));
    EXPECT_TRUE(Fenster.Maus.empty());
    EXPECT_EQ(knopf->text(), "Weiter");
}

TEST_F(Knoepfe, VerzweigungOhneAktionGibtDieMausWeiterUndOeffnetDieVorgabeseite) {
    LektionBauen(R"("Objekte.tab": [{"nr": 1, "fields": {"1200": "4", "1231": "0", "1224": "1",
        "1207": "100", "1208": "30"}}])");
    auto* knopf = Objekt<THVerzweigung>(1, 4);
    Klicken(knopf);
    ASSERT_EQ(Fenster.Maus.size(), 2u);
    EXPECT_EQ(Fenster.Maus[0].Art, 'd');
    ASSERT_EQ(Aufrufe.size(), 1u);
    EXPECT_EQ(Aufrufe[0].Aktion, 0);
    // Without a default page the object says it has no function.
    ASSERT_EQ(Dialoge.Nachrichten.size(), 1u);
}

// Every action-carrying class hands over its parameters before the action; the
// hyperlink area hands over only mail address, description and document.
struct Uebergabefall {
    int16_t Typ;
    bool MitScript;
    int32_t Menue;
};

void PrintTo(const Uebergabefall& f, std::ostream* aus) {
    *aus << "Typ " << f.Typ;
}

class Uebergabe : public Knoepfe, public ::testing::WithParamInterface<Uebergabefall> {};

TEST_P(Uebergabe, ParameterWerdenVorDerAktionGesetzt) {
    const Uebergabefall fall = GetParam();
    const std::string strip = "bilder\\knopf.png";
    StreifenSchreiben(Verzeichnis / "bilder" / "knopf.png", 4);
    LektionBauen(R"("Objekte.tab": [{"nr": 7, "fields": {"1201": "Betreff", "1205": "10",
        "1206": "20", "1207": "40", "1208": "20", "1210": "bilder\\knopf.png", "1211": "5",
        "1218": "9", "1224": "1", "1231": "3", "1256": "8", "1268": "6", "1275": "4",
        "1276": "hilfe.hlp", "1282": "autor@beispiel.invalid", "1286": "3",
        "1288": "skript.txt", "1291": "40", "1292": "doc.pdf"}}])");
    AnstehendesScript = "vorher";
    AktuelleMenuenummer = 77;
    QWidget* objekt = nullptr;
    switch (fall.Typ) {
    case 4: objekt = Objekt<THVerzweigung>(7, 4); break;
    case 32: objekt = Objekt<THSpeedButton>(7, 32); break;
    case 60: objekt = Objekt<THSchaltflaeche>(7, 60); break;
    default: objekt = Objekt<THHyperSensitive>(7, 41); break;
    }
    Klicken(objekt, {20, 5});
    ASSERT_EQ(Aufrufe.size(), 1u);
    const TAktionsaufruf& a = Aufrufe[0];
    EXPECT_EQ(a.Aktion, 3);
    EXPECT_EQ(a.TextNr, 5);
    EXPECT_EQ(a.Objektnummer, 8);
    EXPECT_EQ(a.Datensatznummer, 6);
    EXPECT_EQ(a.Ziel, 9);
    const bool hilfe = fall.Typ == 4 || fall.Typ == 60;
    EXPECT_EQ(a.Hilfedatei, hilfe ? "hilfe.hlp" : "");
    EXPECT_EQ(a.HilfeContext, hilfe ? 4 : 0);
    EXPECT_EQ(AktuelleEmail, "autor@beispiel.invalid");
    EXPECT_EQ(AktuelleBeschreibung, "Betreff");
    EXPECT_EQ(AktuellesDokument, "doc.pdf");
    EXPECT_EQ(AnstehendesScript, fall.MitScript ? "skript.txt" : "vorher");
    EXPECT_EQ(AktuelleMenuenummer, fall.Menue);
    if (fall.Typ != 41) {
        EXPECT_EQ(Popuppunkt, objekt->mapToGlobal(QPoint(20, objekt->height())));
    }
}

INSTANTIATE_TEST_SUITE_P(Knoepfe, Uebergabe,
                         ::testing::Values(Uebergabefall{4, true, 0}, Uebergabefall{32, true, 3},
                                           Uebergabefall{60, true, 0},
                                           Uebergabefall{41, false, 77}));

TEST_F(Knoepfe, MailknoepfeSchaltenSichNachDemSendenAb) {
    StreifenSchreiben(Verzeichnis / "knopf.png", 4);
    LektionBauen(R"("Objekte.tab": [
        {"nr": 1, "fields": {"1231": "29", "1224": "1", "1207": "100", "1208": "30"}},
        {"nr": 2, "fields": {"1231": "29", "1224": "1", "1207": "30", "1208": "30"}},
        {"nr": 3, "fields": {"1231": "1029", "1224": "1", "1210": "knopf.png", "1291": "40"}},
        {"nr": 4, "fields": {"1231": "29", "1207": "30", "1208": "30"}}])");
    auto* verzweigung = Objekt<THVerzweigung>(1, 4);
    auto* speed = Objekt<THSpeedButton>(2, 32);
    auto* bild = Objekt<THSchaltflaeche>(3, 60);
    auto* link = Objekt<THHyperSensitive>(4, 41);
    for (QWidget* w : std::initializer_list<QWidget*>{verzweigung, speed, bild, link}) {
        Klicken(w, {20, 5});
        EXPECT_FALSE(w->isEnabled());
    }
    // The inactive picture, and a second click does nothing.
    EXPECT_EQ(bild->GezeigtesStueck(), THSchaltflaeche::Inaktiv);
    EXPECT_EQ(Grau(*bild), 20);
    Klicken(bild, {20, 5});
    EXPECT_EQ(Aufrufe.size(), 4u);
}

TEST_F(Knoepfe, SpeedButtonsEinerGruppeSindEinzelnUntenUndDuerfenAlleObenSein) {
    LektionBauen(R"("Objekte.tab": [
        {"nr": 1, "fields": {"1207": "25", "1208": "25", "1231": "3", "1224": "1", "1249": "2"}},
        {"nr": 2, "fields": {"1207": "25", "1208": "25", "1231": "3", "1224": "1", "1249": "2",
                             "1212": "1"}},
        {"nr": 3, "fields": {"1207": "25", "1208": "25", "1231": "3", "1224": "1",
                             "1212": "1"}}])");
    auto* a = Objekt<THSpeedButton>(1, 32);
    auto* b = Objekt<THSpeedButton>(2, 32);
    auto* ohne = Objekt<THSpeedButton>(3, 32);
    EXPECT_TRUE(b->Unten());
    EXPECT_FALSE(ohne->Unten()); // without a group a button does not stay down
    Klicken(a);
    EXPECT_TRUE(a->Unten());
    EXPECT_FALSE(b->Unten());
    Klicken(a);
    EXPECT_FALSE(a->Unten());
    EXPECT_FALSE(b->Unten());
    Klicken(ohne);
    EXPECT_FALSE(ohne->Unten());
    EXPECT_EQ(Aufrufe.size(), 3u);
    EXPECT_EQ(Fenster.Maus.size(), 6u); // speed buttons pass their mouse input on
}

TEST_F(Knoepfe, SpeedButtonLaedtGlyphUndOrdnetIhnNachLayoutAn) {
    BilddateiSchreiben(Verzeichnis / "glyph.png", {16, 16}, Qt::red, Qt::red);
    LektionBauen(R"("Objekte.tab": [
        {"nr": 1, "fields": {"1207": "120", "1208": "60", "1210": "glyph.png", "1221": "Text",
                             "1224": "1"}},
        {"nr": 2, "fields": {"1210": "fehlt.png", "1224": "1"}}])");
    auto* knopf = Objekt<THSpeedButton>(1, 32);
    EXPECT_EQ(knopf->Glyph().size(), QSize(16, 16));
    EXPECT_TRUE(Objekt<THSpeedButton>(2, 32)->Glyph().isNull());
    QRect glyph, text;
    const auto lage = [&](int Layout) {
        knopf->Layout = Layout;
        knopf->Anordnen(glyph, text);
    };
    lage(0);
    EXPECT_LT(glyph.right(), text.left());
    lage(1);
    EXPECT_LT(text.right(), glyph.left());
    lage(2);
    EXPECT_LT(glyph.bottom(), text.top());
    lage(3);
    EXPECT_LT(text.bottom(), glyph.top());
}

TEST_F(Knoepfe, BildknopfSchneidetDreiStueckeUndZeigtDieZustaende) {
    StreifenSchreiben(Verzeichnis / "streifen.png", 3);
    LektionBauen(R"("Objekte.tab": [{"nr": 1, "fields": {"1210": "streifen.png",
        "1224": "1", "1231": "3", "1218": "4", "1291": "40"}}])");
    auto* knopf = Objekt<THSchaltflaeche>(1, 60);
    EXPECT_EQ(knopf->Stueckzahl(), 3);
    EXPECT_EQ(knopf->size(), QSize(40, 20));
    EXPECT_EQ(Grau(*knopf), 10);
    Bewegen(knopf, {20, 5});
    EXPECT_EQ(Grau(*knopf), 30);
    Druecken(knopf, {20, 5});
    EXPECT_EQ(knopf->GezeigtesStueck(), THSchaltflaeche::Gedrueckt);
    EXPECT_EQ(Grau(*knopf), 0); // the strip holds no pressed piece
    Loslassen(knopf, {20, 5});
    EXPECT_EQ(Grau(*knopf), 30);
    EXPECT_EQ(Aufrufe.size(), 1u);
    Bewegen(knopf, {1, 18}); // the transparent corner is not on the button
    EXPECT_EQ(Grau(*knopf), 10);
    // Moves are kept, presses and releases passed on.
    EXPECT_EQ(Fenster.Maus.size(), 2u);
}

TEST_F(Knoepfe, DurchsichtigeStelleDesBildknopfsNimmtKeinenKlick) {
    StreifenSchreiben(Verzeichnis / "streifen.png", 4);
    LektionBauen(R"("Objekte.tab": [{"nr": 1, "fields": {"1210": "streifen.png",
        "1224": "1", "1231": "3", "1291": "40"}}])");
    auto* knopf = Objekt<THSchaltflaeche>(1, 60);
    Klicken(knopf, {2, 17});
    EXPECT_TRUE(Aufrufe.empty());
    EXPECT_EQ(knopf->GezeigtesStueck(), THSchaltflaeche::Normal);
    Klicken(knopf, {6, 17});
    EXPECT_EQ(Aufrufe.size(), 1u);
}

TEST_F(Knoepfe, BildknopfOhneDateiZeigtDenPlatzhalterOhneZustaende) {
    LektionBauen(R"("Objekte.tab": [{"nr": 1, "fields": {"1210": "fehlt.png",
        "1224": "0", "1231": "3", "1291": "40"}}])");
    auto* knopf = Objekt<THSchaltflaeche>(1, 60);
    EXPECT_TRUE(knopf->OhneZustandsbilder());
    EXPECT_FALSE(knopf->isEnabled());
    EXPECT_EQ(knopf->Bild(), THBitmap::Platzhalter());
}

TEST_F(Knoepfe, ZeigenAufEinenBildknopfSetztDieAnderenZurueck) {
    StreifenSchreiben(Verzeichnis / "streifen.png", 4);
    LektionBauen(R"("Objekte.tab": [
        {"nr": 1, "fields": {"1210": "streifen.png", "1224": "1", "1291": "40"}},
        {"nr": 2, "fields": {"1210": "streifen.png", "1224": "1", "1291": "40", "1205": "100"}}])");
    auto* a = Objekt<THSchaltflaeche>(1, 60);
    auto* b = Objekt<THSchaltflaeche>(2, 60);
    Bewegen(a, {20, 5});
    EXPECT_EQ(a->GezeigtesStueck(), THSchaltflaeche::Hover);
    Bewegen(b, {20, 5});
    EXPECT_EQ(a->GezeigtesStueck(), THSchaltflaeche::Normal);
    EXPECT_EQ(b->GezeigtesStueck(), THSchaltflaeche::Hover);
}

TEST_F(Knoepfe, VerlaufsknopfZeigtSeinenZustandUndSchicktDenSchritt) {
    StreifenSchreiben(Verzeichnis / "verlauf.png", 7);
    LektionBauen(R"("Objekte.tab": [
        {"nr": 1, "fields": {"1210": "verlauf.png", "1231": "2", "1291": "40"}},
        {"nr": 2, "fields": {"1210": "verlauf.png", "1231": "3", "1291": "40", "1205": "50"}}])");
    auto* zurueck = Objekt<THFunktionsSchaltflaeche>(1, 62);
    auto* vor = Objekt<THFunktionsSchaltflaeche>(2, 62);
    EXPECT_EQ(zurueck->Stueckzahl(), 7);
    zurueck->NavigationSetzen({false, false, true, false});
    vor->NavigationSetzen({false, false, true, false});
    EXPECT_EQ(zurueck->GezeigtesStueck(), 0);
    EXPECT_EQ(vor->GezeigtesStueck(), 1);
    Bewegen(zurueck, {20, 5});
    EXPECT_EQ(zurueck->GezeigtesStueck(), 2);
    Druecken(zurueck, {20, 5});
    EXPECT_EQ(zurueck->GezeigtesStueck(), 3);
    Loslassen(zurueck, {20, 5});
    EXPECT_EQ(zurueck->GezeigtesStueck(), 0);
    Klicken(vor, {20, 5});
    EXPECT_EQ(Fenster.Befehle, (std::vector<std::pair<int, int32_t>>{{FensterVerlaufZurueck, 0},
                                                                     {FensterVerlaufVor, 0}}));
    // The hover move was kept; presses and releases went on to the window.
    EXPECT_EQ(Fenster.Maus.size(), 4u);
}

TEST_F(Knoepfe, KlangknopfSchaltetZwischenSpielenUndAnhalten) {
    StreifenSchreiben(Verzeichnis / "klang.png", 7);
    LektionBauen(R"("Objekte.tab": [{"nr": 1, "fields": {"1210": "klang.png", "1231": "1",
        "1291": "40"}}])");
    auto* klang = Objekt<THFunktionsSchaltflaeche>(1, 62);
    klang->ZustandSetzen(2);
    EXPECT_EQ(klang->GezeigtesStueck(), 1);
    Druecken(klang, {20, 5});
    EXPECT_EQ(klang->GezeigtesStueck(), 2);
    Loslassen(klang, {20, 5});
    EXPECT_EQ(klang->Zustand(), 1);
    EXPECT_EQ(klang->GezeigtesStueck(), 3);
    Bewegen(klang, {2, 17});
    EXPECT_EQ(klang->GezeigtesStueck(), 4);
    Klicken(klang, {20, 5});
    EXPECT_EQ(klang->Zustand(), 2);
    EXPECT_EQ(klang->GezeigtesStueck(), 6);
}

struct Navfall {
    bool Weiter;
    int32_t Typ;
    int32_t Ziel;
    int Code;
    int32_t Argument;
};

void PrintTo(const Navfall& f, std::ostream* aus) {
    *aus << (f.Weiter ? "weiter" : "zurueck") << " Typ " << f.Typ << " Ziel " << f.Ziel;
}

class Navigation : public Knoepfe, public ::testing::WithParamInterface<Navfall> {};

TEST_P(Navigation, KlickSchicktDenFensterbefehl) {
    const Navfall f = GetParam();
    THNavKnopf* knopf =
        f.Weiter ? static_cast<THNavKnopf*>(new THNavWeiter(&Fenster)) : new THNavZurueck(&Fenster);
    knopf->Typ = f.Typ;
    knopf->Ziel = f.Ziel;
    knopf->show();
    Klicken(knopf);
    EXPECT_EQ(Fenster.Befehle, (std::vector<std::pair<int, int32_t>>{{f.Code, f.Argument}}));
    EXPECT_EQ(Fenster.Maus.size(), 2u);
}

INSTANTIATE_TEST_SUITE_P(Knoepfe, Navigation,
                         ::testing::Values(Navfall{true, 0, 0, FensterAuswertenUndWeiter, 0},
                                           Navfall{true, 0, 7, FensterAuswertenUndSeite, 7},
                                           Navfall{true, 1, 7, FensterVerlaufVor, 0},
                                           Navfall{false, 0, 5, FensterSeite, 5},
                                           Navfall{false, 0, 0, FensterZurueck, 0},
                                           Navfall{false, 1, 5, FensterVerlaufZurueck, 0}));

TEST_F(Knoepfe, NavigationsknoepfeFolgenDerLage) {
    THNavWeiter weiter, verlaufVor;
    THNavZurueck zurueck, verlaufZurueck, anders;
    verlaufVor.Typ = verlaufZurueck.Typ = 1;
    anders.Typ = 2;
    const auto setzen = [&](TNavigationslage Lage) {
        for (THNavKnopf* k : std::initializer_list<THNavKnopf*>{&weiter, &verlaufVor, &zurueck,
                                                                &verlaufZurueck, &anders})
            k->NavigationSetzen(Lage);
    };
    setzen({true, false, false, true});
    EXPECT_TRUE(weiter.isEnabled());
    EXPECT_FALSE(zurueck.isEnabled());
    EXPECT_TRUE(verlaufVor.isEnabled());
    EXPECT_FALSE(verlaufZurueck.isEnabled());
    EXPECT_TRUE(anders.isEnabled());
    setzen({false, true, true, false});
    EXPECT_FALSE(weiter.isEnabled());
    EXPECT_TRUE(zurueck.isEnabled());
    EXPECT_FALSE(verlaufVor.isEnabled());
    EXPECT_TRUE(verlaufZurueck.isEnabled());
    EXPECT_TRUE(anders.isEnabled());
}

TEST_F(Knoepfe, KlickeffektSpieltNurKlangeffekte) {
    LektionBauen(R"("Animatio.tab": [
        {"nr": 1, "fields": {"1701": "1", "1702": "klick.wav", "1703": "klaenge\\"}},
        {"nr": 2, "fields": {"1701": "2", "1702": "klick.wav"}}])");
    EXPECT_EQ(Klickeffektdatei(1), Verzeichnis / "klaenge" / "klick.wav");
    EXPECT_TRUE(Klickeffektdatei(2).empty());
    EXPECT_TRUE(Klickeffektdatei(3).empty());
    EXPECT_TRUE(Klickeffektdatei(0).empty());
}

TEST_F(Knoepfe, LinkbereichMeldetDenEintrittNurEinmalUndHandeltNurLinks) {
    LektionBauen(R"("Objekte.tab": [{"nr": 5, "fields": {"1207": "50", "1208": "50",
        "1231": "3", "1218": "2"}}])");
    auto* link = Objekt<THHyperSensitive>(5, 41);
    auto* eintritt = new THMessage(&Fenster);
    eintritt->EreignisNr = 202;
    eintritt->Quelle = 5;
    eintritt->Typ = 1;
    eintritt->Aktion = Aktionscode(1);
    Fenster.Eintragen(eintritt, 9, 43);
    Bewegen(link, {3, 3});
    Bewegen(link, {4, 4});
    ASSERT_EQ(Aufrufe.size(), 1u);
    EXPECT_EQ(Aufrufe[0].Aktion, 1);
    Klicken(link, {5, 5}, Qt::RightButton);
    EXPECT_EQ(Aufrufe.size(), 1u);
    Klicken(link, {5, 5});
    ASSERT_EQ(Aufrufe.size(), 2u);
    EXPECT_EQ(Aufrufe[1].Ziel, 2);
    EXPECT_EQ(Fenster.Maus.size(), 6u); // moves, presses and releases go on
    EXPECT_EQ(link->cursor().shape(), Objektcursor(1).shape());
}

TEST_F(Knoepfe, MausflaechenEinerGruppeSindEinzelnMarkiert) {
    LektionBauen(R"("Objekte.tab": [
        {"nr": 1, "fields": {"1249": "2", "1207": "20", "1208": "20"}},
        {"nr": 2, "fields": {"1249": "2", "1207": "20", "1208": "20"}},
        {"nr": 3, "fields": {"1207": "20", "1208": "20"}},
        {"nr": 4, "fields": {"1207": "20", "1208": "20", "1212": "1"}}])");
    auto* a = Objekt<THMouseSensitive>(1, 37);
    auto* b = Objekt<THMouseSensitive>(2, 37);
    auto* c = Objekt<THMouseSensitive>(3, 37);
    auto* d = Objekt<THMouseSensitive>(4, 37);
    auto* geklickt = new THMessage(&Fenster);
    geklickt->EreignisNr = 218;
    geklickt->Quelle = 2;
    geklickt->Typ = 1;
    Fenster.Eintragen(geklickt, 9, 43);
    EXPECT_TRUE(d->Markiert());
    Klicken(a);
    Klicken(b);
    EXPECT_FALSE(a->Markiert());
    EXPECT_TRUE(b->Markiert());
    EXPECT_EQ(Fenster.ZuletztGeklickteFlaeche(), 2);
    EXPECT_EQ(Aufrufe.size(), 1u); // event 218 from area 2
    Klicken(c);
    EXPECT_TRUE(c->Markiert());
    EXPECT_TRUE(d->Markiert());
    Klicken(c);
    EXPECT_FALSE(c->Markiert());
    // The press reaches the window before the event.
    EXPECT_EQ(Fenster.Maus.size(), 8u);
}

TEST_F(Knoepfe, MarkierteFlaecheZeigtDenUntergrundInvertiert) {
    LektionBauen(
        R"("Objekte.tab": [{"nr": 1, "fields": {"1207": "20", "1208": "20", "1212": "1"}}])");
    QPalette farben = Fenster.palette();
    farben.setColor(QPalette::Window, Qt::white);
    Fenster.setPalette(farben);
    Fenster.setAutoFillBackground(true);
    auto* flaeche = Objekt<THMouseSensitive>(1, 37);
    const QImage bild = Fenster.grab().toImage();
    EXPECT_EQ(bild.pixelColor(5, 5), QColor(Qt::black));
    EXPECT_EQ(bild.pixelColor(30, 30), QColor(Qt::white));
    flaeche->MarkiertSetzen(false);
    EXPECT_EQ(Fenster.grab().toImage().pixelColor(5, 5), QColor(Qt::white));
}

TEST_F(Knoepfe, InteraktivesLabelGehtZumZielUndWirdGrau) {
    LektionBauen(R"("Objekte.tab": [{"nr": 1, "fields": {"1221": "Kapitel 7", "1218": "7",
        "1224": "1", "1207": "80", "1208": "20"}}])");
    auto* label = Objekt<THILabel>(1, 12);
    EXPECT_TRUE(label->font().underline());
    EXPECT_TRUE(label->property("Aktiv").toBool());
    Klicken(label, {3, 3});
    EXPECT_EQ(Fenster.Befehle, (std::vector<std::pair<int, int32_t>>{{FensterSeite, 7}}));
    EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(0x80, 0x80, 0x80));
}

TEST_F(Knoepfe, InteraktivesLabelOeffnetSeineAdresse) {
    LektionBauen(R"("Objekte.tab": [
        {"nr": 1, "fields": {"1221": "hilfe.htm", "1224": "1", "1207": "80", "1208": "20"}},
        {"nr": 2, "fields": {"1221": "http://127.0.0.1/", "1224": "1", "1207": "80", "1208": "20"}},
        {"nr": 3, "fields": {"1221": "hilfe.htm", "1224": "0", "1207": "80", "1208": "20"}},
        {"nr": 4, "fields": {"1221": "Nur Text", "1224": "1", "1207": "80", "1208": "20"}}])");
    TDokumentmitschrift dokumente;
    std::vector<QUrl>& geoeffnet = dokumente.Geoeffnet;
    for (int32_t nr = 1; nr <= 4; ++nr)
        Klicken(Objekt<THILabel>(nr, 12), {3, 3});
    ASSERT_EQ(geoeffnet.size(), 2u);
    EXPECT_EQ(geoeffnet[0].toLocalFile().toStdString(), (Verzeichnis / "hilfe.htm").string());
    EXPECT_EQ(geoeffnet[1], QUrl("http://127.0.0.1/"));
    EXPECT_TRUE(Fenster.Befehle.empty());
}

TEST_F(Knoepfe, GummibandMisstDenZugUndMeldetSelbst) {
    LektionBauen(R"("Objekte.tab": [
        {"nr": 1, "fields": {"1205": "100", "1206": "50", "1207": "200", "1208": "150"}},
        {"nr": 2, "fields": {"1205": "120", "1206": "70", "1207": "10", "1208": "10"}}])");
    auto* band = Objekt<THFunktion>(1, 59);
    auto* innen = Objekt<THShape>(2, 9);
    (void)innen;
    std::vector<int> ereignisse;
    for (int nr : {101, 102, 103}) {
        auto* m = new THMessage(&Fenster);
        m->EreignisNr = nr;
        m->Quelle = 1;
        m->Typ = 1;
        m->TextNr = nr;
        Fenster.Eintragen(m, nr, 43);
    }
    Druecken(band, {10, 10}, Qt::LeftButton, Qt::ShiftModifier);
    EXPECT_TRUE(band->Ziehen);
    Bewegen(band, {60, 40}, Qt::LeftButton, Qt::ShiftModifier);
    EXPECT_TRUE(band->Frame()->isVisible());
    EXPECT_EQ(band->Frame()->geometry(), QRect(110, 60, 50, 30));
    EXPECT_EQ(band->Schrift()->text(), QString::fromUtf8("Größer"));
    EXPECT_EQ(band->Schrift()->pos(), QPoint(135, 75 - band->Schrift()->height()));
    EXPECT_EQ(band->Systemwert(224), "50");
    EXPECT_EQ(band->Systemwert(225), "30");
    EXPECT_EQ(band->Systemwert(226), "rechts unten");
    EXPECT_EQ(band->Systemwert(227), "2");
    EXPECT_EQ(band->Systemwert(228), "1");
    Loslassen(band, {60, 40}, Qt::LeftButton, Qt::ShiftModifier);
    EXPECT_FALSE(band->Frame()->isVisible());
    EXPECT_FALSE(band->Schrift()->isVisible());
    for (const auto& a : Aufrufe)
        ereignisse.push_back(a.TextNr);
    EXPECT_EQ(ereignisse, (std::vector<int>{101, 102, 103}));
    EXPECT_TRUE(Fenster.Maus.empty());
}

struct Richtungsfall {
    QPoint Ende;
    const char* Richtung;
    const char* Text;
};

void PrintTo(const Richtungsfall& f, std::ostream* aus) {
    *aus << f.Richtung;
}

class Richtungen : public Knoepfe, public ::testing::WithParamInterface<Richtungsfall> {};

TEST_P(Richtungen, RichtungUndBeschriftung) {
    THFunktion band(&Fenster);
    band.Start = {50, 50};
    band.Ende = GetParam().Ende;
    EXPECT_EQ(band.Richtung(), GetParam().Richtung);
    EXPECT_EQ(band.Bezeichnung(), QString::fromUtf8(GetParam().Text));
}

INSTANTIATE_TEST_SUITE_P(Knoepfe, Richtungen,
                         ::testing::Values(Richtungsfall{{50, 50}, "mitte", "Zentrieren"},
                                           Richtungsfall{{60, 50}, "rechts", "Zentrieren"},
                                           Richtungsfall{{60, 40}, "rechts oben", "Kleiner"},
                                           Richtungsfall{{50, 40}, "oben", "Zentrieren"},
                                           Richtungsfall{{40, 40}, "links oben", "Letzte Ansicht"},
                                           Richtungsfall{{40, 50}, "links", "Zentrieren"},
                                           Richtungsfall{{40, 60}, "links unten", "Abbrechen"},
                                           Richtungsfall{{50, 60}, "unten", "Zentrieren"},
                                           Richtungsfall{{60, 60}, "rechts unten", "Größer"}));

TEST_F(Knoepfe, GummibandMitLayoutEinsZiehtOhneUmschaltUndOhneBeschriftung) {
    LektionBauen(
        R"("Objekte.tab": [{"nr": 1, "fields": {"1207": "200", "1208": "150", "1287": "1"}}])");
    auto* band = Objekt<THFunktion>(1, 59);
    Druecken(band, {10, 10});
    Bewegen(band, {30, 30}, Qt::LeftButton);
    EXPECT_TRUE(band->Frame()->isVisible());
    EXPECT_FALSE(band->Schrift()->isVisible());
    Loslassen(band, {30, 30});
    band->Layout = 0;
    Druecken(band, {10, 10}); // layout 0 needs Shift
    EXPECT_FALSE(band->Ziehen);
}

} // namespace
