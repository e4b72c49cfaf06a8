// The F4 value help: how a record fills the window, what the window returns on each way of
// closing it, records that ask for impossible grids, and windows that go away under it.

#include "ObjektTesthilfe.h"

#include "objects/eingabe/THEditfeld.h"
#include "objects/sap/F4Werthilfe.h"
#include "objects/sap/TF4HilfeFenster1.h"
#include "objects/sap/TF4Werteflaeche.h"
#include "platform/Bildschirm.h"
#include "support/QtAnwendung.h"

#include <QApplication>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <functional>

namespace {

auto* const qt = ::testing::AddGlobalTestEnvironment(new QtAnwendung);

class TSchirm800 : public TBildschirm {
public:
    QSize Groesse() override { return {800, 600}; }

private:
    TRollenersatz<TBildschirm> Ersatz{*this};
};

// Record 1 as the Part's example: two columns of three rows, the second column active, the
// first column's value for field 3. Record 2: 2 × 101 rows for moving through. Records
// 10 to 16: grids that cannot be laid out as asked.
const char* const F4Lektion = R"(
    "Objekte.tab": [
        {"nr": 2, "fields": {"1253": "1", "1244": "1", "1221": "alt"}},
        {"nr": 3, "fields": {"1221": "zweit"}}],
    "F4Hilfe.tab": [
        {"nr": 1, "fields": {"1801": ["Nr", "1000", "2000", "Text", "Schraube", "Mutter"],
            "1802": "10000001", "1803": "Material", "1804": "20", "1805": "30",
            "1806": "300", "1807": "250", "1808": "2", "1809": "3", "1810": "2",
            "1812": "Materialien\r\nim Werk", "1814": "1", "1815": "3"}},
        {"nr": 3, "fields": {"1801": ["a", "b"], "1808": "1", "1809": "2", "1810": "1",
            "1804": "5000", "1806": "100", "1807": "50"}},
        {"nr": 10, "fields": {"1801": ["a", "b"], "1808": "1", "1809": "0", "1810": "1"}},
        {"nr": 11, "fields": {"1801": ["a", "b"], "1808": "1", "1809": "1", "1810": "1"}},
        {"nr": 12, "fields": {"1801": ["a", "b", "c", "d"], "1808": "2", "1809": "2",
            "1810": "0", "1814": "3", "1815": "3"}},
        {"nr": 13, "fields": {"1801": ["a", "b", "c", "d"], "1808": "2", "1809": "2",
            "1810": "3", "1814": "-1", "1815": "3"}},
        {"nr": 14, "fields": {"1801": ["a", "b", "c", "d", "e", "f"], "1808": "65535",
            "1809": "65535", "1810": "3"}},
        {"nr": 15, "fields": {"1801": ["a", "b"], "1808": "0", "1809": "-4", "1810": "1"}}])";

std::string GrosseLektion() {
    std::string zeilen;
    for (char spalte : {'A', 'B'})
        for (int i = 0; i <= 100; ++i)
            zeilen +=
                std::string(zeilen.empty() ? "" : ", ") + "\"" + spalte + std::to_string(i) + "\"";
    return R"(, "F4Hilfe.tab": [{"nr": 2, "fields": {"1801": [)" + zeilen +
           R"(], "1802": "10000001", "1806": "300", "1807": "250", "1808": "2", "1809": "101",
           "1810": "1"}}])";
}

class F4Hilfe : public Lektionstest {
protected:
    void SetUp() override {
        Lektionstest::SetUp();
        Fenster.resize(800, 600);
        Fenster.show();
    }

    void Bauen(const std::string& Tabellen = F4Lektion) {
        LektionBauen(Tabellen);
        Feld = ObjektBauen<THEditfeld>(Fenster, 2, 6);
        Zweites = ObjektBauen<THEditfeld>(Fenster, 3, 6);
    }

    // Opens the F4 help of `Ziel` (the first field) for record `Nr` and lets `Bedienung`
    // work on the open window; a window still open after it is cancelled.
    void Oeffnen(int32_t Nr, const std::function<void(TF4HilfeFenster1&)>& Bedienung,
                 THEditfeld* Ziel = nullptr) {
        Ziel = Ziel ? Ziel : Feld;
        Ziel->F4FensterNr = Nr;
        QTimer::singleShot(0, [&, Bedienung] {
            auto* offen = qobject_cast<TF4HilfeFenster1*>(QApplication::activeModalWidget());
            ASSERT_NE(offen, nullptr);
            Bedienung(*offen);
            if (offen == QApplication::activeModalWidget()) offen->reject();
        });
        F4HilfeZeigen(*Ziel, Offen);
    }

