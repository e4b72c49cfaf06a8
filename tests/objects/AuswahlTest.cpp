// Choice objects: groups of check boxes and picture check boxes, the pieces of picture
// strips, tick-off marks by menu status, list boxes as glossary index, combo boxes with
// their selection request and events, and what the actions read of them.

#include "ObjektTesthilfe.h"

#include "actions/Datensatzaktionen.h"
#include "actions/Mailaktion.h"
#include "objects/auswahl/TAbhakteilnehmer.h"
#include "objects/auswahl/THAbhaken.h"
#include "objects/auswahl/THBmpCheckBox.h"
#include "objects/auswahl/THCheckBox.h"
#include "objects/auswahl/THListBox.h"
#include "objects/auswahl/THRadioButton.h"
#include "objects/auswahl/THSAPComboBox.h"
#include "objects/rollen/TLernerdatendienst.h"
#include "objects/rollen/TLernfensterdienst.h"
#include "objects/rollen/TSystemwertdienst.h"
#include "platform/AnsiText.h"
#include "store/Lektion.h"
#include "support/QtAnwendung.h"

#include <QApplication>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QTest>

namespace {

auto* const qt = ::testing::AddGlobalTestEnvironment(new QtAnwendung);

// Counts the refreshes of the page's system labels, answers system values and menu states,
// and hands the focus to a control of the test window.
class TDienste : public TSystemwertdienst, public TLernfensterdienst, public TLernerdatendienst {
public:
    void SystemanzeigenAktualisieren() override { ++Systemanzeigen; }
    std::string Systemwert(int32_t Nr) override { return "Wert " + std::to_string(Nr); }
    void FokusAnFenster() override {
        if (Fokus) Fokus->setFocus();
    }
    int32_t Menuestatus(int32_t Seite) override { return Seite == 12 ? Status : 0; }
    int Systemanzeigen = 0;
    QWidget* Fokus = nullptr;
    int32_t Status = 0;
};

// A test window that also records the page events raised.
class TEreignisfenster : public TTestfenster {
public:
    void EreignisAusloesen(int32_t Quelle, int EreignisNr) override {
        Ereignisse.emplace_back(Quelle, EreignisNr);
        TTestfenster::EreignisAusloesen(Quelle, EreignisNr);
    }
    std::vector<std::pair<int32_t, int>> Ereignisse;
};

// A strip of `Anzahl` pieces of 20 × 20, piece i filled with grey 40 × (i + 1).
void StreifenSchreiben(const std::filesystem::path& Datei, int Anzahl) {
    QImage bild(20 * Anzahl, 20, QImage::Format_RGB32);
    QPainter maler(&bild);
    for (int i = 0; i < Anzahl; ++i)
        maler.fillRect(20 * i, 0, 20, 20,
                       QColor::fromRgb(qRgb(40 * (i + 1), 40 * (i + 1), 40 * (i + 1))));
    maler.end();
    bild.save(QString::fromStdString(Datei.string()));
}

// Size and active switch of a record.
const std::string Bereit = R"("1207": "100", "1208": "100", "1224": "1")";

int Grau(const QImage& Bild) {
    return qGray(Bild.pixel(10, 10));
}

class Auswahl : public Lektionstest {
protected:
    void SetUp() override {
        Lektionstest::SetUp();
        Fenster.show();
    }

    void Aktivieren() {
        Fenster.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&Fenster));
    }

    template <class K> K* Objekt(int32_t Nr, int16_t Typ) {
        return ObjektBauen<K>(Fenster, Nr, Typ);
    }

    TDienste Dienste;
    TRollenersatz<TSystemwertdienst> SystemwertErsatz{Dienste};
    TRollenersatz<TLernfensterdienst> LernfensterErsatz{Dienste};
    TRollenersatz<TLernerdatendienst> LernerdatenErsatz{Dienste};
    TEreignisfenster Fenster;
};

