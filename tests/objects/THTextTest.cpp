// The text object: its fields, the layout of its markup, placeholders, glossary words,
// the drop shadow, greying out and the fade.

#include "ObjektTesthilfe.h"

#include "objects/kern/Farbblende.h"
#include "objects/rollen/TBegriffsdienst.h"
#include "objects/rollen/TEffektuhr.h"
#include "objects/rollen/TSystemwertdienst.h"
#include "objects/texte/THSchatten.h"
#include "objects/texte/THText.h"
#include "objects/texte/Textdienste.h"
#include "platform/Schriften.h"
#include "store/Config.h"
#include "store/Lektion.h"
#include "store/TAnwendungskontext.h"
#include "support/QtAnwendung.h"

#include <QFontInfo>
#include <QLineEdit>
#include <QTest>

#include <functional>
#include <stdexcept>

namespace {

auto* const qt = ::testing::AddGlobalTestEnvironment(new QtAnwendung);

// An input field as the text sees it: a line edit on the page.
class TTesteingabe : public QLineEdit, public TSeitenobjekt {
public:
    explicit TTesteingabe(QWidget* Eltern) : QLineEdit(Eltern), TSeitenobjekt(this) {}
};

class Text : public Lektionstest {
protected:
    void SetUp() override {
        Lektionstest::SetUp();
        SchriftersatzRegistrieren();
        Konfiguration() = TKonfiguration{};
    }
    // System values, the glossary window and the effect pause as each test sets them.
    struct TTextrollen : TSystemwertdienst, TBegriffsdienst, TEffektuhr {
        std::function<std::string(int32_t)> Wert;
        std::function<void(TDatensatz*, QPoint)> Oeffnen;
        std::function<void(int32_t)> Pause;
        std::string Systemwert(int32_t Nr) override { return Wert ? Wert(Nr) : std::string(); }
        void BegriffsfensterOeffnen(TDatensatz* Satz, QPoint Punkt) override {
            if (Oeffnen) Oeffnen(Satz, Punkt);
        }
        void EffektPause(int32_t Einheiten) override {
            if (Pause)
                Pause(Einheiten);
            else
                TEffektuhr::EffektPause(Einheiten);
        }
    } Rollen;
    TRollenersatz<TSystemwertdienst> SystemwertErsatz{Rollen};
    TRollenersatz<TBegriffsdienst> BegriffsErsatz{Rollen};
    TRollenersatz<TEffektuhr> UhrErsatz{Rollen};

    // A lesson whose text 1 is `Inhalt`, with the given further tables.
    void MitText(const std::string& Inhalt, const std::string& Weitere = "") {
        std::string json = R"("Texte.tab": [{"nr": 1, "fields": {"1000": ")" + Inhalt + R"("}}])";
        if (!Weitere.empty()) json += "," + Weitere;
        LektionBauen(json);
    }

    // A text object on the window, 300 × 100, margin 10, white, black Arial 11.
    THText* NeuerText(int TextNr = 1) {
        auto* t = new THText(&Fenster);
        t->setGeometry(20, 20, 300, 100);
        t->ColorSetzen(Qt::white);
        t->TextNrSetzen(TextNr);
        t->show();
        return t;
    }

    static std::vector<QString> Woerter(const std::vector<THText::TWortlage>& Lagen) {
        std::vector<QString> w;
        for (const auto& l : Lagen)
            w.push_back(l.Text);
        return w;
    }

