// System labels on a running learner window: values computed when the page is built,
// refreshed after clicks and by the remote command, and the values that objects write.

#include "app/Programm.h"
#include "app/TAutorfenster.h"
#include "objects/bereiche/THFunktion.h"
#include "objects/bereiche/THMouseSensitive.h"
#include "objects/kern/TObjektliste.h"
#include "objects/texte/THSystemLabel.h"
#include "player/TFensterliste.h"
#include "player/THauptfenster.h"
#include "store/TAnwendungskontext.h"
#include "support/AufzeichnenderDialogDienst.h"
#include "support/QtAnwendung.h"
#include "support/TTestuhr.h"
#include "support/Testverzeichnis.h"
#include "vlmtab/LektionBauen.h"

#include <QApplication>
#include <QCheckBox>
#include <QMouseEvent>
#include <QTest>

#include <sstream>

namespace {

auto* const qt = ::testing::AddGlobalTestEnvironment(new QtAnwendung);

void Maus(QWidget* w, QEvent::Type Art, QPoint p, Qt::MouseButton Knopf, Qt::MouseButtons Knoepfe) {
    QMouseEvent e(Art, QPointF(p), QPointF(w->mapToGlobal(p)), Knopf, Knoepfe, {});
    QApplication::sendEvent(w, &e);
}

std::string Systemlabel(int32_t Nr, int32_t Anzeige, const std::string& Weiteres = {}) {
    return R"({"nr": )" + std::to_string(Nr) +
           R"(, "fields": {"1200": "45", "1205": "400", "1260": "1", "1206": ")" +
           std::to_string(Nr * 10) + R"(", "1259": ")" + std::to_string(Anzeige) + R"(")" +
           Weiteres + "}}";
}

class Systemlabels : public Testverzeichnis {
protected:
    void SetUp() override {
        Testverzeichnis::SetUp();
        Starten(Quelle());
    }
    virtual std::string Quelle() const {
        return R"({"tables": {
            "States.tab": [{"nr": 1, "fields": {"100": "1", "161": [
                "10", "11", "12", "13", "20", "21", "22", "23", "24", "25", "26", "27", "28"]}}],
            "Daten.tab": [{"nr": 3, "fields": {"301": "aus dem Datensatz"}}],
            "Objekte.tab": [
              {"nr": 10, "fields": {"1200": "59", "1205": "0", "1206": "0", "1207": "300",
                                    "1208": "200", "1287": "1"}},
              {"nr": 11, "fields": {"1200": "7", "1205": "50", "1206": "50", "1207": "20",
                                    "1208": "20", "1220": "0", "1221": "x"}},
              {"nr": 12, "fields": {"1200": "37", "1205": "320", "1206": "0", "1207": "20",
                                    "1208": "20", "1251": "1"}},
              {"nr": 13, "fields": {"1200": "37", "1205": "320", "1206": "30", "1207": "20",
                                    "1208": "20", "1251": "1"}},
              )" +
               Systemlabel(20, 227, R"(, "1256": "10")") + ",\n" +
               Systemlabel(21, 228, R"(, "1256": "10")") + ",\n" + Systemlabel(22, 26) + ",\n" +
               Systemlabel(23, 5) + ",\n" + Systemlabel(24, 0, R"(, "1221": "eigen")") + ",\n" +
               Systemlabel(25, 1100) + ",\n" + Systemlabel(26, 1006, R"(, "1221": "-")") + ",\n" +
               Systemlabel(27, 21) + ",\n" + Systemlabel(28, 5, R"(, "1268": "3")") + R"(
            ]}, "ini": {"Lektion": {"Name": "Systemwerte", "MailServer": "127.0.0.1:1"}, "State": {"Nr": "1"}}})";
    }
    void Starten(const std::string& quelle) {
        std::ostringstream meldungen;
        ASSERT_EQ(vlmtab::LektionAusTextBauen(quelle, "test", Verzeichnis, meldungen), 0)
            << meldungen.str();
        Start = ProgrammStarten(Verzeichnis, "");
        QTest::qWait(50);
        ASSERT_NE(AktuellesFenster(), nullptr);
    }
    void TearDown() override {
        ProgrammFreigeben();
        Testverzeichnis::TearDown();
    }

    template <class Klasse = THSystemLabel> Klasse* Objekt(int32_t Nr) {
        const TObjektliste* e = ObjektMitNummer(AktuellesFenster()->Objektliste(), Nr);
        return e ? qobject_cast<Klasse*>(e->Objekt.data()) : nullptr;
    }
    std::string Text(int32_t Nr) {
        THSystemLabel* label = Objekt(Nr);
        return label ? label->text().toStdString() : "<kein Systemlabel>";
    }

    AufzeichnenderDialogDienst Dialoge;
    TTestuhr Uhr{QDateTime(QDate(2004, 2, 3), QTime(9, 5, 7))};
    TRollenersatz<TUhr> UhrErsatz{Uhr};
    TStart Start;
};

TEST_F(Systemlabels, ZeigenIhreWerteNachDemSeitenaufbau) {
    EXPECT_EQ(Text(22), "1");
    EXPECT_EQ(Text(23), "3.2.2004");
    EXPECT_EQ(Text(24), "eigen");
    EXPECT_EQ(Text(25), "00");
    EXPECT_EQ(Text(26), "-");
    EXPECT_EQ(Text(27), "unbekannt");
    EXPECT_EQ(Text(28), "aus dem Datensatz");
    EXPECT_EQ(Text(20), "unbekannt");
    EXPECT_TRUE(Objekt(20)->isVisible());
}

