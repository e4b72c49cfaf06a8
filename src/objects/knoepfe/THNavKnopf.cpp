#include "objects/knoepfe/THNavKnopf.h"

#include "objects/kern/TSeitenfenster.h"
#include "objects/knoepfe/Klang.h"
#include "objects/rollen/TLernfensterdienst.h"
#include "platform/AnsiText.h"
#include "platform/Befehle.h"
#include "store/Feldnummern.h"
#include "store/TAnwendungskontext.h"
#include "store/TTabelle.h"

namespace {
constexpr int32_t NachSeiten = 0;
constexpr int32_t ImVerlauf = 1;
} // namespace

THNavKnopf::THNavKnopf(QWidget* Eltern, QSize Groesse) : THBitBtn(Eltern) {
    resize(Groesse);
    connect(this, &QPushButton::clicked, this, &THNavKnopf::Klick);
}

void THNavKnopf::Klick() {
    Rolle<TLernfensterdienst>().LaufendenEffektAbkuerzen();
    BefehlSenden();
    KlickeffektAbspielen(Effekt);
}

void THNavKnopf::FeldAnwenden(TTabelle& Tabelle, TDatensatz* Satz, uint16_t FeldId) {
    switch (FeldId) {
    case Feld::Objekte::Ziel: Ziel = Tabelle.LeseZahl(Satz, FeldId); break;
    case Feld::Objekte::Text: setText(AnsiNachQString(Tabelle.LeseText(Satz, FeldId))); break;
    case Feld::Objekte::Typ: Typ = Tabelle.LeseZahl(Satz, FeldId); break;
    case Feld::Objekte::Effekt_Anzeigen: Effekt = Tabelle.LeseZahl(Satz, FeldId); break;
    default: THBitBtn::FeldAnwenden(Tabelle, Satz, FeldId); break;
    }
}

THNavWeiter::THNavWeiter(QWidget* Eltern) : THNavKnopf(Eltern, QSize(35, 25)) {}

void THNavWeiter::BefehlSenden() {
    TSeitenfenster* fenster = AktuellesSeitenfenster();
    if (!fenster) return;
    if (Typ == NachSeiten && Ziel != 0)
        fenster->Fensterbefehl(FensterAuswertenUndSeite, Ziel);
    else if (Typ == NachSeiten)
        fenster->Fensterbefehl(FensterAuswertenUndWeiter, 0);
    else if (Typ == ImVerlauf)
        fenster->Fensterbefehl(FensterVerlaufVor, 0);
}

void THNavWeiter::NavigationSetzen(const TNavigationslage& Lage) {
    if (Typ == NachSeiten)
        setEnabled(!Lage.LetzteSeite);
    else if (Typ == ImVerlauf)
        setEnabled(Lage.VorMoeglich);
}

THNavZurueck::THNavZurueck(QWidget* Eltern) : THNavKnopf(Eltern, QSize(25, 25)) {}

void THNavZurueck::BefehlSenden() {
    TSeitenfenster* fenster = AktuellesSeitenfenster();
    if (!fenster) return;
    if (Typ == NachSeiten && Ziel != 0)
        fenster->Fensterbefehl(FensterSeite, Ziel);
    else if (Typ == NachSeiten)
        fenster->Fensterbefehl(FensterZurueck, 0);
    else if (Typ == ImVerlauf)
        fenster->Fensterbefehl(FensterVerlaufZurueck, 0);
}

void THNavZurueck::NavigationSetzen(const TNavigationslage& Lage) {
    if (Typ == NachSeiten)
        setEnabled(!Lage.ErsteSeite);
    else if (Typ == ImVerlauf)
        setEnabled(Lage.ZurueckMoeglich);
}