// --- check boxes ---------------------------------------------------------------------

struct Gruppenfall {
    int32_t Gruppe;
    bool AndereBleibenMarkiert;
};

class Kontrollkaestchen : public Auswahl, public ::testing::WithParamInterface<Gruppenfall> {};

TEST_P(Kontrollkaestchen, GruppeWirdNachDemMarkiertenZustandAngewandt) {
    const Gruppenfall fall = GetParam();
    const std::string gruppe = std::to_string(fall.Gruppe);
    std::string objekte;
    for (int nr = 1; nr <= 3; ++nr) {
        objekte += (nr > 1 ? "," : "") + std::string(R"({"nr": )") + std::to_string(nr) +
                   R"(, "fields": {"1200": "30", "1212": "1", "1249": ")" + gruppe +
                   R"(", "1205": ")" + std::to_string(20 * nr) +
                   R"(", "1207": "13", "1208": "13", "1224": "1"}})";
    }
    LektionBauen(R"("Objekte.tab": [)" + objekte + "]");
    std::vector<THCheckBox*> boxen;
    for (int nr = 1; nr <= 3; ++nr)
        boxen.push_back(Objekt<THCheckBox>(nr, 30));
    for (THCheckBox* box : boxen)
        EXPECT_TRUE(box->isChecked());

    const int vorher = Dienste.Systemanzeigen;
    QTest::mouseClick(boxen[1], Qt::LeftButton, {}, QPoint(6, 6));
    EXPECT_FALSE(boxen[1]->isChecked());
    EXPECT_EQ(boxen[0]->isChecked(), fall.AndereBleibenMarkiert);
    EXPECT_EQ(boxen[2]->isChecked(), fall.AndereBleibenMarkiert);
    EXPECT_GT(Dienste.Systemanzeigen, vorher);
    // The click went on to the learner window.
    ASSERT_GE(Fenster.Maus.size(), 2u);
    EXPECT_EQ(Fenster.Maus.front().Position, QPoint(46, 6));

    QTest::keyClick(boxen[0], Qt::Key_Space);
    EXPECT_EQ(boxen[0]->isChecked(), !fall.AndereBleibenMarkiert);
    EXPECT_FALSE(boxen[1]->isChecked());
    EXPECT_EQ(boxen[2]->isChecked(), fall.AndereBleibenMarkiert);
}

INSTANTIATE_TEST_SUITE_P(Auswahl, Kontrollkaestchen,
                         ::testing::Values(Gruppenfall{4, false}, Gruppenfall{0, true}));

TEST_F(Auswahl, KontrollkaestchenNimmtSchriftteileEinzelnUndHeisstNachDerBeschreibung) {
    LektionBauen(R"("Objekte.tab": [{"nr": 1, "fields": {"1200": "30", "1201": "Zustimmung",
        "1245": "255", "1246": "Courier New", "1247": "12", "1248": "0100"}}])");
    auto* box = Objekt<THCheckBox>(1, 30);
    EXPECT_EQ(box->font().family(), "Courier New");
    EXPECT_EQ(box->font().pixelSize(), 16);
    EXPECT_TRUE(box->font().italic());
    EXPECT_FALSE(box->font().bold());
    EXPECT_EQ(box->accessibleName(), "Zustimmung");
}

TEST_F(Auswahl, OptionsfelderWechselnMitPfeiltasten) {
    LektionBauen(R"("Objekte.tab": [
        {"nr": 1, "fields": {"1200": "31", "1212": "1", "1221": "Ja", "1224": "1"}},
        {"nr": 2, "fields": {"1200": "31", "1206": "30", "1221": "Nein", "1224": "1"}}])");
    auto* ja = Objekt<THRadioButton>(1, 31);
    auto* nein = Objekt<THRadioButton>(2, 31);
    EXPECT_EQ(nein->text(), "Nein");
    EXPECT_EQ(nein->accessibleName(), "Nein");
    Aktivieren();
    ja->setFocus();
    const int vorher = Dienste.Systemanzeigen;
    QTest::keyClick(ja, Qt::Key_Down);
    EXPECT_TRUE(nein->isChecked());
    EXPECT_FALSE(ja->isChecked());
    EXPECT_GT(Dienste.Systemanzeigen, vorher);
}

