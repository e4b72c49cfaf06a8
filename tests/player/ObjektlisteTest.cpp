// The page object list across page changes: kept objects keep their control and state, the
// others go, new ones are created by the factory and shown by the page's rules; containers
// and objects shown on demand.

#include "player/Objektliste.h"
#include "Spielerumgebung.h"
#include "actions/Aktionen.h"
#include "mail/TMailzugang.h"
#include "objects/ObjektTesthilfe.h"
#include "objects/auswahl/THAbhaken.h"
#include "objects/auswahl/THBmpCheckBox.h"
#include "objects/auswahl/THCheckBox.h"
#include "objects/auswahl/THListBox.h"
#include "objects/auswahl/THRadioButton.h"
#include "objects/auswahl/THSAPComboBox.h"
#include "objects/bilder/THBevel.h"
#include "objects/bilder/THBitmap.h"
#include "objects/bilder/THShape.h"
#include "objects/eingabe/THEditfeld.h"
#include "objects/eingabe/THMaskEdit.h"
#include "objects/eingabe/THMemo.h"
#include "objects/eingabe/THSB_Editfeld.h"
#include "objects/ereignisse/THMessage.h"
#include "objects/texte/THLabel.h"
#include "objects/texte/THSchatten.h"
#include "objects/texte/THText.h"
#include "player/ObjektFabrik.h"
#include "player/THauptfenster.h"
#include "store/Lektion.h"
#include "support/QtAnwendung.h"

#include <QCoreApplication>
#include <QPointer>

namespace {

auto* const qt = ::testing::AddGlobalTestEnvironment(new QtAnwendung);

const char* const Lektion = R"(
    "States.tab": [{"nr": 1, "fields": {"100": "1"}}],
    "Objekte.tab": [
        {"nr": 5, "fields": {"1200": "9", "1201": "Form", "1205": "10", "1206": "20",
                             "1207": "30", "1208": "40"}},
        {"nr": 7, "fields": {"1200": "5", "1201": "Bild", "1205": "50", "1206": "50",
                             "1207": "20", "1208": "20", "1217": "1"}},
        {"nr": 9, "fields": {"1200": "29", "1205": "100", "1206": "100", "1207": "50",
                             "1208": "50"}},
        {"nr": 11, "fields": {"1200": "43", "1218": "77", "1231": "3", "1258": "229"}},
        {"nr": 12, "fields": {"1200": "2", "1205": "1"}},
        {"nr": 13, "fields": {"1200": "43", "1231": "29"}},
        {"nr": 14, "fields": {"1200": "9", "1207": "10", "1208": "10"}},
        {"nr": 15, "fields": {"1200": "5"}},
        {"nr": 16, "fields": {"1200": "43", "1231": "1029"}},
        {"nr": 46, "fields": {"1200": "46"}}])";

class Objektliste : public Lektionstest {
protected:
    void SetUp() override {
        Lektionstest::SetUp();
        LektionBauen(Lektion);
        Fenster = new THauptfenster();
        Fenster->resize(400, 300);
    }
    void TearDown() override {
        delete Fenster;
        Lektionstest::TearDown();
    }

    // Objects that leave the page are destroyed once control is back in the event loop.
    static void ZurueckInDerEreignisschleife() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    void Seite(const std::vector<std::string>& Nummern) {
        ObjektlisteAufbauen(*Fenster, Nummern, Tabelle(ArtSeiten)->Datensatz(1));
        ZurueckInDerEreignisschleife();
    }
    std::vector<int32_t> Nummern() const {
        std::vector<int32_t> nummern;
        ObenDurchlaufen(Fenster->Objektliste(), [&](TObjektliste& e) {
            nummern.push_back(e.Nummer);
            return true;
        });
        return nummern;
    }
    // The control of the first entry with that number at the top level.
    QWidget* Objekt(int32_t Nr) const {
        TObjektliste* e = ObjektAufSeite(Fenster->Objektliste(), Nr);
        return e ? e->Objekt.data() : nullptr;
    }
    TObjektliste* Eintrag(int Position) const {
        TObjektliste* e = Fenster->Objektliste();
        for (int i = 0; e && i < Position; ++i)
            e = e->Naechster;
        return e;
    }