    TTestfenster Fenster;
};

TEST_F(Text, VorgabenUndFelder) {
    LektionBauen(R"("Texte.tab": [{"nr": 3, "fields": {"1000": "Hallo"}}],
        "Objekte.tab": [{"nr": 4, "fields": {"1200": "1", "1205": "15", "1206": "25",
        "1207": "200", "1208": "80", "1209": "255", "1211": "3", "1213": "6", "1215": "1",
        "1217": "1", "1241": "1", "1227": "16711680", "1229": "2", "1245": "32768",
        "1246": "Courier New", "1247": "14", "1248": "1", "1252": "Tipp", "1279": "7",
        "1281": "8", "1283": "1", "1284": "5", "1293": "1"}}])");
    THText text(&Fenster);
    EXPECT_EQ(text.size(), QSize(300, 100));
    EXPECT_EQ(text.Farbe(), QColor(255, 255, 0));
    EXPECT_EQ(text.RandbreiteLesen(), 10);
    EXPECT_EQ(text.Grundschrift().family(), "Arial");
    EXPECT_EQ(text.Grundschrift().pixelSize(), 15);

    text.Tag = 4;
    text.AlleFelderUebernehmen(Objekte(), nullptr);
    EXPECT_EQ(text.geometry(), QRect(15, 25, 200, 80));
    EXPECT_EQ(text.Heimat, QPoint(15, 25));
    EXPECT_EQ(text.property("Color").value<QColor>(), QColor(255, 0, 0));
    EXPECT_EQ(text.property("TextNr").toInt(), 3);
    EXPECT_EQ(text.property("Randbreite").toInt(), 6);
    EXPECT_TRUE(text.property("HoeheAnpassen").toBool());
    EXPECT_TRUE(text.property("Verschiebbar").toBool());
    EXPECT_EQ(text.Grundfarbe(), QColor(0, 128, 0));
    EXPECT_EQ(text.Grundschrift().family(), "Courier New");
    EXPECT_EQ(text.Grundschrift().pixelSize(), 19);
    EXPECT_TRUE(text.Grundschrift().bold());
    EXPECT_TRUE(text.toolTip().isEmpty());
    EXPECT_EQ(text.EffektAnzeigen, 7);
    EXPECT_EQ(text.EffektEntfernen, 8);
    EXPECT_TRUE(text.AutoDeaktivieren);
    EXPECT_EQ(text.Abstand, 5);
    EXPECT_TRUE(text.Lexikonfunktion);
    ASSERT_EQ(text.Tokens().size(), 1u);
    EXPECT_EQ(text.Tokens()[0].Text, "Hallo");
}

TEST_F(Text, StileHaeufenSichBisN) {
    MitText("{f}fett{n} normal {f}{k}beides {u}alles{n} wieder");
    THText* text = NeuerText();
    const auto lagen = text->Anordnung();
    ASSERT_EQ(Woerter(lagen), (std::vector<QString>{"fett", " ", "normal", " ", "beides", " ",
                                                    "alles", " ", "wieder"}));
    struct Stil {
        bool Fett, Kursiv, Unterstrichen;
    };
    const Stil stile[] = {{true, false, false},  {false, false, false}, {false, false, false},
                          {false, false, false}, {true, true, false},   {true, true, false},
                          {true, true, true},    {false, false, false}, {false, false, false}};
    for (size_t i = 0; i < lagen.size(); ++i) {
        EXPECT_EQ(lagen[i].Schrift.bold(), stile[i].Fett) << i;
        EXPECT_EQ(lagen[i].Schrift.italic(), stile[i].Kursiv) << i;
        EXPECT_EQ(lagen[i].Schrift.underline(), stile[i].Unterstrichen) << i;
    }
}

TEST_F(Text, FarbwoerterUndN) {
    MitText("a {rot}b {gr\u00fcn}c {n}d");
    THText* text = NeuerText();
    text->GrundschriftSetzen(text->Grundschrift(), QColor(0, 0, 255));
    const auto lagen = text->Anordnung();
    ASSERT_EQ(lagen.size(), 7u);
    EXPECT_EQ(lagen[0].Farbe, QColor(0, 0, 255));
    EXPECT_EQ(lagen[2].Farbe, QColor(0x80, 0, 0));
    EXPECT_EQ(lagen[4].Farbe, QColor(0, 0x80, 0));
    EXPECT_EQ(lagen[6].Farbe, QColor(0, 0, 255));
}

TEST_F(Text, EinFettesWortIstBreiterUndEinFarbwortZeichnetSeineFarbe) {
    MitText("{f}WWWW{n} {hellrot}WWWW");
    THText* text = NeuerText();
    const auto lagen = text->Anordnung();
    ASSERT_EQ(lagen.size(), 3u);
    const QImage bild = text->grab().toImage();
    // Columns with ink: the bold word's are more than the plain word's.
    const auto tinte = [&](int Von, int Bis, QColor Farbe) {
        int spalten = 0;
        for (int x = Von; x < Bis; ++x)
            for (int y = 0; y < bild.height(); ++y)
                if (bild.pixelColor(x, y) == Farbe) {
                    ++spalten;
                    break;
                }
        return spalten;
    };
    const int fett = tinte(0, lagen[2].Ort.x(), QColor(Qt::black));
    const int rot = tinte(lagen[2].Ort.x(), bild.width(), QColor(255, 0, 0));
    EXPECT_GT(fett, rot);
    EXPECT_GT(rot, 10);
}

TEST_F(Text, ZeilenumbruchUndFuehrendeLeerzeichen) {
    // 300 wide, margin 10: the right limit is 290.
    MitText("\\r\\nA  B");
    THText* text = NeuerText();
    const int zeile = QFontMetrics(text->Grundschrift()).height();
    auto lagen = text->Anordnung();
    // The line break starts a new line even at the start of a line; two spaces stay.
    ASSERT_EQ(Woerter(lagen), (std::vector<QString>{"A", " ", " ", "B"}));
    EXPECT_EQ(lagen[0].Ort, QPoint(10, 10 + zeile));

    text->TextStringSetzen(std::string(" A"));
    lagen = text->Anordnung();
    ASSERT_EQ(Woerter(lagen), (std::vector<QString>{"A"}));
    EXPECT_EQ(lagen[0].Ort, QPoint(10, 10));

    text->TextStringSetzen(std::string("  A"));
    EXPECT_EQ(Woerter(text->Anordnung()), (std::vector<QString>{" ", " ", "A"}));
}

TEST_F(Text, WoerterDieNichtPassenBeginnenDieNaechsteZeile) {
    MitText("AAAA BBBB CCCCCCCCCCCCCCCC");
    THText* text = NeuerText();
    const int zeile = QFontMetrics(text->Grundschrift()).height();
    // The right limit lies exactly after the first word: the space no longer fits, starts
    // the next line and, single at its start, is dropped.
    text->resize(20 + text->Anordnung()[0].Breite, 100);
    const auto lagen = text->Anordnung();
    ASSERT_EQ(Woerter(lagen), (std::vector<QString>{"AAAA", "BBBB", "CCCCCCCCCCCCCCCC"}));
    EXPECT_EQ(lagen[0].Ort, QPoint(10, 10));
    EXPECT_EQ(lagen[1].Ort, QPoint(10, 10 + zeile));
    // A word wider than the whole line starts a line and runs past the margin.
    EXPECT_EQ(lagen[2].Ort, QPoint(10, 10 + 2 * zeile));
    EXPECT_GT(lagen[2].Ort.x() + lagen[2].Breite, text->width() - 10);
}

TEST_F(Text, SteuerzeichenZeigenNichts) {
    MitText("a\\tb c\\nd");
    THText* text = NeuerText();
    EXPECT_EQ(Woerter(text->Anordnung()), (std::vector<QString>{"ab", " ", "cd"}));
}

TEST_F(Text, PlatzhalterWerdenBeimSetzenErsetzt) {
    MitText("{12}. {12}.. {0} @5@ @1@, <3>!",
            R"("Daten.tab": [{"nr": 1, "fields": {"301": "sieben"}}])");
    Rollen.Wert = [](int32_t Nr) { return "Wert" + std::to_string(Nr); };
    auto* feld = new TTesteingabe(&Fenster);
    feld->setText(QString::fromUtf8("Müller"));
    Fenster.Eintragen(feld, 3, 6);
    THText* text = NeuerText();
    feld->setText("Später");
    std::vector<std::string> tokens;
    for (const TToken& t : text->Tokens())
        if (t.Art == TTokenart::Wort) tokens.push_back(t.Text);
    EXPECT_EQ(tokens, (std::vector<std::string>{"Wert12.", "{12}..", "{0}", "@5@", "sieben,",
                                                "M\xFCller!"}));
}

TEST_F(Text, OhneLieferantIstDerSystemwertLeer) {
    MitText("[{3}]");
    THText* text = NeuerText();
    // The character after the placeholder stays.
    ASSERT_EQ(text->Tokens().size(), 2u);
    EXPECT_EQ(text->Tokens()[1].Text, "]");
}

TEST_F(Text, TextNrOhneSatzUndTemporaereTexte) {
    LektionBauen(R"("Texte.tab": [{"nr": 1, "fields": {"1000": "eins"}},
                                  {"nr": 2, "fields": {"1000": "zwei"}}])");
    THText* text = NeuerText(1);
    text->SetTempTextNr(2);
    EXPECT_EQ(text->TextNummer(), 1);
    EXPECT_EQ(text->Tokens()[0].Text, "zwei");
    text->TextNrSetzen(9);
    EXPECT_EQ(text->TextNummer(), 9);
    EXPECT_TRUE(text->Tokens().empty());