    static void Taste(TF4HilfeFenster1& F, Qt::Key Taste) {
        QWidget* ziel = F.focusWidget() ? F.focusWidget() : &F;
        QTest::keyClick(ziel, Taste);
    }

    TTestfenster Fenster;
    THEditfeld* Feld = nullptr;
    THEditfeld* Zweites = nullptr;
    QPointer<TF4HilfeFenster1> Offen;
};

TEST_F(F4Hilfe, DatensatzFuelltKopfUndWerteSpaltenweise) {
    Bauen();
    TF4HilfeFenster1 f(&Fenster);
    f.FuerDatensatz(1);
    const TF4Werte& w = f.Werte();
    ASSERT_EQ(w.Zeilen(), 3);
    ASSERT_EQ(w.Spalten(), 2);
    EXPECT_EQ(w.Zelltext(0, 0), "Nr");
    EXPECT_EQ(w.Zelltext(0, 1), "Text");
    EXPECT_EQ(w.Zelltext(1, 1), "Schraube");
    EXPECT_EQ(w.Zelltext(2, 0), "2000");
    // Eight pixels per character of the longest cell, five between columns.
    EXPECT_EQ(w.Spaltenbreite(0), 32);
    EXPECT_EQ(w.Spaltenbreite(1), 64);
    EXPECT_EQ(w.SpalteLinks(1), 37);
    EXPECT_EQ(f.windowTitle(), "Material");
    EXPECT_EQ(f.size(), QSize(300, 250));
    EXPECT_EQ(f.Kopf()->text(), "Materialien\nim Werk");
    EXPECT_EQ(f.Kopf()->height(), 32);
    EXPECT_EQ(f.Kopfzeilenoben(), 27 + 32 + 5);
    // The value area: 27 below the header text, rows of 16 in what remains less 45.
    EXPECT_EQ(f.Wertebereich()->geometry(), QRect(5, 27 + 32 + 27, 285, 112));
    EXPECT_EQ(w.GewaehlteZeile(), 1);
    EXPECT_EQ(f.Auswahlwert, "Schraube");
    EXPECT_EQ(f.Editfeld2, 3);
}

struct TSchliessfall {
    const char* Name;
    std::function<void(TF4HilfeFenster1&)> Bedienung;
    const char* Wert;
    const char* Zweiter;
};

void PrintTo(const TSchliessfall& f, std::ostream* aus) {
    *aus << f.Name;
}

class F4Schliessen : public F4Hilfe, public ::testing::WithParamInterface<TSchliessfall> {};

TEST_P(F4Schliessen, GibtDieGewaehlteZeileOderNichts) {
    const TSchliessfall& f = GetParam();
    Bauen();
    Oeffnen(1, f.Bedienung);
    EXPECT_EQ(Feld->text(), f.Wert);
    EXPECT_EQ(Zweites->text(), f.Zweiter);
    EXPECT_TRUE(Offen.isNull()) << "the window is freed after it closed";
}

void KlickAufZeile2(TF4HilfeFenster1& F) {
    const QRect zelle = F.Werteflaeche()->Zellrechteck(2, 0);
    QTest::mouseClick(F.Werteflaeche(), Qt::LeftButton, {}, zelle.center());
}