    TSpielerumgebung Umgebung;
    TMailzugang Mailzugang;
    TRollenersatz<TMailzugang> MailErsatz{Mailzugang};
    THauptfenster* Fenster = nullptr;
};

TEST(ObjektFabrik, TypenMitKlasse) {
    QWidget eltern;
    const auto istKlasse = [&](int Typ, auto* Klasse) {
        QWidget* w = ObjektFabrik(Typ, &eltern);
        const bool passt = w && dynamic_cast<decltype(Klasse)>(w) && w->parentWidget() == &eltern;
        delete w;
        return passt;
    };
    EXPECT_TRUE(istKlasse(1, static_cast<THText*>(nullptr)));
    EXPECT_TRUE(istKlasse(5, static_cast<THBitmap*>(nullptr)));
    EXPECT_TRUE(istKlasse(7, static_cast<THLabel*>(nullptr)));
    EXPECT_TRUE(istKlasse(9, static_cast<THShape*>(nullptr)));
    EXPECT_TRUE(istKlasse(29, static_cast<THBevel*>(nullptr)));
    EXPECT_TRUE(istKlasse(42, static_cast<THSchatten*>(nullptr)));
    EXPECT_TRUE(istKlasse(43, static_cast<THMessage*>(nullptr)));
    EXPECT_TRUE(istKlasse(6, static_cast<THEditfeld*>(nullptr)));
    EXPECT_TRUE(istKlasse(47, static_cast<THMemo*>(nullptr)));
    EXPECT_TRUE(istKlasse(50, static_cast<THMaskEdit*>(nullptr)));
    EXPECT_TRUE(istKlasse(54, static_cast<THSB_Editfeld*>(nullptr)));
    EXPECT_TRUE(istKlasse(27, static_cast<THSAPComboBox*>(nullptr)));
    EXPECT_TRUE(istKlasse(30, static_cast<THCheckBox*>(nullptr)));
    EXPECT_TRUE(istKlasse(31, static_cast<THRadioButton*>(nullptr)));
    EXPECT_TRUE(istKlasse(49, static_cast<THListBox*>(nullptr)));
    EXPECT_TRUE(istKlasse(63, static_cast<THBmpCheckBox*>(nullptr)));
    EXPECT_TRUE(istKlasse(65, static_cast<THAbhaken*>(nullptr)));
    for (int typ : {0, 2, 3, 10, 14, 19, 25, 39, 69, -5})
        EXPECT_EQ(ObjektFabrik(typ, &eltern), nullptr) << typ;
}

TEST_F(Objektliste, ObjekteBeiderSeitenBleibenMitIhremZustand) {
    Seite({"5", "7", "9"});
    const QPointer<QWidget> fuenf = Objekt(5), sieben = Objekt(7), neun = Objekt(9);
    ASSERT_TRUE(fuenf && sieben && neun);
    sieben->move(123, 45); // dragged by the learner
    const int32_t stapel = Eintrag(1)->Stapelnummer;

    Seite({"7", "9", "11"});
    EXPECT_EQ(fuenf, nullptr);
    EXPECT_EQ(Objekt(7), sieben);
    EXPECT_EQ(Objekt(9), neun);
    EXPECT_EQ(sieben->pos(), QPoint(123, 45));
    EXPECT_EQ(Eintrag(0)->Stapelnummer, stapel);
    ASSERT_NE(Objekt(11), nullptr);
    EXPECT_EQ(Eintrag(2)->Stapelnummer, 4);
    EXPECT_EQ(Nummern(), (std::vector<int32_t>{7, 9, 11}));
}

TEST_F(Objektliste, NeueObjekteSindGefuelltUndGehoerenDemFenster) {
    Seite({"5"});
    QWidget* form = Objekt(5);
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->geometry(), QRect(10, 20, 30, 40));
    EXPECT_EQ(form->parentWidget(), Fenster);
    TSeitenobjekt* objekt = TSeitenobjekt::Von(form);
    EXPECT_EQ(objekt->Tag, 5);
    EXPECT_EQ(objekt->Fenster(), Fenster);
    EXPECT_EQ(Eintrag(0)->Typ, 9);
    EXPECT_EQ(Eintrag(0)->Beschreibung, "Form");
    EXPECT_FALSE(Eintrag(0)->Nachgeladen);
}