    text->hide();
    text->setProperty("TextString", QString::fromUtf8("für"));
    EXPECT_FALSE(text->isHidden());
    EXPECT_EQ(text->Tokens()[0].Text, "f\xFCr");
}

class Glossar : public Text {
protected:
    void SetUp() override {
        Text::SetUp();
        MitText("Ein Modem, noch ein Modem und ein modem. Router! Switch:",
                R"("Begriffe.tab": [{"nr": 1, "fields": {"1100": "Modem", "1101": "Ger\u00e4t"}},
                                    {"nr": 2, "fields": {"1100": "Router"}}])");
        Rollen.Oeffnen = [this](TDatensatz* Satz, QPoint Punkt) {
            Geoeffnet.emplace_back(Satz ? Satz->Nr : 0, Punkt);
        };
        Fenster.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&Fenster));
        TextObjekt = NeuerText();
        TextObjekt->Lexikonfunktion = true;
        TextObjekt->repaint();
        // The painting found the glossary words.
        ASSERT_EQ(TextObjekt->Begriffstreffer().size(), 2u);
    }
    std::vector<std::pair<int32_t, QPoint>> Geoeffnet;
    THText* TextObjekt = nullptr;
};

TEST_F(Glossar, NurDasErsteVorkommenWirdMarkiert) {
    const auto lagen = TextObjekt->Anordnung();
    std::vector<QString> markiert;
    for (const auto& l : lagen)
        if (l.Markiert) {
            markiert.push_back(l.Text);
            EXPECT_TRUE(l.Schrift.underline());
        }
    EXPECT_EQ(markiert, (std::vector<QString>{"Modem,", "Router!"}));
    const auto& treffer = TextObjekt->Begriffstreffer();
    ASSERT_EQ(treffer.size(), 2u);
    EXPECT_EQ(treffer[0].Wort, "Modem");
    EXPECT_EQ(treffer[1].Wort, "Router");
    // The rectangle is as wide as the token, punctuation included.
    EXPECT_EQ(treffer[0].Rechteck.width(), lagen[2].Breite);
}

