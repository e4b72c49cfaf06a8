// The demo lesson's page of the learning progress: its gauges of every kind and its system
// label show the share of progress pages seen, and its page chooser is set up for group 1.

#include "DemoSeitenumgebung.h"
#include "objects/fortschritt/THDialog.h"
#include "objects/fortschritt/THLernfortschritt.h"
#include "objects/rollen/TLernerdatendienst.h"
#include "objects/texte/THSystemLabel.h"
#include "player/Navigation.h"
#include "store/Lektion.h"
#include "store/TAnwendungskontext.h"

#include <QCoreApplication>

namespace {

class DemoFortschritt : public DemoSeitentest {
protected:
    int32_t Seitennummer() const override { return 43; }
    // The whole page build, of which the progress is a part.
    void SetUp() override {
        DemoSeitentest::SetUp();
        Fenster->SeiteAufbauen(Navigation::SeiteMitNummer(43));
    }
};

TEST_F(DemoFortschritt, AnzeigenZeigenDenAnteilDerGesehenenSeiten) {
    // Page 43 is one of the twenty progress pages of the demo, and the first one seen.
    const std::pair<int32_t, THLernfortschritt::Art> anzeigen[] = {
        {4302, THLernfortschritt::Art::Waagerecht},
        {4303, THLernfortschritt::Art::Senkrecht},
        {4304, THLernfortschritt::Art::Torte},
        {4305, THLernfortschritt::Art::Nadel},
        {4306, THLernfortschritt::Art::NurText}};
    for (const auto& [nr, art] : anzeigen) {
        auto* anzeige = Objekt<THLernfortschritt>(nr);
        ASSERT_NE(anzeige, nullptr) << nr;
        EXPECT_EQ(anzeige->Darstellung, art) << nr;
        EXPECT_EQ(anzeige->ProzentLesen(), 5) << nr;
    }
    EXPECT_FALSE(Objekt<THLernfortschritt>(4304)->Rahmen);
    EXPECT_EQ(Objekt<THSystemLabel>(4310)->text(), "4") << "pages 30-33 are open";
    EXPECT_NE(Tabelle(ArtLerner)->Datensatz(43), nullptr);
}

TEST_F(DemoFortschritt, SeitenwahlDerGruppeEins) {
    auto* wahl = Objekt<THDialog>(4312);
    ASSERT_NE(wahl, nullptr);
    EXPECT_EQ(wahl->GroupIndex, 1);
    EXPECT_EQ(wahl->Typ, THDialog::Zufall);
    EXPECT_FALSE(wahl->isVisible());
    ASSERT_TRUE(wahl->Waehlen());
    QCoreApplication::processEvents();
    EXPECT_GE(Fenster->Seitennummer(), 30);
    EXPECT_LE(Fenster->Seitennummer(), 33);
}

} // namespace