// --- picture check boxes and tick-off marks --------------------------------------------

struct Stueckfall {
    bool Markiert;
    bool Aktiv;
    int Grau; // of the piece shown
};

class Bildkaestchen : public Auswahl, public ::testing::WithParamInterface<Stueckfall> {};

TEST_P(Bildkaestchen, ZeigtDasStueckZuAktivUndMarkiert) {
    const Stueckfall fall = GetParam();
    StreifenSchreiben(Verzeichnis / "kaestchen.png", 4);
    LektionBauen(std::string(R"("Objekte.tab": [{"nr": 1, "fields": {"1200": "63",
        "1210": "kaestchen.png", "1291": "20", "1212": ")") +
                 (fall.Markiert ? "1" : "0") + R"(", "1224": ")" + (fall.Aktiv ? "1" : "0") +
                 R"("}}])");
    auto* box = Objekt<THBmpCheckBox>(1, 63);
    EXPECT_EQ(box->size(), QSize(20, 20));
    EXPECT_EQ(Grau(box->grab().toImage()), fall.Grau);
}

INSTANTIATE_TEST_SUITE_P(Auswahl, Bildkaestchen,
                         ::testing::Values(Stueckfall{true, true, 40}, Stueckfall{false, true, 80},
                                           Stueckfall{true, false, 120},
                                           Stueckfall{false, false, 160}));

TEST_F(Auswahl, BildkaestchenKlickUndGruppe) {
    StreifenSchreiben(Verzeichnis / "kaestchen.png", 4);
    LektionBauen(R"("Objekte.tab": [
        {"nr": 1, "fields": {"1210": "kaestchen.png", "1291": "20", "1224": "1", "1249": "2"}},
        {"nr": 2, "fields": {"1210": "kaestchen.png", "1291": "20", "1224": "1", "1249": "2",
                             "1212": "1", "1205": "30"}},
        {"nr": 3, "fields": {"1210": "kaestchen.png", "1291": "20", "1249": "2", "1212": "1",
                             "1205": "60"}}])");
    auto* a = Objekt<THBmpCheckBox>(1, 63);
    auto* b = Objekt<THBmpCheckBox>(2, 63);
    auto* inaktiv = Objekt<THBmpCheckBox>(3, 63);
    QLineEdit fokus(&Fenster);
    fokus.show();
    Dienste.Fokus = &fokus;
    Aktivieren();

    QTest::mouseClick(a, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_TRUE(a->Checked());
    EXPECT_FALSE(b->Checked());
    EXPECT_FALSE(inaktiv->Checked());
    EXPECT_TRUE(fokus.hasFocus());
    // Down and up go on to the window, moves do not.
    QTest::mouseMove(a, QPoint(6, 6));
    ASSERT_EQ(Fenster.Maus.size(), 2u);

    // An inactive box does not toggle, but its group still follows the click.
    inaktiv->CheckedSetzen(true);
    QTest::mouseClick(inaktiv, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_TRUE(inaktiv->Checked());
    EXPECT_FALSE(a->Checked());
    EXPECT_EQ(Grau(inaktiv->grab().toImage()), 120);
}

TEST_F(Auswahl, BildkaestchenMitTastaturUndFokusrahmen) {
    StreifenSchreiben(Verzeichnis / "kaestchen.png", 4);
    LektionBauen(R"("Objekte.tab": [
        {"nr": 1, "fields": {"1201": "Bild A", "1210": "kaestchen.png", "1291": "20", "1224": "1"}},
        {"nr": 2, "fields": {"1210": "kaestchen.png", "1291": "20", "1224": "1", "1205": "30"}}])");
    auto* a = Objekt<THBmpCheckBox>(1, 63);
    auto* b = Objekt<THBmpCheckBox>(2, 63);
    EXPECT_EQ(a->accessibleName(), "Bild A");
    Aktivieren();
    a->setFocus();
    QTest::keyClick(a, Qt::Key_Space);
    EXPECT_TRUE(a->Checked());
    EXPECT_TRUE(a->hasFocus());
    // The focus frame lies on the picture's edge, not in its middle.
    const QImage bild = a->grab().toImage();
    EXPECT_NE(bild.pixel(0, 0), bild.pixel(10, 10));
    EXPECT_EQ(Grau(bild), 40);
    QTest::keyClick(a, Qt::Key_Right);
    EXPECT_TRUE(b->hasFocus());
    EXPECT_EQ(Grau(b->grab().toImage()), 80);
}

