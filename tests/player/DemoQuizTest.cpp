// The demo lesson's quiz (page 50) gives feedback in the feedback window, counts attempts
// and branches to its feedback page on the right answers; its drag-and-drop exercise
// (page 51) has empty drop targets that the count of empty targets shows.

#include "DemoSeitenumgebung.h"

#include "objects/auswahl/THCheckBox.h"
#include "objects/auswahl/THRadioButton.h"
#include "objects/auswertung/THZielBereich.h"
#include "objects/eingabe/THEditfeld.h"
#include "objects/rollen/Aktionsanforderung.h"
#include "objects/rollen/TAuswertungsdienst.h"
#include "objects/texte/THLabel.h"
#include "objects/texte/THSystemLabel.h"

#include <QTest>

namespace {

class DemoQuiz : public DemoSeitentest {
protected:
    int32_t Seitennummer() const override { return 50; }

    bool Auswerten() { return Rolle<TAuswertungsdienst>().SeiteAuswerten(*Fenster); }
    // The text the feedback window showed last, empty when it showed none.
    std::string Zuletzt() const {
        return Dialoge.Nachrichten.empty() ? std::string() : Dialoge.Nachrichten.back().Text;
    }
    // The branches the evaluation asked for.
    std::vector<int32_t> Verzweigungen() const {
        std::vector<int32_t> ziele;
        for (const TAktionsaufruf& a : Mitschrift.Aufrufe)
            if (a.Aktion == Aktionscode(3)) ziele.push_back(a.Ziel);
        return ziele;
    }

    TAktionsmitschrift Mitschrift;
};

TEST_F(DemoQuiz, RueckmeldungVersucheUndVerzweigung) {
    auto* stadt = Objekt<THEditfeld>(5003);
    auto* rot = Objekt<THCheckBox>(5005);
    auto* blau = Objekt<THCheckBox>(5006);
    auto* ja = Objekt<THRadioButton>(5008);
    ASSERT_TRUE(stadt && rot && blau && ja);

    EXPECT_FALSE(Auswerten());
    EXPECT_EQ(Zuletzt(), "Bitte tragen Sie die Hauptstadt Frankreichs ein.");
    stadt->setText("lyon");
    EXPECT_FALSE(Auswerten());
    EXPECT_EQ(Zuletzt(), "Das ist eine Stadt in Frankreich, aber nicht die Hauptstadt.");

    // The field is right (any case); red is missing in two attempts with two feedbacks.
    stadt->setText("PARIS");
    blau->setChecked(true);
    ja->setChecked(true);
    EXPECT_FALSE(Auswerten());
    EXPECT_EQ(Zuletzt(), "Erster Versuch: Es fehlt noch eine Farbe.");
    EXPECT_FALSE(Auswerten());
    EXPECT_EQ(Zuletzt(), "Zweiter Versuch: Auch Rot ist eine Farbe – kreuzen Sie es an.");
    EXPECT_TRUE(Verzweigungen().empty());

    const size_t meldungen = Dialoge.Nachrichten.size();
    rot->setChecked(true);
    EXPECT_FALSE(Auswerten());
    EXPECT_EQ(Verzweigungen(), std::vector<int32_t>{52});
    EXPECT_EQ(Dialoge.Nachrichten.size(), meldungen);
}

class DemoZiehen : public DemoSeitentest {
protected:
    int32_t Seitennummer() const override { return 51; }
};

TEST_F(DemoZiehen, WoerterSindVerschiebbarUndZielbereicheLeer) {
    auto* obst = Objekt<THZielBereich>(5104);
    auto* gemuese = Objekt<THZielBereich>(5105);
    auto* apfel = Objekt<THLabel>(5106);
    auto* zaehler = Objekt<THSystemLabel>(5111);
    ASSERT_TRUE(obst && gemuese && apfel && zaehler);
    EXPECT_EQ(obst->Ausrichtung, 1);
    EXPECT_FALSE(obst->Transparent);
    EXPECT_TRUE(apfel->IstVerschiebbar());
    EXPECT_TRUE(apfel->focusPolicy() & Qt::TabFocus);
    EXPECT_EQ(zaehler->Anzeige, 1007);
    EXPECT_EQ(obst->Belegung + gemuese->Belegung, 0);
}

} // namespace
