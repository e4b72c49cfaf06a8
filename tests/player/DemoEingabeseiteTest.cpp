// The demo lesson's quiz page: its input objects are built, checked and reachable by Tab in
// page order, and F4 on the material field reaches the page's event object.

#include "DemoSeitenumgebung.h"

#include "objects/eingabe/THEditfeld.h"
#include "objects/eingabe/THMaskEdit.h"
#include "objects/eingabe/THMemo.h"
#include "objects/eingabe/THSB_Editfeld.h"

#include <QTest>
#include <QToolButton>

#include <vector>

namespace {

class DemoEingabeseite : public DemoSeitentest {
protected:
    int32_t Seitennummer() const override { return 40; }
};

TEST_F(DemoEingabeseite, FelderPruefenUndTabFolgtDerSeite) {
    auto* plz = Objekt<THEditfeld>(473);
    auto* hauptstadt = Objekt<THEditfeld>(475);
    auto* datum = Objekt<THMaskEdit>(477);
    auto* name = Objekt<THMemo>(479);
    auto* material = Objekt<THEditfeld>(481);
    auto* anlegen = Objekt<THSB_Editfeld>(483);
    auto* aendern = Objekt<THSB_Editfeld>(484);
    auto* notiz = Objekt<THMemo>(486);
    ASSERT_TRUE(plz && hauptstadt && datum && name && material && anlegen && aendern && notiz);
    EXPECT_TRUE(plz->MussFeld());
    EXPECT_TRUE(hauptstadt->UeberschreibModus());
    EXPECT_TRUE(anlegen->Markiert());
    EXPECT_EQ(datum->text(), "..");

    // Tab goes from the window's focus control through the page's controls in page order.
    const std::vector<QWidget*> folge{
        plz, hauptstadt, datum, name, material, anlegen->Knopf(), aendern->Knopf(), notiz};
    std::vector<QWidget*> kette;
    for (QWidget* w = Fenster->Fokushalter()->nextInFocusChain();
         w != Fenster->Fokushalter() && kette.size() < folge.size(); w = w->nextInFocusChain())
        if (w->focusPolicy() & Qt::TabFocus) kette.push_back(w);
    EXPECT_EQ(kette, folge);

    QTest::keyClicks(plz, "12a34");
    EXPECT_EQ(plz->text(), "1234");
    hauptstadt->setCursorPosition(0);
    QTest::keyClicks(hauptstadt, "Paris");
    EXPECT_EQ(hauptstadt->text(), "Parisn");
    hauptstadt->setText("paris");
    EXPECT_EQ(hauptstadt->AntwortPruefen(), "richtig");
}

TEST_F(DemoEingabeseite, F4ImMaterialfeldZeigtDieWerthilfe) {
    auto* material = Objekt<THEditfeld>(481);
    ASSERT_NE(material, nullptr);
    EXPECT_EQ(material->Layout, 1);
    QTest::keyClick(material, Qt::Key_F4);
    ASSERT_EQ(Dialoge.Nachrichten.size(), 1u);
    EXPECT_EQ(Dialoge.Nachrichten[0].Text.rfind("F4-Werthilfe", 0), 0u);
}

} // namespace