TEST_F(Auswahl, BildkaestchenOhneDateiZeigtDenPlatzhalter) {
    LektionBauen(R"("Objekte.tab": [{"nr": 1, "fields": {"1210": "fehlt.png", "1291": "20",
        "1212": "1"}}])");
    auto* box = Objekt<THBmpCheckBox>(1, 63);
    EXPECT_TRUE(box->OhneZustandsbilder());
    EXPECT_FALSE(box->Bild().isNull());
}

struct Menuefall {
    int32_t Status;
    int Grau;
};

class Abhakmarke : public Auswahl, public ::testing::WithParamInterface<Menuefall> {};

TEST_P(Abhakmarke, ZeigtDasStueckZumMenuestatus) {
    const Menuefall fall = GetParam();
    StreifenSchreiben(Verzeichnis / "haken.png", 3);
    LektionBauen(R"("Objekte.tab": [{"nr": 1, "fields": {"1210": "haken.png", "1291": "20",
        "1218": "12", "1207": "99", "1208": "99"}}])");
    auto* marke = Objekt<THAbhaken>(1, 65);
    Dienste.Status = fall.Status;
    // The page build refreshes the marks once the page's objects stand.
    TAbhakteilnehmer teilnehmer;
    teilnehmer.ObjekteAufgebaut(Fenster);
    EXPECT_EQ(marke->size(), QSize(20, 20));
    EXPECT_EQ(Grau(marke->grab().toImage()), fall.Grau);
}

INSTANTIATE_TEST_SUITE_P(Auswahl, Abhakmarke,
                         ::testing::Values(Menuefall{0, 40}, Menuefall{50, 80}, Menuefall{100, 120},
                                           Menuefall{75, 40}, Menuefall{-50, 40}));

// --- list boxes and the in-page glossary ------------------------------------------------

const char* const Glossar = R"(
    "Begriffe.tab": [
        {"nr": 1, "fields": {"1100": "Router", "1101": "Leitet weiter."}},
        {"nr": 2, "fields": {"1100": "Modem", "1101":
            "Ein Modem verbindet: Netz, Router. Das Netz (und der Router) mit dem modem."}},
        {"nr": 3, "fields": {"1100": "Netz", "1101": "Viele Rechner."}},
        {"nr": 4, "fields": {"1100": "Bus", "1101": ""}}],)";

