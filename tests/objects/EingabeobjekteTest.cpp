// Memos, selection fields, the Tab order of a page's input objects, and the input objects in
// the data-record actions, the answers mail and the object placeholders of texts.

#include "ObjektTesthilfe.h"

#include "actions/Datensatzaktionen.h"
#include "actions/Mailaktion.h"
#include "objects/eingabe/THEditfeld.h"
#include "objects/eingabe/THMaskEdit.h"
#include "objects/eingabe/THMemo.h"
#include "objects/eingabe/THSB_Editfeld.h"
#include "objects/eingabe/Tabulatorfolge.h"
#include "objects/texte/THText.h"
#include "store/Datensaetze.h"
#include "support/QtAnwendung.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>

#include <fstream>

namespace {

auto* const qt = ::testing::AddGlobalTestEnvironment(new QtAnwendung);

class Eingabeobjekte : public Lektionstest {
protected:
    void SetUp() override {
        Lektionstest::SetUp();
        Fenster.show();
    }
    template <class K> K* Objekt(int32_t Nr, int16_t Typ) {
        auto* o = new K(&Fenster);
        TObjektliste& eintrag = Fenster.Eintragen(o, Nr, Typ);
        o->AlleFelderUebernehmen(Objekte(), Objektsatz(Nr));
        eintrag.Beschreibung = o->Beschreibung;
        o->show();
        return o;
    }

    TTestfenster Fenster;
};

// ---------------------------------------------------------------------------------------
// Memos

struct TMemofall {
    const char* Name;
    const char* Typ;
    bool Einfuegen; // pasted through the clipboard, else typed with Enter
    const char* Erwartet;
};

void PrintTo(const TMemofall& f, std::ostream* aus) {
    *aus << f.Name;
}

class Memo : public Eingabeobjekte, public ::testing::WithParamInterface<TMemofall> {};

TEST_P(Memo, EinzeiligBleibtEinzeilig) {
    const TMemofall& f = GetParam();
    LektionBauen(std::string(R"("Objekte.tab": [{"nr": 3, "fields": {"1200": "47",
        "1221": "Anfang", "1224": "1", "1231": ")") +
                 f.Typ + R"("}}])");
    auto* memo = Objekt<THMemo>(3, 47);
    memo->moveCursor(QTextCursor::End);
    if (f.Einfuegen) {
        QApplication::clipboard()->setText(QStringLiteral("eins\nzwei"));
        QTest::keyClick(memo, Qt::Key_V, Qt::ControlModifier);
    } else {
        QTest::keyClick(memo, Qt::Key_Return);
        QTest::keyClicks(memo, "x");
    }
    EXPECT_EQ(memo->toPlainText(), QString::fromUtf8(f.Erwartet));
}

INSTANTIATE_TEST_SUITE_P(
    Eingabeobjekte, Memo,
    ::testing::Values(TMemofall{"EinzeiligOhneEnter", "1", false, "Anfangx"},
                      TMemofall{"EinzeiligOhneEinfuegenZweierZeilen", "1", true, "Anfang"},
                      TMemofall{"NotizblattMitEnter", "2", false, "Anfang\nx"},
                      TMemofall{"NotizblattMitEinfuegen", "2", true, "Anfangeins\nzwei"}),
    [](const auto& Info) { return std::string(Info.param.Name); });

TEST_F(Eingabeobjekte, EinzeiligesMemoBehaeltVonZweiZeilenDieErste) {
    LektionBauen(R"("Objekte.tab": [{"nr": 3, "fields": {"1200": "47",
        "1221": ["oben", "unten"], "1231": "1"}}])");
    EXPECT_EQ(Objekt<THMemo>(3, 47)->toPlainText(), "oben");
}

