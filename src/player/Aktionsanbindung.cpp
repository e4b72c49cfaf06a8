#include "player/Aktionsanbindung.h"

#include "objects/Aktionsdienste.h"
#include "objects/Klang.h"
#include "player/Lernerdatenanbindung.h"
#include "player/Navigation.h"
#include "player/Navigationsknoepfe.h"
#include "player/Objektliste.h"
#include "player/Seitendienste.h"
#include "player/TFensterliste.h"
#include "player/THauptfenster.h"
#include "player/Werkzeugfenster.h"
#include "store/Lektion.h"

#include <QLineEdit>

namespace {

constexpr int Lesezeichenfenster = 17;
constexpr int Notizfenster = 18;

class TLernfensterdienste : public TAktionsdienste {
public:
    int32_t Seitennummer() override {
        const THauptfenster* f = AktuellesFenster();
        return f ? f->Seitennummer : 0;
    }
    int32_t Vorgabeseite() override {
        const THauptfenster* f = AktuellesFenster();
        return f ? f->DefaultSeite : 0;
    }
    bool SeiteVorhanden(int32_t Nr) override { return ::SeiteVorhanden(Nr); }
    void ObjektZeigen(int32_t Nr, bool NachgeladeneVerbergen) override {
        if (THauptfenster* f = AktuellesFenster()) ::ObjektZeigen(*f, Nr, NachgeladeneVerbergen);
    }
    int SchliessenVormerken(int32_t Seite) override {
        TFensterliste& liste = TFensterliste::Liste();
        liste.AnstehendeSeite = Seite;
        return liste.Position(AktuellesFenster());
    }
    void LernerdatenZuruecksetzen() override {
        if (THauptfenster* f = AktuellesFenster()) {
            ::LernerdatenZuruecksetzen(*f);
            return;
        }
        LernerdatenLeeren();
    }
    void SystemanzeigenAktualisieren() override {
        if (THauptfenster* f = AktuellesFenster()) ::SystemanzeigenAktualisieren(*f);
    }
    void AbhakmarkenAktualisieren() override {
        if (THauptfenster* f = AktuellesFenster()) ::AbhakmarkenAktualisieren(*f);
    }
    bool SeiteOffen(int32_t Seite) override { return LernerseiteOffen(Seite); }
    int Abhakbild(int32_t Seite) override { return LernerAbhakbild(Seite); }
    bool MailVerfuegbar() override { return ::MailVerfuegbar; }
    void LaufendenEffektAbkuerzen() override {
        const THauptfenster* f = AktuellesFenster();
        if (f && f->EffektLaeuft) SeitenwechselAnstehend = true;
    }
    void KlangSchalten(bool An) override {
        KlangschalterSetzen(An);
        THauptfenster* f = AktuellesFenster();
        if (An && f) KlangknoepfeBereit(*f);
    }
    void FokusAnFenster() override {
        if (THauptfenster* f = AktuellesFenster()) f->DummyButton->setFocus();
    }
    void LesezeichenfensterOeffnen() override { WerkzeugfensterZeigen(Lesezeichenfenster); }
    void NotizfensterOeffnen() override { WerkzeugfensterZeigen(Notizfenster); }
};

} // namespace

void AktionsdiensteAnbinden() {
    static TLernfensterdienste dienste;
    AktionsdiensteSetzen(&dienste);
}