class Glossarliste : public Auswahl {
protected:
    void Aufbauen(bool MitMemo) {
        LektionBauen(std::string(Glossar) + R"("Objekte.tab": [
            {"nr": 1, "fields": {"1200": "49", "1231": "1", "1264": "wird ersetzt", )" +
                     Bereit + R"(}},
            {"nr": 2, "fields": {"1200": "49", "1231": "2", "1205": "110", "1264": "alt", )" +
                     Bereit + R"(}},
            {"nr": 3, "fields": {"1200": "49", "1231": "1", "1205": "240", )" +
                     Bereit + R"(}}])");
        index = Objekt<THListBox>(1, 49);
        verweise = Objekt<THListBox>(2, 49);
        andere = Objekt<THListBox>(3, 49);
        if (MitMemo) {
            memo = new QPlainTextEdit(&Fenster);
            Fenster.Eintragen(memo, 4, 47);
        }
        andere->setCurrentRow(2);
    }
    void Waehlen(const QString& Begriff) {
        QListWidgetItem* eintrag = index->findItems(Begriff, Qt::MatchExactly).value(0);
        ASSERT_TRUE(eintrag);
        QTest::mouseClick(index->viewport(), Qt::LeftButton, {},
                          index->visualItemRect(eintrag).center());
        QCoreApplication::processEvents();
    }
    static QStringList Eintraege(const THListBox& Liste) {
        QStringList e;
        for (int i = 0; i < Liste.count(); ++i)
            e << Liste.item(i)->text();
        return e;
    }

    THListBox* index = nullptr;
    THListBox* verweise = nullptr;
    THListBox* andere = nullptr;
    QPlainTextEdit* memo = nullptr;
};

TEST_F(Glossarliste, IndexZeigtErklaerungUndQuerverweiseJeEinmalSortiert) {
    Aufbauen(true);
    EXPECT_EQ(Eintraege(*index), (QStringList{"Bus", "Modem", "Netz", "Router"}));
    EXPECT_EQ(index->GeladeneListe, Eintraege(*index));
    EXPECT_EQ(Eintraege(*verweise), QStringList{"alt"});

    Waehlen("Modem");
    EXPECT_TRUE(memo->toPlainText().startsWith("Ein Modem verbindet"));
    EXPECT_TRUE(memo->isReadOnly());
    EXPECT_EQ(memo->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    EXPECT_EQ(Eintraege(*verweise), (QStringList{"Netz", "Router"}));
    EXPECT_EQ(andere->currentRow(), -1);
    EXPECT_TRUE(andere->selectedItems().isEmpty());
    EXPECT_EQ(index->currentItem()->text(), "Modem");
    EXPECT_EQ(Fenster.Ereignisse, (std::vector<std::pair<int32_t, int>>{{0, 203}}));
    // The click went on to the learner window, in window coordinates.
    ASSERT_GE(Fenster.Maus.size(), 2u);
    EXPECT_EQ(Fenster.Maus.front().Art, 'd');

    // A choice with the keys works the same way.
    index->setFocus();
    QTest::keyClick(index, Qt::Key_Down);
    EXPECT_EQ(index->currentItem()->text(), "Netz");
    EXPECT_EQ(memo->toPlainText(), "Viele Rechner.");
    EXPECT_TRUE(Eintraege(*verweise).isEmpty());
    EXPECT_EQ(Fenster.Ereignisse.size(), 2u);
}

TEST_F(Glossarliste, OhneMemoGeschiehtNichts) {
    Aufbauen(false);
    Waehlen("Modem");
    EXPECT_EQ(Eintraege(*verweise), QStringList{"alt"});
    EXPECT_EQ(andere->currentRow(), 2);
    EXPECT_TRUE(Fenster.Ereignisse.empty());
}

TEST_F(Auswahl, ListeSortiertMehrfachAusDemDatensatz) {
    LektionBauen(R"("Daten.tab": [{"nr": 5, "fields": {"301": "b\r\nC\r\na"}}],
        "Objekte.tab": [
        {"nr": 1, "fields": {"1200": "49", "1264": "z\r\ny\r\nx", "1269": "1", "1271": "1"}},
        {"nr": 2, "fields": {"1200": "49", "1264": "z\r\ny", "1268": "5"}},
        {"nr": 3, "fields": {"1200": "49", "1264": "z\r\ny", "1268": "6"}}])");
    auto* sortiert = Objekt<THListBox>(1, 49);
    auto* daten = Objekt<THListBox>(2, 49);
    auto* ohne = Objekt<THListBox>(3, 49);
    EXPECT_EQ(sortiert->item(0)->text(), "x");
    EXPECT_EQ(sortiert->selectionMode(), QAbstractItemView::ExtendedSelection);
    EXPECT_EQ(sortiert->GeladeneListe, (QStringList{"z", "y", "x"}));
    EXPECT_EQ(daten->item(2)->text(), "a");
    EXPECT_EQ(daten->Datensatznummer, 5);
    EXPECT_EQ(ohne->count(), 2);
    EXPECT_EQ(ohne->Datensatznummer, 6);
    EXPECT_EQ(ohne->selectionMode(), QAbstractItemView::SingleSelection);
}

// --- combo boxes ------------------------------------------------------------------------

struct Textfall {
    const char* Text;
    const char* Gezeigt; // by a box that takes typing
    int Index;           // of a box that takes typing
    int IndexNurListe;   // of a box with a drop-down list only
};

void PrintTo(const Textfall& f, std::ostream* aus) {
    *aus << f.Text;
}

class Kombifeld : public Auswahl, public ::testing::WithParamInterface<Textfall> {};

TEST_P(Kombifeld, TextanforderungWaehltOderZeigt) {
    const Textfall fall = GetParam();
    const std::string felder = std::string(R"("1200": "27", "1221": ")") + fall.Text +
                               R"(", "1264": "Eins\r\nZwei\r\nDrei", )" + Bereit;
    LektionBauen(R"("Objekte.tab": [{"nr": 1, "fields": {)" + felder +
                 R"(}}, {"nr": 2, "fields": {"1243": "1", )" + felder + "}}]");
    auto* eingabe = Objekt<THSAPComboBox>(1, 27);
    auto* nurListe = Objekt<THSAPComboBox>(2, 27);
    EXPECT_EQ(eingabe->currentText(), QString::fromUtf8(fall.Gezeigt));
    EXPECT_EQ(eingabe->currentIndex(), fall.Index);
    EXPECT_EQ(nurListe->currentIndex(), fall.IndexNurListe);
}

INSTANTIATE_TEST_SUITE_P(Auswahl, Kombifeld,
                         ::testing::Values(Textfall{"#2", "Zwei", 1, 1}, Textfall{"#9", "", -1, -1},
                                           Textfall{"#x", "#x", -1, -1},
                                           Textfall{"#0", "#0", -1, -1}, Textfall{"#", "#", -1, -1},
                                           Textfall{"#3  ", "Drei", 2, 2},
                                           Textfall{"Drei", "Drei", -1, 2}));

TEST_F(Auswahl, KombifeldZeigtSystemwerteInEintraegen) {
    LektionBauen(R"("Objekte.tab": [{"nr": 1, "fields": {"1200": "27", "1221": "#1",
        "1264": "{12}  \r\nx{12}\r\n{0}"}}])");
    auto* feld = Objekt<THSAPComboBox>(1, 27);
    EXPECT_EQ(feld->itemText(0), "Wert 12");
    EXPECT_EQ(feld->itemText(1), "x{12}");
    EXPECT_EQ(feld->itemText(2), "Wert 0");
    EXPECT_EQ(feld->currentText(), "Wert 12");
    EXPECT_EQ(feld->GeladeneListe.value(0), "{12}  ");
}

