// Texts in the page build: a text that stays on the next page greys itself out when it is
// asked to.

#include "Spielerumgebung.h"
#include "objects/ObjektTesthilfe.h"
#include "objects/texte/THText.h"
#include "player/Objektliste.h"
#include "player/THauptfenster.h"
#include "store/Lektion.h"

namespace {

class Textobjekte : public Lektionstest {
protected:
    void SetUp() override {
        Lektionstest::SetUp();
        LektionBauen(R"("States.tab": [{"nr": 1, "fields": {"100": "1"}}],
            "Texte.tab": [{"nr": 1, "fields": {"1000": "{rot}bleibt"}}],
            "Objekte.tab": [
                {"nr": 1, "fields": {"1200": "1", "1211": "1", "1283": "1"}},
                {"nr": 2, "fields": {"1200": "1", "1211": "1"}},
                {"nr": 3, "fields": {"1200": "7", "1221": "neu"}}])");
        Fenster = new THauptfenster();
    }
    void TearDown() override {
        delete Fenster;
        Lektionstest::TearDown();
    }
    void Seite(const std::vector<std::string>& Nummern) {
        ObjektlisteAufbauen(*Fenster, Nummern, Tabelle(ArtSeiten)->Datensatz(1));
    }
    THText* Text(int32_t Nr) const {
        TObjektliste* e = ObjektAufSeite(Fenster->Objektliste(), Nr);
        return e ? dynamic_cast<THText*>(e->Objekt.data()) : nullptr;
    }

    TSpielerumgebung Umgebung;
    THauptfenster* Fenster = nullptr;
};

TEST_F(Textobjekte, NurDerBleibendeTextMitAutoDeaktivierenWirdGrau) {
    Seite({"1", "2"});
    ASSERT_TRUE(Text(1) && Text(2));
    EXPECT_FALSE(Text(1)->IstGrau());
    EXPECT_FALSE(Text(1)->isHidden());

    Seite({"1", "2", "3"});
    EXPECT_TRUE(Text(1)->IstGrau());
    EXPECT_FALSE(Text(2)->IstGrau());
    EXPECT_EQ(Text(1)->Anordnung()[0].Farbe, QColor(0x80, 0x80, 0x80));
    EXPECT_EQ(Text(2)->Anordnung()[0].Farbe, QColor(0x80, 0, 0));
}

} // namespace
