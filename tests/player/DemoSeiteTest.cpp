// The demo lesson's page of pictures and shapes builds with its media files found; on the
// page of events the event objects carry out their actions.

#include "DemoSeitenumgebung.h"
#include "actions/Aktionen.h"
#include "actions/Webadressen.h"
#include "objects/ObjektTesthilfe.h"
#include "objects/bereiche/THHyperSensitive.h"
#include "objects/bereiche/THMouseSensitive.h"
#include "objects/bilder/THBevel.h"
#include "objects/bilder/THBitmap.h"
#include "objects/bilder/THShape.h"
#include "objects/ereignisse/THMessage.h"
#include "objects/knoepfe/THFunktionsSchaltflaeche.h"
#include "objects/knoepfe/THNavKnopf.h"
#include "objects/knoepfe/THSchaltflaeche.h"
#include "objects/knoepfe/THVerzweigung.h"
#include "objects/texte/THILabel.h"
#include "platform/Dokumente.h"
#include "player/THauptfenster.h"
#include "store/Lektion.h"

namespace {

class DemoSeite : public DemoSeitentest {
protected:
    int32_t Seitennummer() const override { return 4; }
};

TEST_F(DemoSeite, BilderKommenAusDenMediendateien) {
    auto* landschaft = Objekt<THBitmap>(21);
    ASSERT_NE(landschaft, nullptr);
    EXPECT_EQ(landschaft->Bild().size(), QSize(160, 100));
    auto* stern = Objekt<THBitmap>(22);
    ASSERT_NE(stern, nullptr);
    EXPECT_EQ(stern->Bild().size(), QSize(64, 64));
    EXPECT_EQ(qAlpha(stern->Bild().pixel(0, 63)), 0);
    EXPECT_TRUE(stern->IstVerschiebbar());
    EXPECT_EQ(Objekt<THBitmap>(23)->Bild(), THBitmap::Platzhalter());
    EXPECT_TRUE(Objekt<THBitmap>(24)->Stretch);
}

TEST_F(DemoSeite, SechsFormenRahmenUndEinUnsichtbaresEreignisobjekt) {
    std::vector<THShape::TShapeType> figuren;
    for (int32_t nr = 26; nr <= 31; ++nr) {
        auto* form = Objekt<THShape>(nr);
        ASSERT_NE(form, nullptr) << nr;
        EXPECT_FALSE(form->isHidden());
        figuren.push_back(form->Figur);
    }
    EXPECT_EQ(figuren, (std::vector<THShape::TShapeType>{
                           THShape::TShapeType::stRectangle, THShape::TShapeType::stSquare,
                           THShape::TShapeType::stRoundRect, THShape::TShapeType::stRoundSquare,
                           THShape::TShapeType::stEllipse, THShape::TShapeType::stCircle}));
    EXPECT_TRUE(Objekt<THShape>(31)->IstVerschiebbar());
    EXPECT_EQ(Objekt<THShape>(32)->Ziel, 1);
    EXPECT_NE(Objekt<THBevel>(20), nullptr);
    EXPECT_NE(Objekt<THBevel>(25), nullptr);
    auto* ereignis = Objekt<THMessage>(33);
    ASSERT_NE(ereignis, nullptr);
    EXPECT_TRUE(ereignis->isHidden());
    EXPECT_EQ(ereignis->EreignisNr, 2112);
}

class DemoEreignisse : public DemoSeite {
protected:
    void SetUp() override {
        DemoSeite::SetUp();
        if (HasFatalFailure()) return;
        Wahl.Aktuell = Fenster;
    }
    int32_t Seitennummer() const override { return 20; }

    TSeitenfensterwahl Wahl;
    TRollenersatz<TSeitenfensterwahl> WahlErsatz{Wahl};
    TDokumentmitschrift Dokumente;
    std::vector<QUrl>& Geoeffnet = Dokumente.Geoeffnet;
    bool& Oeffnen = Dokumente.Antwort;
};

TEST_F(DemoEreignisse, TastenZeigenDasMeldungsfensterUndOeffnenDokumente) {
    Fenster->EreignisAusloesen(0, 2113); // F2
    Fenster->EreignisAusloesen(0, 112);  // right mouse button
    ASSERT_EQ(Dialoge.Nachrichten.size(), 2u);
    EXPECT_EQ(Dialoge.Nachrichten[0].Titel, "Meldung");
    EXPECT_EQ(Dialoge.Nachrichten[0].Text.rfind("Das Meldungsfenster zeigt einen Text", 0), 0u);
    EXPECT_EQ(Dialoge.Nachrichten[1].Text, "Dieses Objekt hat im Moment keine Funktion. \n"
                                           "Folgen Sie bitte dem Bearbeitungsvorschlag.");

    Fenster->EreignisAusloesen(0, 2114); // F3: the document named through data record 300
    Fenster->EreignisAusloesen(0, 2115); // F4: the forum
    ASSERT_EQ(Geoeffnet.size(), 2u);
    EXPECT_EQ(Geoeffnet[0].toLocalFile().toStdString(),
              (Verzeichnis / "dokumente" / "hinweis.txt").string());
    EXPECT_EQ(Geoeffnet[1], QUrl(Forum));

    // A document that cannot be opened: the page's own text instead of the system's.
    Oeffnen = false;
    Fenster->EreignisAusloesen(0, 2114);
    ASSERT_EQ(Dialoge.Nachrichten.size(), 3u);
    EXPECT_EQ(Dialoge.Nachrichten[2].Text.rfind("Das Dokument konnte nicht", 0), 0u);
}

} // namespace

namespace {

class DemoBildknoepfe : public DemoSeite {
protected:
    int32_t Seitennummer() const override { return 31; }
};

TEST_F(DemoBildknoepfe, StreifenSindGefundenUndGeschnitten) {
    for (int32_t nr = 432; nr <= 435; ++nr) {
        auto* knopf = Objekt<THSchaltflaeche>(nr);
        ASSERT_NE(knopf, nullptr) << nr;
        EXPECT_EQ(knopf->Stueckzahl(), 4) << nr;
        EXPECT_EQ(knopf->size(), QSize(150, 40)) << nr;
    }
    EXPECT_EQ(Objekt<THSchaltflaeche>(435)->GezeigtesStueck(), THSchaltflaeche::Inaktiv);
    for (int32_t nr : {402, 403}) {
        auto* verlauf = Objekt<THFunktionsSchaltflaeche>(nr);
        ASSERT_NE(verlauf, nullptr) << nr;
        EXPECT_EQ(verlauf->Stueckzahl(), 7) << nr;
    }
    EXPECT_NE(Objekt<THNavWeiter>(401), nullptr);
    EXPECT_NE(Objekt<THNavZurueck>(400), nullptr);
    EXPECT_NE(Objekt<THVerzweigung>(404), nullptr);
}

class DemoVerweise : public DemoSeite {
protected:
    int32_t Seitennummer() const override { return 32; }
};

TEST_F(DemoVerweise, VerweiseUndMarkierungsflaechen) {
    EXPECT_NE(Objekt<THHyperSensitive>(443), nullptr);
    EXPECT_NE(Objekt<THHyperSensitive>(444), nullptr);
    for (int32_t nr = 448; nr <= 450; ++nr) {
        auto* flaeche = Objekt<THMouseSensitive>(nr);
        ASSERT_NE(flaeche, nullptr) << nr;
        EXPECT_EQ(flaeche->GroupIndex, 3);
    }
    EXPECT_TRUE(Objekt<THILabel>(451)->IstAktiv());
    EXPECT_FALSE(Objekt<THILabel>(452)->IstAktiv());
}

} // namespace