TEST_F(Eingabeobjekte, MemoLaedtZeilenAusDerLektionUndBehaeltSieOhneDatei) {
    std::filesystem::create_directories(Verzeichnis / "texte");
    std::ofstream(Verzeichnis / "texte" / "notiz.txt", std::ios::binary) << "Zeile 1\r\nGr\xFC\xDF"
                                                                            "e\r\n";
    LektionBauen(R"("Objekte.tab": [
        {"nr": 3, "fields": {"1200": "47", "1210": "NOTIZ.TXT", "1273": "Texte\\",
         "1221": "vorher", "1263": "2", "1266": "1"}},
        {"nr": 4, "fields": {"1200": "47", "1210": "fehlt.txt", "1221": "bleibt"}}])");
    auto* memo = Objekt<THMemo>(3, 47);
    EXPECT_EQ(memo->toPlainText(), QStringLiteral("Zeile 1\nGr\u00FC\u00DFe"));
    EXPECT_EQ(memo->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(memo->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_EQ(memo->document()->defaultTextOption().alignment(), Qt::AlignHCenter);
    EXPECT_EQ(Objekt<THMemo>(4, 47)->toPlainText(), "bleibt");
}

TEST_F(Eingabeobjekte, NotizblattWirdGelbUndDieAnderenWeiss) {
    LektionBauen(R"("Objekte.tab": [
        {"nr": 3, "fields": {"1200": "47", "1224": "1", "1231": "2", "1209": "255"}},
        {"nr": 4, "fields": {"1200": "47", "1224": "1", "1231": "2", "1209": "255", "1205": "200"}}])");
    auto* erstes = Objekt<THMemo>(3, 47);
    auto* zweites = Objekt<THMemo>(4, 47);
    EXPECT_EQ(zweites->palette().color(QPalette::Base), QColor(Qt::red));
    QTest::mouseClick(erstes->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(erstes->palette().color(QPalette::Base), QColor(Qt::yellow));
    EXPECT_EQ(zweites->palette().color(QPalette::Base), QColor(Qt::white));
    QTest::mouseClick(zweites->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(erstes->palette().color(QPalette::Base), QColor(Qt::white));
    EXPECT_EQ(zweites->palette().color(QPalette::Base), QColor(Qt::yellow));
    // The clicks reach the window as clicks on the memo, in window coordinates.
    ASSERT_FALSE(Fenster.Maus.empty());
    EXPECT_EQ(Fenster.Maus.back().Sender, zweites);
    EXPECT_EQ(Fenster.Maus.back().Position,
              zweites->viewport()->mapTo(zweites, QPoint(5, 5)) + QPoint(200, 0));
}

// ---------------------------------------------------------------------------------------
// Selection fields

TEST_F(Eingabeobjekte, AuswahlfelderDerGruppe0SchliessenEinanderAus) {
    LektionBauen(R"("Objekte.tab": [
        {"nr": 3, "fields": {"1200": "54", "1221": "Auftrag", "1207": "150", "1208": "21"}},
        {"nr": 4, "fields": {"1200": "54", "1221": "Angebot", "1212": "1", "1205": "200",
         "1201": "Angebot w\u00e4hlen"}}])");
    auto* auftrag = Objekt<THSB_Editfeld>(3, 54);
    auto* angebot = Objekt<THSB_Editfeld>(4, 54);
    EXPECT_TRUE(angebot->Markiert());
    EXPECT_EQ(angebot->Knopf()->accessibleName(), QStringLiteral("Angebot w\u00e4hlen"));
    EXPECT_EQ(auftrag->Feld()->text(), "Auftrag");
    QTest::mouseClick(auftrag->Knopf(), Qt::LeftButton);
    EXPECT_TRUE(auftrag->Markiert());
    EXPECT_FALSE(angebot->Markiert());
    EXPECT_EQ(auftrag->Feld()->palette().color(QPalette::Base), QColor(0, 0, 0x80));
    EXPECT_EQ(auftrag->Feld()->palette().color(QPalette::Text), QColor(Qt::white));
    EXPECT_EQ(angebot->Flaeche()->palette().color(QPalette::Window), QColor(0xC0, 0xC0, 0xC0));
    // Clicked again, the button goes up: the whole group may be unmarked.
    QTest::mouseClick(auftrag->Knopf(), Qt::LeftButton);
    EXPECT_FALSE(auftrag->Markiert());
    EXPECT_FALSE(angebot->Markiert());
    // The button's clicks reach the window as clicks on the field.
    ASSERT_FALSE(Fenster.Maus.empty());
    EXPECT_EQ(Fenster.Maus.back().Sender, auftrag);
}

TEST_F(Eingabeobjekte, AuswahlfeldOrdnetSeineTeileBeiJederGroesseNeu) {
    LektionBauen(R"("Objekte.tab": [{"nr": 3, "fields": {"1200": "54"}}])");
    auto* feld = Objekt<THSB_Editfeld>(3, 54);
    feld->resize(200, 30);
    EXPECT_EQ(feld->Knopf()->geometry(), QRect(0, 0, 17, 29));
    EXPECT_EQ(feld->Flaeche()->geometry(), QRect(19, 0, 182, 30));
    EXPECT_EQ(feld->Feld()->geometry(), QRect(19, 2, 182, 28));
}

// ---------------------------------------------------------------------------------------
// Keyboard

TEST_F(Eingabeobjekte, TabBesuchtDieEingabeobjekteInSeitenfolge) {
    // Made in another order than the page lists them, as objects kept from the page before.
    auto* auswahl = new THSB_Editfeld(&Fenster);
    auto* maske = new THMaskEdit(&Fenster);
    auto* memo = new THMemo(&Fenster);
    auto* feld = new THEditfeld(&Fenster);
    Fenster.Eintragen(feld, 1, 6);
    Fenster.Eintragen(memo, 2, 47);
    Fenster.Eintragen(maske, 3, 50);
    Fenster.Eintragen(auswahl, 4, 54);
    for (QWidget* w : std::initializer_list<QWidget*>{auswahl, maske, memo, feld})
        w->show();
    TabulatorfolgeSetzen(Fenster.Objektliste());
    Fenster.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Fenster));
    feld->setFocus();
    const std::vector<QWidget*> folge{memo, maske, auswahl->Knopf()};
    for (QWidget* naechstes : folge) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), naechstes);
    }
}