INSTANTIATE_TEST_SUITE_P(
    F4Hilfe, F4Schliessen,
    ::testing::Values(
        TSchliessfall{"EnterOhneKlick", [](auto& F) { QTest::keyClick(&F, Qt::Key_Return); },
                      "Schraube", "1000"},
        TSchliessfall{"KlickUndAuswaehlen",
                      [](auto& F) {
                          KlickAufZeile2(F);
                          F.Knopf(TF4HilfeFenster1::Auswaehlen)->click();
                      },
                      "Mutter", "2000"},
        TSchliessfall{"Doppelklick",
                      [](auto& F) {
                          const QRect zelle = F.Werteflaeche()->Zellrechteck(2, 1);
                          QTest::mouseDClick(F.Werteflaeche(), Qt::LeftButton, {},
                                             zelle.bottomRight());
                      },
                      "Mutter", "2000"},
        TSchliessfall{"Escape",
                      [](auto& F) {
                          KlickAufZeile2(F);
                          QTest::keyClick(&F, Qt::Key_Escape);
                      },
                      "alt", "zweit"},
        TSchliessfall{"F12", [](auto& F) { QTest::keyClick(&F, Qt::Key_F12); }, "alt", "zweit"},
        TSchliessfall{"Abbrechen", [](auto& F) { F.Knopf(TF4HilfeFenster1::Abbrechen)->click(); },
                      "alt", "zweit"}),
    [](const auto& i) { return std::string(i.param.Name); });

struct TTastenfall {
    const char* Name;
    const char* Tasten;
    std::vector<std::pair<int, int>> Sichtbar; // button, left
};

void PrintTo(const TTastenfall& f, std::ostream* aus) {
    *aus << f.Name;
}

class F4Tasten : public F4Hilfe, public ::testing::WithParamInterface<TTastenfall> {};

TEST_P(F4Tasten, SchaltenUndPackenDieKnoepfe) {
    const TTastenfall& f = GetParam();
    LektionBauen(std::string(R"("F4Hilfe.tab": [{"nr": 1, "fields": {"1802": ")") + f.Tasten +
                 R"("}}])");
    TF4HilfeFenster1 fenster(&Fenster);
    fenster.FuerDatensatz(1);
    std::vector<std::pair<int, int>> sichtbar;
    for (int i = 0; i < TF4HilfeFenster1::Knopfanzahl; ++i)
        if (fenster.Knopf(i)->isVisibleTo(&fenster))
            sichtbar.emplace_back(i, fenster.Knopf(i)->x());
    EXPECT_EQ(sichtbar, f.Sichtbar);
    EXPECT_EQ(fenster.Knopf(TF4HilfeFenster1::Abbrechen)->toolTip(), "Abbrechen   F12");
}

INSTANTIATE_TEST_SUITE_P(
    F4Hilfe, F4Tasten,
    ::testing::Values(
        TTastenfall{"AuswaehlenUndAbbrechen", "10000001", {{0, 5}, {7, 30}}},
        TTastenfall{"Keine", "", {}},
        TTastenfall{"NurDieErstenAcht", "0110000011", {{1, 5}, {2, 30}}},
        TTastenfall{"Alle",
                    "11111111",
                    {{0, 5}, {1, 30}, {2, 55}, {3, 80}, {4, 105}, {5, 130}, {6, 155}, {7, 180}}}),
    [](const auto& i) { return std::string(i.param.Name); });

struct TEntartungsfall {
    const char* Name;
    int32_t Nr;
    int Zeilen;
    int Spalten;
};

void PrintTo(const TEntartungsfall& f, std::ostream* aus) {
    *aus << f.Name;
}

class F4Entartet : public F4Hilfe, public ::testing::WithParamInterface<TEntartungsfall> {};

TEST_P(F4Entartet, OeffnetOhneAbsturzUndAendertNichts) {
    const TEntartungsfall& f = GetParam();
    Bauen();
    Oeffnen(f.Nr, [&](TF4HilfeFenster1& F) {
        EXPECT_EQ(F.Werte().Zeilen(), f.Zeilen);
        EXPECT_EQ(F.Werte().Spalten(), f.Spalten);
        F.grab(); // paints header and values
        QTest::keyClick(&F, Qt::Key_Down);
        QTest::keyClick(&F, Qt::Key_Return);
    });
    EXPECT_EQ(Feld->text(), "alt");
    EXPECT_EQ(Zweites->text(), "zweit");
}

INSTANTIATE_TEST_SUITE_P(F4Hilfe, F4Entartet,
                         ::testing::Values(TEntartungsfall{"KeineZeilen", 10, 0, 0},
                                           TEntartungsfall{"NurKopfzeile", 11, 1, 1},
                                           TEntartungsfall{"FehlenderSatz", 99, 0, 0},
                                           TEntartungsfall{"AktiveSpalteNull", 12, 2, 2},
                                           TEntartungsfall{"AktiveSpalteZuGross", 13, 2, 2},
                                           TEntartungsfall{"RiesigesRaster", 14, 6, 1},
                                           TEntartungsfall{"NegativeZahlen", 15, 0, 0}),
                         [](const auto& i) { return std::string(i.param.Name); });