TEST_F(Objektliste, DoppeltGelistetUebernimmtNurDerErste) {
    Seite({"7"});
    QWidget* alt = Objekt(7);
    Seite({"7", "7"});
    ASSERT_EQ(Nummern(), (std::vector<int32_t>{7, 7}));
    EXPECT_EQ(Eintrag(0)->Objekt, alt);
    EXPECT_NE(Eintrag(1)->Objekt, nullptr);
    EXPECT_NE(Eintrag(1)->Objekt, alt);
}

TEST_F(Objektliste, NummernWerdenAlsTextVerglichen) {
    Seite({"7"});
    const QPointer<QWidget> alt = Objekt(7);
    Seite({"007"});
    EXPECT_EQ(alt, nullptr);
    EXPECT_EQ(Nummern(), (std::vector<int32_t>{7}));
    EXPECT_NE(Objekt(7), nullptr);
}

TEST_F(Objektliste, TypOhneKlasseGibtEinenEintragOhneSteuerelement) {
    Seite({"12", "5"});
    ASSERT_EQ(Nummern(), (std::vector<int32_t>{12, 5}));
    EXPECT_EQ(Eintrag(0)->Typ, 2);
    EXPECT_EQ(Eintrag(0)->Objekt, nullptr);
    EXPECT_FALSE(Objekt(5)->isHidden());
    Seite({"12"});
    EXPECT_EQ(Nummern(), (std::vector<int32_t>{12}));
}

TEST_F(Objektliste, FehlendeSaetzeFehlenUndKeineZahlBeendetDieListe) {
    Seite({"5", "7"});
    const QPointer<QWidget> sieben = Objekt(7);
    Seite({"5", "99", "9", "x", "7"});
    EXPECT_EQ(Nummern(), (std::vector<int32_t>{5, 9}));
    EXPECT_FALSE(Objekt(9)->isHidden());
    // Object 7 was listed again, but after the end of the list: it does not stay behind.
    EXPECT_EQ(sieben, nullptr);
}

TEST_F(Objektliste, UnsichtbareTypenBleibenVerborgen) {
    Seite({"5", "7", "9", "11"});
    for (int32_t nr : {5, 7, 9})
        EXPECT_FALSE(Objekt(nr)->isHidden()) << nr;
    EXPECT_TRUE(Objekt(11)->isHidden());
}

TEST_F(Objektliste, MailobjekteNurMitMailserver) {
    Seite({"13", "16", "11"});
    EXPECT_FALSE(Objekt(13)->isEnabled());
    EXPECT_FALSE(Objekt(16)->isEnabled());
    EXPECT_TRUE(Objekt(11)->isEnabled());
    Mailzugang.Verfuegbar = true;
    Seite({});
    Seite({"13", "16"});
    EXPECT_TRUE(Objekt(13)->isEnabled());
    EXPECT_TRUE(Objekt(16)->isEnabled());
}

TEST_F(Objektliste, GemalteObjekteLiegenUnterGefenstertenAuchWennSieNeuSind) {
    Seite({"11"});
    Seite({"11", "5"});
    const QObjectList kinder = Fenster->children();
    EXPECT_LT(kinder.indexOf(Objekt(5)), kinder.indexOf(Objekt(11)));
}

