#include "player/Spielerrollen.h"

#include "objects/eingabe/THEditfeld.h"
#include "objects/kern/TObjektliste.h"
#include "objects/kern/TSeitenobjekt.h"
#include "objects/rollen/TKlangdienst.h"
#include "objects/rollen/TLernfensterdienst.h"
#include "objects/rollen/TSeitenteilnahme.h"
#include "objects/rollen/TWerkzeugfensterdienst.h"
#include "objects/sap/F4Werthilfe.h"
#include "objects/sap/TF4HilfeFenster1.h"
#include "player/Navigation.h"
#include "player/Navigationsknoepfe.h"
#include "player/Objektliste.h"
#include "player/TFensterliste.h"
#include "player/THauptfenster.h"
#include "player/TSpielerstand.h"
#include "player/Werkzeugfenster.h"
#include "store/Lektion.h"
#include "store/Objekttyp.h"
#include "store/TAnwendungskontext.h"
#include "store/TDatenanzeige.h"

#include <QLineEdit>

namespace {

constexpr int Lesezeichenfenster = 17;
constexpr int Notizfenster = 18;

THauptfenster* AlsLernfenster(TSeitenfenster& Fenster) {
    return qobject_cast<THauptfenster*>(Fenster.Fensterwidget());
}

class TLernfenster : public TLernfensterdienst {
public:
    int32_t Seitennummer() override {
        const THauptfenster* f = AktuellesFenster();
        return f ? f->Seitennummer() : 0;
    }
    int32_t Vorgabeseite() override {
        const THauptfenster* f = AktuellesFenster();
        return f ? f->DefaultSeite() : 0;
    }
    bool SeiteVorhanden(int32_t Nr) override { return Navigation::SeiteVorhanden(Nr); }
    void ObjektZeigen(int32_t Nr, bool NachgeladeneVerbergen) override {
        if (THauptfenster* f = AktuellesFenster()) ::ObjektZeigen(*f, Nr, NachgeladeneVerbergen);
    }
    int SchliessenVormerken(int32_t Seite) override {
        TFensterliste& liste = TFensterliste::Liste();
        liste.AnstehendeSeite = Seite;
        return liste.Position(AktuellesFenster());
    }
    void LaufendenEffektAbkuerzen() override {
        const THauptfenster* f = AktuellesFenster();
        if (f && f->EffektLaeuft()) Rolle<TSpielerstand>().SeitenwechselAnstehend = true;
    }
    void FokusAnFenster() override {
        if (THauptfenster* f = AktuellesFenster()) f->Fokushalter()->setFocus();
    }
    bool EffekteAktiv() override {
        const TSpielerstand& stand = Rolle<TSpielerstand>();
        return stand.FensterGezeigt && !stand.SeitenwechselAnstehend;
    }
};

bool ZeigtDatensatz(int Typ) {
    return Typ == Objekttyp::Editfeld || Typ == Objekttyp::Label || Typ == Objekttyp::ILabel ||
           Typ == Objekttyp::SystemLabel || Typ == Objekttyp::ListBox;
}

// After every recalculation the objects of the current page that show a data record, those
// inside containers included, read it again.
class TDatenanzeigeDerSeite : public TDatenanzeige {
public:
    void Auffrischen() override {
        THauptfenster* f = AktuellesFenster();
        TiefDurchlaufen(f ? f->Objektliste() : nullptr, [](TObjektliste& e) {
            TSeitenobjekt* objekt = e.Seitenobjekt();
            if (objekt && ZeigtDatensatz(e.Typ)) objekt->DatensatzAuffrischen();
            return true;
        });
    }
};

// Until the sound player joins the program, switching the sound on only readies the sound
// function buttons of the page.
class TKlangschalter : public TKlangdienst {
public:
    void KlangSchalten(bool An) override {
        THauptfenster* f = AktuellesFenster();
        if (An && f) KlangknoepfeBereit(*f);
    }
};

class TWerkzeugfenster : public TWerkzeugfensterdienst {
public:
    void LesezeichenfensterOeffnen() override { WerkzeugfensterZeigen(Lesezeichenfenster); }
    void NotizfensterOeffnen() override { WerkzeugfensterZeigen(Notizfenster); }
    // The F4 value help of input field `Objektnummer` of the current page.
    void F4HilfeOeffnen(int32_t Objektnummer) override {
        THauptfenster* f = AktuellesFenster();
        TObjektliste* e = f ? ObjektMitNummer(f->Objektliste(), Objektnummer) : nullptr;
        if (auto* feld = e ? qobject_cast<THEditfeld*>(e->Objekt.data()) : nullptr)
            F4HilfeZeigen(*feld, OffenesF4Fenster);
    }

private:
    // At most one F4 window is open; a new one closes it first.
    QPointer<TF4HilfeFenster1> OffenesF4Fenster;
};

// Navigation and function buttons follow the page and the history after every page build;
// picture and function buttons drop their hover look when the mouse moves over the window.
class TNavigationsteilnehmer : public TSeitenteilnehmer {
public:
    void SeiteBereit(TSeitenfenster& Fenster) override {
        if (THauptfenster* f = AlsLernfenster(Fenster)) NavigationsknoepfeAktualisieren(*f);
    }
    void MausBewegt(TSeitenfenster& Fenster) override {
        if (THauptfenster* f = AlsLernfenster(Fenster)) BildknoepfeZuruecksetzen(*f);
    }
};

} // namespace

struct TSpielerrollen::TTeile {
    TLernfenster Lernfenster;
    TKlangschalter Klang;
    TWerkzeugfenster Werkzeugfenster;
    TNavigationsteilnehmer Navigation;
    TDatenanzeigeDerSeite Datenanzeige;

    TRollenersatz<TLernfensterdienst> LernfensterErsatz{Lernfenster};
    TRollenersatz<TKlangdienst> KlangErsatz{Klang};
    TRollenersatz<TWerkzeugfensterdienst> WerkzeugfensterErsatz{Werkzeugfenster};
    TRollenersatz<TDatenanzeige> DatenanzeigeErsatz{Datenanzeige};
    TSeitenteilnahme NavigationTeilnahme{Navigation};
};

TSpielerrollen::TSpielerrollen() : Teile(std::make_unique<TTeile>()) {}

TSpielerrollen::~TSpielerrollen() = default;
