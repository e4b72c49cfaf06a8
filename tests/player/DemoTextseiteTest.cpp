// The demo lesson's page of texts and labels builds with its markup, placeholders, shadows
// and glossary words.

#include "DemoSeitenumgebung.h"
#include "objects/ObjektTesthilfe.h"
#include "objects/texte/THLabel.h"
#include "objects/texte/THSchatten.h"
#include "objects/texte/THText.h"
#include "player/THauptfenster.h"
#include "store/Lektion.h"
#include "support/QtAnwendung.h"

namespace {

auto* const qt = ::testing::AddGlobalTestEnvironment(new QtAnwendung);

class DemoTextseite : public DemoSeitentest {
protected:
    int32_t Seitennummer() const override { return 5; }
    static std::vector<std::string> Woerter(const THText& Text) {
        std::vector<std::string> w;
        for (const TToken& t : Text.Tokens())
            if (t.Art == TTokenart::Wort) w.push_back(t.Text);
        return w;
    }
};

TEST_F(DemoTextseite, PlatzhalterZeigenDatensaetzeUndDieBeschriftung) {
    auto* text = Objekt<THText>(39);
    ASSERT_NE(text, nullptr);
    const auto woerter = Woerter(*text);
    for (const char* w : {"7", "10", "Beschriftung.", "@9@"})
        EXPECT_NE(std::find(woerter.begin(), woerter.end(), w), woerter.end()) << w;
    // The wired system value 5 (today's date) stands before the closing bracket, which no
    // longer stands alone.
    EXPECT_NE(std::find(woerter.begin(), woerter.end(), "("), woerter.end());
    EXPECT_EQ(std::find(woerter.begin(), woerter.end(), ")"), woerter.end());
    auto* punkte = Objekt<THLabel>(41);
    ASSERT_NE(punkte, nullptr);
    EXPECT_EQ(punkte->text(), "7");
    EXPECT_FALSE(punkte->isHidden());
}

TEST_F(DemoTextseite, SchattenUndBegriffe) {
    auto* schatten = Objekt<THText>(49);
    ASSERT_NE(schatten, nullptr);
    EXPECT_FALSE(schatten->RechterSchatten()->isHidden());
    EXPECT_FALSE(schatten->UntererSchatten()->isHidden());
    EXPECT_EQ(schatten->RechterSchatten()->geometry(),
              Schattenlage(schatten->geometry(), 8, false).Rechts);
    auto* eigener = Objekt<THSchatten>(46);
    ASSERT_NE(eigener, nullptr);
    EXPECT_EQ(eigener->Typ, 1);
    EXPECT_EQ(eigener->Grauwert(), 150);

    auto* begriffe = Objekt<THText>(52);
    ASSERT_NE(begriffe, nullptr);
    std::vector<QString> markiert;
    for (const auto& l : begriffe->Anordnung())
        if (l.Markiert) markiert.push_back(l.Text);
    EXPECT_EQ(markiert, (std::vector<QString>{"Modem", "Netz,", "Router"}));
}

TEST_F(DemoTextseite, BeschriftungenFuehrenZuSeiten) {
    auto* zurueck = Objekt<THLabel>(42);
    ASSERT_NE(zurueck, nullptr);
    EXPECT_EQ(zurueck->Ziel, 1);
    EXPECT_TRUE(zurueck->font().underline());
    auto* verschiebbar = Objekt<THLabel>(44);
    ASSERT_NE(verschiebbar, nullptr);
    EXPECT_TRUE(verschiebbar->IstVerschiebbar());
}

} // namespace