// ---------------------------------------------------------------------------------------
// Actions and placeholders

TEST_F(Eingabeobjekte, DatensatzaktionenFuellenUndLesenFelderUndMemos) {
    LektionBauen(R"("Objekte.tab": [
        {"nr": 1, "fields": {"1200": "6"}}, {"nr": 2, "fields": {"1200": "47", "1224": "1", "1231": "2"}}],
        "Daten.tab": [{"nr": 5, "fields": {"301": ["rot", "gr\u00fcn"]}}])");
    auto* feld = Objekt<THEditfeld>(1, 6);
    auto* memo = Objekt<THMemo>(2, 47);
    DatensatzInObjekt(2, 5);
    EXPECT_EQ(memo->toPlainText(), QStringLiteral("rot\ngr\u00FCn"));
    feld->setText(QStringLiteral("Stra\u00DFe"));
    ObjektInDatensatz(1, 6);
    EXPECT_EQ(Datensatzinhalt(6), "Stra\xDF"
                                  "e");
    ObjektLeeren(2);
    EXPECT_TRUE(memo->toPlainText().isEmpty());
}

TEST_F(Eingabeobjekte, AntwortenUndPlatzhalterZeigenDieEingaben) {
    LektionBauen(R"("Objekte.tab": [
        {"nr": 1, "fields": {"1200": "6", "1201": "Name", "1221": "Ada"}},
        {"nr": 2, "fields": {"1200": "50", "1201": "Datum", "1272": "99/99/0000;0;_",
         "1221": "01.02.2003"}},
        {"nr": 3, "fields": {"1200": "47", "1201": "Notiz", "1221": "kurz"}}])");
    Objekt<THEditfeld>(1, 6);
    Objekt<THMaskEdit>(2, 50);
    Objekt<THMemo>(3, 47);
    const TAntworten antworten = AntwortenSammeln(Fenster.Objektliste());
    EXPECT_EQ(antworten.Zeilen, (std::vector<std::string>{"||Feedback||", "Name : Ada",
                                                          "Datum : 01022003", "Notiz : kurz"}));
    // The field's contents as a text shows them, once the learner has typed.
    auto* text = new THText(&Fenster);
    text->TextStringSetzen(std::string("<1>!"));
    ASSERT_EQ(text->Tokens().size(), 1u);
    EXPECT_EQ(text->Tokens()[0].Text, "Ada!");
}

} // namespace