TEST_F(Auswahl, KombifeldMeldetAufklappenVorAenderung) {
    LektionBauen(R"("Objekte.tab": [{"nr": 7, "fields": {"1200": "27", "1243": "1",
        "1264": "Eins\r\nZwei\r\nDrei", "1221": "#1", )" +
                 Bereit + "}}]");
    auto* feld = Objekt<THSAPComboBox>(7, 27);
    Aktivieren();
    feld->setFocus();
    QTest::keyClick(feld, Qt::Key_F4);
    feld->hidePopup();
    QTest::keyClick(feld, Qt::Key_Down);
    EXPECT_EQ(feld->currentIndex(), 1);
    EXPECT_EQ(Fenster.Ereignisse, (std::vector<std::pair<int32_t, int>>{{7, 228}, {7, 227}}));
}

TEST_F(Auswahl, KombifeldMeldetGetippteAenderung) {
    LektionBauen(R"("Objekte.tab": [{"nr": 7, "fields": {"1200": "27", "1264": "Eins", )" + Bereit +
                 "}}]");
    auto* feld = Objekt<THSAPComboBox>(7, 27);
    QTest::keyClicks(feld->lineEdit(), "ab");
    EXPECT_EQ(feld->currentText(), "ab");
    EXPECT_EQ(Fenster.Ereignisse, (std::vector<std::pair<int32_t, int>>{{7, 227}, {7, 227}}));
}