TEST_F(Glossar, KlickOeffnetDasGlossarfenster) {
    const QRect r = TextObjekt->Begriffstreffer()[0].Rechteck;
    QTest::mouseClick(TextObjekt, Qt::LeftButton, {}, r.bottomRight() + QPoint(1, 1));
    ASSERT_EQ(Geoeffnet.size(), 1u);
    EXPECT_EQ(Geoeffnet[0].first, 1);
    EXPECT_EQ(Geoeffnet[0].second, TextObjekt->mapToGlobal(r.bottomRight() + QPoint(1, 1)));
    // The click still reaches the learner window.
    ASSERT_FALSE(Fenster.Maus.empty());
    EXPECT_EQ(Fenster.Maus[0].Art, 'd');

    QTest::mouseClick(TextObjekt, Qt::LeftButton, {}, QPoint(2, 2));
    EXPECT_EQ(Geoeffnet.size(), 1u);
}

TEST_F(Glossar, EinVerschwundenerBegriffMeldetSich) {
    const QPoint mitte = TextObjekt->Begriffstreffer()[1].Rechteck.center();
    Tabelle(ArtBegriffe)->SchreibeText(Tabelle(ArtBegriffe)->Datensatz(2), 1100, "Anders");
    QTest::mouseClick(TextObjekt, Qt::LeftButton, {}, mitte);
    EXPECT_TRUE(Geoeffnet.empty());
    ASSERT_EQ(Dialoge.Nachrichten.size(), 1u);
    EXPECT_EQ(Dialoge.Nachrichten[0].Text, "Begriff nicht gefunden!");
}