TEST_F(Objektliste, ContainerHatSeineEigeneListe) {
    Seite({"5"});
    auto* container = new TTestcontainer(Fenster);
    TTestfenster::Eintragen(Fenster->Objektreihe(), container, 30, 46);
    ContainerlisteAufbauen(*Fenster, container->Liste, {"9", "46", "11", "5"}, container, 5, 7);

    TObjektliste* neun = ObjektMitNummer(Fenster->Objektliste(), 9);
    ASSERT_NE(neun, nullptr);
    EXPECT_EQ(neun->Objekt->parentWidget(), container);
    EXPECT_EQ(neun->Objekt->pos(), QPoint(95, 93));
    EXPECT_FALSE(neun->Objekt->isHidden());
    EXPECT_EQ(neun->Stapelnummer, 2);
    EXPECT_EQ(ObjektAufSeite(Fenster->Objektliste(), 9), nullptr);
    EXPECT_TRUE(ObjektMitNummer(Fenster->Objektliste(), 11)->Objekt->isHidden());
    EXPECT_EQ(ObjektMitNummer(Fenster->Objektliste(), 46), nullptr);
    // The object 5 of the page is found first, the container's one after it.
    EXPECT_EQ(ObjektMitNummer(Fenster->Objektliste(), 5)->Objekt->parentWidget(), Fenster);

    const QPointer<QWidget> alt = neun->Objekt,
                            fuenf = ObjektMitNummer(container->Liste.Kopf(), 5)->Objekt;
    ContainerlisteAufbauen(*Fenster, container->Liste, {"9"}, container, 0, 0);
    ZurueckInDerEreignisschleife();
    EXPECT_EQ(container->Liste.Kopf()->Objekt, alt);
    EXPECT_EQ(container->Liste.Kopf()->Stapelnummer, 0);
    EXPECT_EQ(alt->pos(), QPoint(95, 93));
    EXPECT_EQ(fuenf, nullptr);
}

TEST_F(Objektliste, ObjektZeigenHaengtAnUndLoestEreignis229Aus) {
    TAktionsmitschrift mitschrift;
    const std::vector<TAktionsaufruf>& aufrufe = mitschrift.Aufrufe;
    Seite({"5", "11"});
    Objekt(5)->hide();

    ObjektZeigen(*Fenster, 14, false);
    EXPECT_EQ(Nummern(), (std::vector<int32_t>{5, 11, 14}));
    EXPECT_TRUE(Eintrag(2)->Nachgeladen);
    EXPECT_FALSE(Objekt(14)->isHidden());
    ASSERT_EQ(aufrufe.size(), 1u); // the event object of the page heard 229
    EXPECT_EQ(aufrufe[0].Ziel, 77);

    ObjektZeigen(*Fenster, 15, true);
    EXPECT_TRUE(Objekt(14)->isHidden());
    EXPECT_FALSE(Objekt(15)->isHidden());

    ObjektZeigen(*Fenster, 5, false);
    EXPECT_FALSE(Objekt(5)->isHidden());
    EXPECT_EQ(Nummern(), (std::vector<int32_t>{5, 11, 14, 15}));
    ObjektZeigen(*Fenster, 99, false); // no record: only the event
    EXPECT_EQ(aufrufe.size(), 4u);

    const QPointer<QWidget> nachgeladen = Objekt(14);
    Seite({"5"});
    EXPECT_EQ(nachgeladen, nullptr);
}

TEST_F(Objektliste, AlleObjekteEntfernen) {
    Seite({"5", "7", "12"});
    const QPointer<QWidget> fuenf = Objekt(5);
    AlleObjekteEntfernen(*Fenster);
    EXPECT_EQ(Fenster->Objektliste(), nullptr);
    ASSERT_TRUE(fuenf);
    EXPECT_TRUE(fuenf->isHidden()) << "gone from the page at once";
    ZurueckInDerEreignisschleife();
    EXPECT_EQ(fuenf, nullptr);
}

} // namespace

// Many objects appearing at once hold the window's repaints back while they are shown:
// afterwards the window and every object repaint again, and all of them are shown.
TEST_F(Objektliste, VieleNeueObjekteErscheinenMitEinemNeuzeichnen) {
    Fenster->show();
    Seite(std::vector<std::string>(20, "14"));
    ASSERT_EQ(Nummern().size(), 20u);
    EXPECT_TRUE(Fenster->updatesEnabled());
    ObenDurchlaufen(Fenster->Objektliste(), [](TObjektliste& e) {
        EXPECT_TRUE(e.Objekt->updatesEnabled());
        EXPECT_TRUE(e.Objekt->isVisible());
        return true;
    });
}
