// The demo lesson's quiz page: its string evaluations are built from their records, never
// shown, and judge the typed answers in page order as the page evaluation visits them; the
// first that reacts shows its hint or branches.

#include "DemoSeitenumgebung.h"

#include "evaluation/Stringauswertung.h"
#include "objects/auswertung/THStringAuswertung.h"
#include "objects/eingabe/THEditfeld.h"
#include "objects/rollen/Aktionsanforderung.h"
#include "objects/rollen/TAuswertungsdienst.h"
#include "store/Objekttyp.h"
#include "support/QtAnwendung.h"
#include "support/TTestuhr.h"

#include <QTest>

namespace {

auto* const qt = ::testing::AddGlobalTestEnvironment(new QtAnwendung);

class DemoQuizseite : public DemoSeitentest {
protected:
    int32_t Seitennummer() const override { return 55; }

    // The string evaluations of the page in page order, after the consumed flags are cleared:
    // the number of the first that matches with a function, 0 when none does (passed).
    int32_t Auswerten() {
        TiefDurchlaufen(Fenster->Objektliste(), [](TObjektliste& e) {
            if (TSeitenobjekt* o = e.Seitenobjekt()) o->Verbraucht = false;
            return true;
        });
        int32_t beendet = 0;
        TiefDurchlaufen(Fenster->Objektliste(), [&](TObjektliste& e) {
            auto* s = dynamic_cast<THStringAuswertung*>(e.Objekt.data());
            if (!s || !Pruefen(*Fenster, *s, Fenster->Objektliste()) || s->Typ == 0) return true;
            beendet = e.Nummer;
            return false;
        });
        return beendet;
    }

    void Eingeben(int32_t Nr, const QString& Text) {
        auto* feld = Objekt<THEditfeld>(Nr);
        ASSERT_NE(feld, nullptr);
        feld->clear();
        QTest::keyClicks(feld, Text);
    }

    TTestuhr Uhr{QDateTime(QDate(2001, 3, 5), QTime(9, 30))};
    TRollenersatz<TUhr> UhrErsatz{Uhr};
};

TEST_F(DemoQuizseite, StringauswertungenSindUnsichtbarUndGeladen) {
    for (int32_t nr : {5510, 5511, 5512, 5513, 5514, 5515, 5516}) {
        auto* s = Objekt<THStringAuswertung>(nr);
        ASSERT_NE(s, nullptr) << nr;
        EXPECT_TRUE(s->isHidden()) << nr;
        EXPECT_EQ(s->Stringliste1.size(), 8u) << nr;
    }
    ASSERT_NE(Objekt<THEditfeld>(5503), nullptr);
    EXPECT_FALSE(Objekt<THEditfeld>(5503)->isHidden());
    EXPECT_EQ(Objekt<THStringAuswertung>(5512)->Quellnummer(), 5505);
    EXPECT_TRUE(Objekt<THStringAuswertung>(5516)->AllesUebrige);
}

TEST_F(DemoQuizseite, AntwortenInSeitenreihenfolge) {
    struct Fall {
        QString Farbe, Zahl, Datum;
        int32_t Beendet;
        std::string Hinweis; // the start of the text in the message window
    };
    const Fall faelle[] = {
        {"grey", "15", "05.03.2001", 5515, ""},
        {"GRAY", " 1 5", "5.3.2001", 5515, ""},
        {"blau", "15", "05.03.2001", 5511, "Nicht ganz"},
        {"", "", "", 5511, "Nicht ganz"},
        {"grey", "25", "05.03.2001", 5512, "Die Zahl liegt au"},
        {"grey", "9", "05.03.2001", 5512, "Die Zahl liegt au"},
        {"grey", "zehn", "05.03.2001", 5514, "Bitte geben Sie eine ganze Zahl"},
        {"grey", "20", "04.03.2001", 5516, "Das Datum stimmt nicht"},
        {"grey", "10", "tt.mm.jjjj", 5516, "Das Datum stimmt nicht"},
    };
    for (const Fall& f : faelle) {
        Eingeben(5503, f.Farbe);
        Eingeben(5505, f.Zahl);
        Eingeben(5507, f.Datum);
        TAktionsmitschrift mitschrift;
        Dialoge.Nachrichten.clear();
        const QString fall = f.Farbe + "|" + f.Zahl + "|" + f.Datum;
        EXPECT_EQ(Auswerten(), f.Beendet) << fall.toStdString();
        ASSERT_EQ(mitschrift.Aufrufe.size(), 1u) << fall.toStdString();
        if (f.Hinweis.empty()) {
            EXPECT_EQ(mitschrift.Aufrufe[0].Aktion, Aktionscode(3));
            EXPECT_EQ(mitschrift.Aufrufe[0].Ziel, 81);
            EXPECT_TRUE(Dialoge.Nachrichten.empty());
        } else {
            ASSERT_EQ(Dialoge.Nachrichten.size(), 1u) << fall.toStdString();
            EXPECT_EQ(Dialoge.Nachrichten[0].Text.rfind(f.Hinweis, 0), 0u)
                << Dialoge.Nachrichten[0].Text;
        }
    }
}

// The learner's way: the answers typed, the page evaluated by the window's forward button
// (evaluate and go on). A wrong answer shows its hint and the page stays; the right ones
// branch to page 81 instead of going on.
TEST_F(DemoQuizseite, WeiterknopfWertetDieStringauswertungenAus) {
    Fenster->show(); // the first showing builds the start page: the quiz page again
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Fenster));
    Fenster->SeiteAufbauen(Navigation::SeiteMitNummer(55));
    auto* weiter = Objekt<QWidget>(401);
    ASSERT_NE(weiter, nullptr);

    Eingeben(5503, "grey");
    Eingeben(5505, "25");
    Eingeben(5507, "05.03.2001");
    QTest::mouseClick(weiter, Qt::LeftButton);
    QTRY_COMPARE(Dialoge.Nachrichten.size(), 1u);
    EXPECT_EQ(Dialoge.Nachrichten[0].Text.rfind("Die Zahl liegt au", 0), 0u);
    QCoreApplication::processEvents();
    EXPECT_EQ(Fenster->Seitennummer(), 55);

    Dialoge.Nachrichten.clear();
    Eingeben(5505, "15");
    QTest::mouseClick(weiter, Qt::LeftButton);
    QTRY_COMPARE(Fenster->Seitennummer(), 81);
    EXPECT_TRUE(Dialoge.Nachrichten.empty());
}

// Evaluated twice, the consumed flags of the first evaluation do not stay: the catch-all
// hint of the colour field comes again.
TEST_F(DemoQuizseite, JedeAuswertungBeginntOhneVerbrauchteQuellen) {
    Eingeben(5503, "blau");
    Eingeben(5505, "15");
    Eingeben(5507, "05.03.2001");
    for (int i = 0; i < 2; ++i) {
        Dialoge.Nachrichten.clear();
        EXPECT_FALSE(Rolle<TAuswertungsdienst>().SeiteAuswerten(*Fenster));
        ASSERT_EQ(Dialoge.Nachrichten.size(), 1u) << i;
        EXPECT_EQ(Dialoge.Nachrichten[0].Text.rfind("Nicht ganz", 0), 0u) << i;
    }
}

} // namespace