TEST_F(Glossar, HandzeigerUeberMarkiertenWoertern) {
    const QPoint mitte = TextObjekt->Begriffstreffer()[0].Rechteck.center();
    QTest::mouseMove(TextObjekt, mitte);
    EXPECT_EQ(TextObjekt->cursor().shape(), Qt::PointingHandCursor);
    QTest::mouseMove(TextObjekt, QPoint(2, 2));
    EXPECT_EQ(TextObjekt->cursor().shape(), Qt::ArrowCursor);
}

TEST_F(Text, VerschiebbarerTextGibtNichtsWeiterUndKehrtZurueck) {
    MitText("Zieh mich");
    Fenster.show();
    THText* text = NeuerText();
    text->Heimat = text->pos();
    text->VerschiebbarSetzen(true);
    QTest::mousePress(text, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseMove(text, QPoint(25, 15));
    EXPECT_EQ(text->pos(), QPoint(40, 30));
    QTest::mouseRelease(text, Qt::LeftButton, {}, QPoint(25, 15));
    EXPECT_EQ(text->pos(), QPoint(20, 20));
    EXPECT_TRUE(Fenster.Maus.empty());
}

struct TSchattenfall {
    QRect Objekt;
    int32_t Abstand;
    QRect Rechts;
    bool RechtsSichtbar;
    QRect Unten;
    bool UntenSichtbar;
};

class Schattenlagen : public ::testing::TestWithParam<TSchattenfall> {};

TEST_P(Schattenlagen, Rechtecke) {
    const TSchattenfall& f = GetParam();
    const TSchattenlage lage = Schattenlage(f.Objekt, f.Abstand, false);
    EXPECT_EQ(lage.RechtsSichtbar, f.RechtsSichtbar);
    EXPECT_EQ(lage.UntenSichtbar, f.UntenSichtbar);
    if (f.RechtsSichtbar || f.UntenSichtbar) {
        EXPECT_EQ(lage.Rechts, f.Rechts);
        EXPECT_EQ(lage.Unten, f.Unten);
    }
    // A transparent object never shows a shadow.
    const TSchattenlage durchsichtig = Schattenlage(f.Objekt, f.Abstand, true);
    EXPECT_FALSE(durchsichtig.RechtsSichtbar || durchsichtig.UntenSichtbar);
}

// s(v) = round(a(v + 20000) / (20000 − a) + v), t(v) with 17000; halves to even.
INSTANTIATE_TEST_SUITE_P(
    Abstaende, Schattenlagen,
    ::testing::Values(
        TSchattenfall{{100, 50, 200, 100}, 10, {300, 59, 10, 100}, true, {110, 150, 190, 9}, true},
        // a = 4000: s(v) = 5000 + 1.25 v, t(v) = 4250 + 1.25 v; 5007.5 → 5008, 4252.5 → 4252.
        TSchattenfall{{2, 2, 4, 4}, 4000, {5002, 4252, 6, 6}, false, {5002, 4252, 6, 6}, false},
        TSchattenfall{{100, 50, 200, 100}, 0, {}, false, {}, false},
        TSchattenfall{{100, 50, 200, 100}, -5, {}, false, {}, false},
        TSchattenfall{{100, 50, 200, 100}, 20000, {}, false, {}, false}));

TEST(Schattenlage, HalbeWerdenZurGeradenZahlGerundet) {
    const TSchattenlage lage = Schattenlage({2, 2, 4, 4}, 4000, false);
    EXPECT_EQ(lage.Rechts.left(), 5002); // s(6) = 5007.5 → 5008 wins over s(2) = 5002.5 → 5002
    EXPECT_EQ(lage.Rechts.width(), 6);
    EXPECT_EQ(lage.Rechts.top(), 4252);
    EXPECT_EQ(lage.Rechts.height(), 6);
}

TEST_F(Text, SchlagschattenFolgtDemText) {
    MitText("Schatten");
    Konfiguration().SchattenRandbreite = 3;
    Konfiguration().SchattenGrauwert = 90;
    Fenster.show();
    THText* text = NeuerText();
    text->setGeometry(100, 50, 200, 100);
    ASSERT_TRUE(text->RechterSchatten() && text->UntererSchatten());
    EXPECT_FALSE(text->RechterSchatten()->isVisible());
    EXPECT_EQ(text->RechterSchatten()->Randbreite, 3);
    EXPECT_EQ(text->UntererSchatten()->Grauwert(), 90);

    text->AbstandSetzen(10);
    EXPECT_TRUE(text->RechterSchatten()->isVisible());
    EXPECT_EQ(text->RechterSchatten()->geometry(), QRect(300, 59, 10, 100));
    EXPECT_EQ(text->UntererSchatten()->geometry(), QRect(110, 150, 190, 9));
    text->move(120, 50);
    EXPECT_EQ(text->RechterSchatten()->x(), 320);

    text->TransparentSetzen(true);
    EXPECT_FALSE(text->RechterSchatten()->isVisible());
    text->TransparentSetzen(false);
    text->Verbergen();
    EXPECT_FALSE(text->RechterSchatten()->isVisible());
    EXPECT_FALSE(text->UntererSchatten()->isVisible());
    text->show();
    text->AbstandSetzen(0);
    EXPECT_FALSE(text->RechterSchatten()->isVisible());
    EXPECT_FALSE(text->UntererSchatten()->isVisible());
}

TEST_F(Text, EinBleibenderTextWirdGrau) {
    MitText("{rot}rot {n}schwarz");
    THText* text = NeuerText();
    text->BleibtAufSeite();
    EXPECT_FALSE(text->IstGrau());
    text->AutoDeaktivieren = true;
    text->BleibtAufSeite();
    EXPECT_TRUE(text->IstGrau());
    for (const auto& l : text->Anordnung())
        EXPECT_EQ(l.Farbe, QColor(0x80, 0x80, 0x80));
    text->TextStringSetzen(std::string("{blau}neu"));
    EXPECT_EQ(text->Anordnung()[0].Farbe, QColor(0x80, 0x80, 0x80));
}

TEST_F(Text, BlendeOhneSchritteNimmtZehn) {
    MitText("Blende",
            R"("Animatio.tab": [{"nr": 3, "fields": {"1701": "4", "1729": "7", "1730": "0"}},
                                         {"nr": 4, "fields": {"1701": "2"}}])");
    std::vector<int32_t> pausen;
    Rollen.Pause = [&](int32_t Einheiten) { pausen.push_back(Einheiten); };
    Fenster.show();
    THText* text = NeuerText();
    text->hide();
    text->EffektAnzeigen = 3;
    text->EffektEntfernen = 4;
    text->ZeigenMitEffekt(true);
    EXPECT_EQ(pausen, std::vector<int32_t>(10, 7));
    EXPECT_TRUE(text->isVisible());
    EXPECT_EQ(text->Anordnung()[0].Farbe, QColor(Qt::black));
    // Another kind of effect only hides.
    pausen.clear();
    text->ZeigenMitEffekt(false);
    EXPECT_TRUE(pausen.empty());
    EXPECT_TRUE(text->isHidden());
}