TEST_F(F4Hilfe, OhneWertezeileIstNichtsGewaehlt) {
    Bauen();
    TF4HilfeFenster1 f(&Fenster);
    f.FuerDatensatz(11);
    EXPECT_EQ(f.Werte().GewaehlteZeile(), -1);
    EXPECT_TRUE(f.Auswahlwert.isEmpty());
}

TEST_F(F4Hilfe, FensterJenseitsDesSchirmsRuecktAnDenRandUndSchrumpftNichtUnterNull) {
    TSchirm800 schirm;
    Bauen();
    TF4HilfeFenster1 f(&Fenster);
    f.FuerDatensatz(3);
    f.show();
    EXPECT_EQ(f.pos().x(), 0);
    // 50 pixels high: no room for values, but no negative height either.
    EXPECT_EQ(f.Wertebereich()->height(), 0);
    f.resize(3, 3);
    EXPECT_EQ(f.Wertebereich()->width(), 0);
}

TEST_F(F4Hilfe, TastenBewegenDieAuswahlUndTabErreichtDieKnoepfe) {
    LektionBauen(std::string(R"("Objekte.tab": [{"nr": 2, "fields": {"1221": "alt"}}])") +
                 GrosseLektion());
    Feld = ObjektBauen<THEditfeld>(Fenster, 2, 6);
    int seite = 0;
    Oeffnen(2, [&seite](TF4HilfeFenster1& F) {
        const QScrollBar* senkrecht = F.Wertebereich()->verticalScrollBar();
        Taste(F, Qt::Key_Down);
        EXPECT_EQ(F.Auswahlwert, "A2");
        Taste(F, Qt::Key_End);
        EXPECT_EQ(F.Auswahlwert, "A100");
        EXPECT_GT(senkrecht->value(), 0) << "the selection is scrolled into view";
        Taste(F, Qt::Key_Home);
        EXPECT_EQ(F.Auswahlwert, "A1");
        EXPECT_EQ(senkrecht->value(), 0);
        Taste(F, Qt::Key_PageDown);
        seite = F.Wertebereich()->viewport()->height() / 16;
        EXPECT_EQ(F.Auswahlwert, QString("A%1").arg(1 + seite));
        Taste(F, Qt::Key_Right);
        EXPECT_EQ(F.Werte().GewaehlteSpalte(), 1);
        EXPECT_EQ(F.Auswahlwert, QString("A%1").arg(1 + seite)) << "the active column answers";
        EXPECT_EQ(F.Werteflaeche()->accessibleName(), QString("B%1").arg(1 + seite));
        Taste(F, Qt::Key_Tab);
        EXPECT_TRUE(qobject_cast<QToolButton*>(F.focusWidget()));
        F.Knopf(TF4HilfeFenster1::Auswaehlen)->click();
    });
    EXPECT_EQ(Feld->text(), "A" + QString::number(1 + seite));
}

TEST_F(F4Hilfe, EinNeuesFensterSchliesstDasOffeneOhneEsZuLoeschen) {
    Bauen();
    Oeffnen(1, [&](TF4HilfeFenster1& Erstes) {
        const QPointer<TF4HilfeFenster1> erstes(&Erstes);
        Oeffnen(
            1, [](TF4HilfeFenster1& F) { QTest::keyClick(&F, Qt::Key_Return); }, Zweites);
        EXPECT_FALSE(erstes.isNull()) << "the first window is still in its exec()";
        EXPECT_FALSE(Erstes.isVisible());
    });
    // The second window wrote its value and, as field 3 is also its second field, the
    // second value after it; the first window was cancelled.
    EXPECT_EQ(Zweites->text(), "1000");
    EXPECT_EQ(Feld->text(), "alt");
}

TEST_F(F4Hilfe, FeldDasWaehrendDesFenstersVerschwindetBekommtNichts) {
    Bauen();
    Oeffnen(1, [&](TF4HilfeFenster1& F) {
        delete Feld;
        QTest::keyClick(&F, Qt::Key_Return);
    });
    EXPECT_EQ(Zweites->text(), "zweit");
}

} // namespace
