// The demo lesson's page of choice objects: every kind is built from its record, the
// picture strips are found and cut, and the group and the selection requests hold.

#include "DemoSeitentest.h"
#include "objects/auswahl/THAbhaken.h"
#include "objects/auswahl/THBmpCheckBox.h"
#include "objects/auswahl/THCheckBox.h"
#include "objects/auswahl/THListBox.h"
#include "objects/auswahl/THRadioButton.h"
#include "objects/auswahl/THSAPComboBox.h"

#include <QTest>

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

} // namespace