// An effect record with absurd values fades in at most 256 steps with a bounded pause and
// still ends at the target colour (the pause hook stops a fade that would run on).
TEST(Farbblende, SchritteUndPauseSindBegrenzt) {
    struct TZaehlendeUhr : TEffektuhr {
        std::vector<int32_t> Pausen;
        void EffektPause(int32_t Einheiten) override {
            Pausen.push_back(Einheiten);
            if (Pausen.size() > 10000) throw std::length_error("Blende endet nicht");
        }
    } uhr;
    TRollenersatz<TEffektuhr> ersatz{uhr};
    QColor letzte;
    EXPECT_NO_THROW(Farbblende(Qt::black, Qt::white, 999999999, 999999999,
                               [&](const QColor& Farbe) { letzte = Farbe; }));
    EXPECT_EQ(uhr.Pausen, std::vector<int32_t>(MaxBlendschritte, MaxBlendpause));
    EXPECT_EQ(letzte, QColor(Qt::white));
}

TEST(Blendfarbe, GleicheSchritteGerundet) {
    const QColor von(255, 255, 0);
    const QColor nach(0, 0, 0);
    EXPECT_EQ(Blendfarbe(von, nach, 1, 10), QColor(230, 230, 0)); // 229.5 → 230
    EXPECT_EQ(Blendfarbe(von, nach, 3, 10), QColor(178, 178, 0)); // 178.5 → 178
    EXPECT_EQ(Blendfarbe(von, nach, 10, 10), nach);
}

} // namespace
