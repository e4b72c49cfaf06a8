// The demo lesson's page of choice objects: every kind is built from its record, the
// picture strips are found and cut, the group and the selection requests hold, Tab reaches
// every choice object, and the page build shows the tick-off mark's state.

#include "DemoSeitenumgebung.h"
#include "objects/auswahl/THAbhaken.h"
#include "objects/auswahl/THBmpCheckBox.h"
#include "objects/auswahl/THCheckBox.h"
#include "objects/auswahl/THListBox.h"
#include "objects/auswahl/THRadioButton.h"
#include "objects/auswahl/THSAPComboBox.h"
#include "objects/rollen/TLernerdatendienst.h"
#include "player/Navigation.h"

#include <QApplication>
#include <QTest>

#include <algorithm>
#include <vector>

namespace {

class DemoAuswahl : public DemoSeitentest {
protected:
    int32_t Seitennummer() const override { return 41; }
};

TEST_F(DemoAuswahl, JedeArtVonAuswahlobjektIstDa) {
    for (int32_t nr : {4103, 4104, 4105}) {
        auto* box = Objekt<THCheckBox>(nr);
        ASSERT_NE(box, nullptr) << nr;
        EXPECT_EQ(box->GroupIndex, 1);
        EXPECT_FALSE(box->isHidden());
    }
    EXPECT_TRUE(Objekt<THCheckBox>(4103)->isChecked());
    QTest::keyClick(Objekt<THCheckBox>(4105), Qt::Key_Space);
    EXPECT_TRUE(Objekt<THCheckBox>(4105)->isChecked());
    EXPECT_FALSE(Objekt<THCheckBox>(4103)->isChecked());

    EXPECT_EQ(Objekt<THRadioButton>(4111)->text(), "Einmal in der Woche");
    for (int32_t nr : {4114, 4115, 4116}) {
        auto* box = Objekt<THBmpCheckBox>(nr);
        ASSERT_NE(box, nullptr) << nr;
        EXPECT_EQ(box->Stueckzahl(), 4) << nr;
        EXPECT_EQ(box->size(), QSize(20, 20)) << nr;
    }
    EXPECT_EQ(Objekt<THBmpCheckBox>(4116)->GezeigtesStueck(), THBmpCheckBox::MarkiertInaktiv);
    auto* marke = Objekt<THAbhaken>(4117);
    ASSERT_NE(marke, nullptr);
    EXPECT_EQ(marke->Stueckzahl(), 3);

    auto* liste = Objekt<THListBox>(4119);
    ASSERT_NE(liste, nullptr);
    EXPECT_EQ(liste->item(0)->text(), "Bildschirm");
    auto* index = Objekt<THListBox>(4121);
    ASSERT_NE(index, nullptr);
    EXPECT_EQ(index->count(), 3);
    EXPECT_NE(Objekt<THListBox>(4122), nullptr);

    EXPECT_EQ(Objekt<THSAPComboBox>(4126)->currentText(), "Grün");
    EXPECT_EQ(Objekt<THSAPComboBox>(4127)->Layout, THSAPComboBox::Anwendung);
    EXPECT_EQ(Objekt<THSAPComboBox>(4128)->currentText(), "HTTP www.velmora.invalid");
}

TEST_F(DemoAuswahl, TabErreichtJedesAuswahlobjektInSeitenfolge) {
    // Shown, the window starts at the lesson's first page; the page is built anew.
    Fenster->show();
    Fenster->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(Fenster));
    Navigation::GeheZuSeite(*Fenster, 41);
    QCoreApplication::processEvents();
    ASSERT_NE(Objekt<THCheckBox>(4103), nullptr);
    Objekt<THCheckBox>(4103)->setFocus();
    std::vector<QWidget*> erreicht;
    for (QWidget* w = QApplication::focusWidget(); w && erreicht.size() < 40;
         w = QApplication::focusWidget()) {
        erreicht.push_back(w);
        QTest::keyClick(w, Qt::Key_Tab);
    }
    ASSERT_FALSE(erreicht.empty());
    // Each choice object comes, in the order of the page; a group of radio buttons is one
    // stop, as on the platform, and the arrow keys move inside it.
    const std::vector<int32_t> folge{4103, 4104, 4105, 4110, 4114, 4115, 4116,
                                     4119, 4121, 4122, 4126, 4127, 4128};
    auto ort = erreicht.begin();
    for (int32_t nr : folge) {
        TObjektliste* e = ObjektAufSeite(Fenster->Objektliste(), nr);
        ASSERT_NE(e, nullptr) << nr;
        ort = std::find_if(ort, erreicht.end(), [&](QWidget* w) {
            return w == e->Objekt || (w && e->Objekt && e->Objekt->isAncestorOf(w));
        });
        ASSERT_NE(ort, erreicht.end())
            << "Tab does not reach object " << nr << " after " << erreicht.size() << " stops";
    }
}

// Answers a menu status for the demo page and nothing else.
class TFesterMenuestatus : public TLernerdatendienst {
public:
    int32_t Menuestatus(int32_t Seite) override { return Seite == 41 ? 100 : 0; }

private:
    TRollenersatz<TLernerdatendienst> Ersatz{*this};
};

TEST_F(DemoAuswahl, SeitenaufbauZeigtDenStandDerAbhakmarke) {
    EXPECT_EQ(Objekt<THAbhaken>(4117)->GezeigtesStueck(), 0);
    TFesterMenuestatus status;
    Navigation::GeheZuSeite(*Fenster, 41);
    QCoreApplication::processEvents();
    auto* marke = Objekt<THAbhaken>(4117);
    ASSERT_NE(marke, nullptr);
    EXPECT_EQ(marke->GezeigtesStueck(), 2);
}

// The lesson's own actions move the marks: page 41 counts as half done once it has been
// built (its event object), the quiz page 50 as done once its feedback page 52 was reached;
// the marks show it at the next page build.
TEST_F(DemoAuswahl, AbhakmarkenFolgenDemLernstand) {
    Navigation::GeheZuSeite(*Fenster, 41);
    QCoreApplication::processEvents();
    EXPECT_EQ(Objekt<THAbhaken>(4117)->GezeigtesStueck(), 0) << "first visit";
    Navigation::GeheZuSeite(*Fenster, 41);
    QCoreApplication::processEvents();
    ASSERT_NE(Objekt<THAbhaken>(4117), nullptr);
    EXPECT_EQ(Objekt<THAbhaken>(4117)->GezeigtesStueck(), 1) << "visited before";

    Navigation::GeheZuSeite(*Fenster, 81);
    QCoreApplication::processEvents();
    ASSERT_NE(Objekt<THAbhaken>(811), nullptr);
    EXPECT_EQ(Objekt<THAbhaken>(811)->GezeigtesStueck(), 0) << "quiz not passed yet";
    Navigation::GeheZuSeite(*Fenster, 50);
    Navigation::GeheZuSeite(*Fenster, 52);
    Navigation::GeheZuSeite(*Fenster, 81);
    QCoreApplication::processEvents();
    EXPECT_EQ(Objekt<THAbhaken>(811)->GezeigtesStueck(), 2) << "quiz passed";
}

} // namespace