TEST_F(Systemlabels, KlickAufEineFlaecheFrischtAuf) {
    auto* flaeche = Objekt<THMouseSensitive>(13);
    ASSERT_NE(flaeche, nullptr);
    Maus(flaeche, QEvent::MouseButtonPress, {5, 5}, Qt::LeftButton, Qt::LeftButton);
    Maus(flaeche, QEvent::MouseButtonRelease, {5, 5}, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(Text(25), "01");
    EXPECT_EQ(Text(26), "13");
    EXPECT_EQ(Text(28), "aus dem Datensatz");
}

TEST_F(Systemlabels, GummibandSchreibtSeineWerteUndSieBleiben) {
    auto* band = Objekt<THFunktion>(10);
    ASSERT_NE(band, nullptr);
    EXPECT_EQ(Text(20), "unbekannt");
    Start.Host->Fernbefehl(11, 0);
    EXPECT_EQ(Text(20), "unbekannt") << "a refresh does not invent what the area has not written";
    Maus(band, QEvent::MouseButtonPress, {10, 10}, Qt::LeftButton, Qt::LeftButton);
    Maus(band, QEvent::MouseMove, {150, 150}, Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(Text(20), "11");
    EXPECT_EQ(Text(21), "1");
    Maus(band, QEvent::MouseButtonRelease, {150, 150}, Qt::LeftButton, Qt::NoButton);
    Uhr.Zeit = Uhr.Zeit.addDays(1);
    Start.Host->Fernbefehl(11, 0);
    EXPECT_EQ(Text(20), "11");
    EXPECT_EQ(Text(23), "4.2.2004") << "the remote command refreshes every system label";
}

// Choice objects add to the answer pattern in list order: evaluated and checked "1",
// everything else "0".
class Antwortmuster : public Systemlabels {
protected:
    std::string Quelle() const override {
        return R"({"tables": {
            "States.tab": [{"nr": 1, "fields": {"100": "1", "161": ["1", "2", "3", "20", "21",
                                                                   "22", "23"]}}],
            "Objekte.tab": [
              {"nr": 1, "fields": {"1200": "30", "1205": "10", "1206": "10", "1207": "13",
                                   "1208": "13", "1212": "1", "1224": "1", "1251": "1"}},
              {"nr": 2, "fields": {"1200": "30", "1205": "10", "1206": "40", "1207": "13",
                                   "1208": "13", "1224": "1", "1251": "1"}},
              {"nr": 3, "fields": {"1200": "31", "1205": "10", "1206": "70", "1207": "120",
                                   "1208": "17", "1212": "1", "1221": "nicht bewertet",
                                   "1224": "1"}},
              )" +
               Systemlabel(20, 1100) + ",\n" + Systemlabel(21, 1101) + ",\n" +
               Systemlabel(22, 1102) + ",\n" + Systemlabel(23, 1103) + R"(
            ]}, "ini": {"Lektion": {"Name": "Antworten"}, "State": {"Nr": "1"}}})";
    }
};

TEST_F(Antwortmuster, ZweiBewerteteKaestchenUndEinUnbewertetesOptionsfeld) {
    EXPECT_EQ(Text(20), "100");
    EXPECT_EQ(Text(21), "1");
    EXPECT_EQ(Text(22), "2");
    EXPECT_EQ(Text(23), "3");
    // Ticking the second box refreshes the page's labels at once.
    auto* zweites = Objekt<QCheckBox>(2);
    ASSERT_NE(zweites, nullptr);
    QTest::mouseClick(zweites, Qt::LeftButton, {}, QPoint(6, 6));
    EXPECT_EQ(Text(20), "110");
    EXPECT_EQ(Text(21), "2");
}

} // namespace

// Amounts read from an input field of the page; an object that is no input field, or none
// on the page, gives nothing.
class Betraege : public Systemlabels {
protected:
    std::string Quelle() const override {
        return R"({"tables": {
            "States.tab": [{"nr": 1, "fields": {"100": "1", "161": ["1", "2", "20", "21", "22",
                                                                   "23", "24", "25"]}}],
            "Objekte.tab": [
              {"nr": 1, "fields": {"1200": "6", "1205": "10", "1206": "10", "1207": "100",
                                   "1208": "21", "1221": "1.234,50"}},
              {"nr": 2, "fields": {"1200": "7", "1205": "10", "1206": "40", "1207": "100",
                                   "1208": "21", "1221": "100"}},
              )" +
               Systemlabel(20, 3000, R"(, "1256": "1")") + ",\n" +
               Systemlabel(21, 3001, R"(, "1256": "1")") + ",\n" +
               Systemlabel(22, 3004, R"(, "1256": "1")") + ",\n" +
               Systemlabel(23, 3005, R"(, "1256": "1")") + ",\n" +
               Systemlabel(24, 3000, R"(, "1256": "2")") + ",\n" +
               Systemlabel(25, 3005, R"(, "1256": "9")") + R"(
            ]}, "ini": {"Lektion": {"Name": "Betraege"}, "State": {"Nr": "1"}}})";
    }
};

TEST_F(Betraege, AusDemEingabefeldDerSeite) {
    EXPECT_EQ(Text(20), "1.234,50");
    EXPECT_EQ(Text(21), "1432");
    EXPECT_EQ(Text(22), "52");
    EXPECT_EQ(Text(23), "1.234,50");
    EXPECT_EQ(Text(24), "") << "a label is no input field";
    EXPECT_EQ(Text(25), "") << "no object 9 on the page";
}