TEST_F(Auswahl, KombifeldLayouts) {
    LektionBauen(R"("Objekte.tab": [
        {"nr": 1, "fields": {"1200": "27", "1243": "1", "1287": "1", "1264": "a", )" +
                 Bereit + R"(}},
        {"nr": 2, "fields": {"1200": "27", "1287": "2", "1209": "255", "1207": "145", "1208": "21",
                             "1264": "HTTP Seite\r\nFTP Datei\r\nSonst", "1221": "#1"}}])");
    auto* anwendung = Objekt<THSAPComboBox>(1, 27);
    auto* eigen = Objekt<THSAPComboBox>(2, 27);
    EXPECT_TRUE(anwendung->isEditable());
    EXPECT_EQ(anwendung->palette().color(QPalette::Base), QColor(0xF8, 0xF8, 0xE8));
    EXPECT_FALSE(eigen->isEditable());
    EXPECT_EQ(eigen->currentText(), "HTTP Seite");
    // The entry is drawn on the box's colour, with the web icon before its text.
    const QImage bild = eigen->grab().toImage();
    EXPECT_EQ(bild.pixelColor(eigen->width() - 40, eigen->height() / 2), QColor(Qt::red));
}

// --- what the actions read --------------------------------------------------------------

TEST_F(Auswahl, AntwortenUndDatensaetzeLesenDieAuswahl) {
    LektionBauen(R"("Daten.tab": [{"nr": 3, "fields": {"301": "Rot\r\nBlau"}}],
        "Objekte.tab": [
        {"nr": 1, "fields": {"1200": "30", "1201": "Haken", "1212": "1"}},
        {"nr": 2, "fields": {"1200": "31", "1201": "Knopf"}},
        {"nr": 3, "fields": {"1200": "49", "1201": "Liste", "1264": "a\r\nb\r\nc", "1269": "1"}},
        {"nr": 4, "fields": {"1200": "27", "1201": "Feld", "1264": "x\r\ny", "1221": "#2"}}])");
    Objekt<THCheckBox>(1, 30);
    Objekt<THRadioButton>(2, 31);
    auto* liste = Objekt<THListBox>(3, 49);
    auto* feld = Objekt<THSAPComboBox>(4, 27);
    for (TObjektliste* e = Fenster.Objektliste(); e; e = e->Naechster)
        e->Beschreibung = QStringNachAnsi(TSeitenobjekt::Von(e->Objekt)->BeschreibungText());
    liste->item(0)->setSelected(true);
    liste->item(2)->setSelected(true);
    EXPECT_EQ(AntwortenSammeln(Fenster.Objektliste()).Zeilen,
              (std::vector<std::string>{"||Feedback||", "Haken : X", "Knopf : ", "Liste : a, c, ",
                                        "Feld : y"}));

    DatensatzInObjekt(4, 3);
    EXPECT_EQ(feld->count(), 2);
    EXPECT_EQ(feld->itemText(1), "Blau");
    DatensatzInListe(3, 3);
    EXPECT_EQ(liste->count(), 5);
}

} // namespace
