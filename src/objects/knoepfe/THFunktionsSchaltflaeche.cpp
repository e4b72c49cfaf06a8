#include "objects/knoepfe/THFunktionsSchaltflaeche.h"

#include "objects/kern/TSeitenfenster.h"
#include "objects/knoepfe/Klang.h"
#include "platform/Befehle.h"
#include "store/Feldnummern.h"
#include "store/TTabelle.h"

#include <QMouseEvent>

namespace {
constexpr int OhneKlang = 0, Spielt = 1, Angehalten = 2;
constexpr int Unmoeglich = 0, Moeglich = 1;
} // namespace

THFunktionsSchaltflaeche::THFunktionsSchaltflaeche(QWidget* Eltern) : THBildknopf(Eltern, 7) {}

int THFunktionsSchaltflaeche::NormalesStueck() const {
    if (Typ == Klang) return Stand == Spielt ? 4 : Stand == Angehalten ? 1 : 0;
    if (Verlauf()) return Stand == Moeglich ? 0 : 1;
    return 0;
}

void THFunktionsSchaltflaeche::ZustandSetzen(int Z) {
    Stand = Typ == Klang && !Klangschalter() ? OhneKlang : Z;
    StueckZeigen(NormalesStueck());
}

void THFunktionsSchaltflaeche::NavigationSetzen(const TNavigationslage& Lage) {
    if (Typ == VerlaufZurueck)
        ZustandSetzen(Lage.ZurueckMoeglich ? Moeglich : Unmoeglich);
    else if (Typ == VerlaufVor)
        ZustandSetzen(Lage.VorMoeglich ? Moeglich : Unmoeglich);
}

void THFunktionsSchaltflaeche::MausGedrueckt(QMouseEvent& Ereignis) {
    if (!AufKnopf(Ereignis.position().toPoint())) return;
    if (Typ == Klang && Stand == Spielt)
        StueckZeigen(5);
    else if (Typ == Klang && Stand == Angehalten)
        StueckZeigen(2);
    else if (Verlauf() && Stand == Moeglich)
        StueckZeigen(3);
}

void THFunktionsSchaltflaeche::MausLosgelassen(QMouseEvent& Ereignis) {
    if (AufKnopf(Ereignis.position().toPoint())) Ausloesen();
}

void THFunktionsSchaltflaeche::Ausloesen() {
    if (Typ == Klang && Stand == Spielt) {
        StueckZeigen(6);
        HostmedienAnhalten();
        Stand = Angehalten;
    } else if (Typ == Klang && Stand == Angehalten) {
        StueckZeigen(3);
        HostmedienAbspielen();
        Stand = Spielt;
    } else if (Verlauf()) {
        if (Stand == Moeglich) StueckZeigen(0);
        if (TSeitenfenster* fenster = AktuellesSeitenfenster())
            fenster->Fensterbefehl(
                Typ == VerlaufZurueck ? FensterVerlaufZurueck : FensterVerlaufVor, 0);
    }
}

void THFunktionsSchaltflaeche::MausBewegt(QMouseEvent& Ereignis) {
    BewegungWeitergeben = false;
    if (!AufKnopf(Ereignis.position().toPoint())) {
        if (Typ == Klang && Stand == Spielt)
            StueckZeigen(4);
        else if (Typ == Klang && Stand == Angehalten)
            StueckZeigen(1);
        else if (Verlauf() && Stand == Moeglich)
            StueckZeigen(0);
        return;
    }
    const bool frei = Ereignis.buttons() == Qt::NoButton && Ereignis.modifiers() == Qt::NoModifier;
    if (frei && Typ == Klang && Stand == Spielt)
        StueckZeigen(6);
    else if (frei && Typ == Klang && Stand == Angehalten)
        StueckZeigen(3);
    else if (frei && Verlauf() && Stand == Moeglich)
        StueckZeigen(2);
    else
        BewegungWeitergeben = true;
}

bool THFunktionsSchaltflaeche::Weiterleiten(QEvent::Type Art) const {
    return Art != QEvent::MouseMove || BewegungWeitergeben;
}

void THFunktionsSchaltflaeche::FeldAnwenden(TTabelle& Tabelle, TDatensatz* Satz, uint16_t FeldId) {
    if (FeldId == Feld::Objekte::Typ) {
        Typ = Tabelle.LeseZahl(Satz, FeldId);
        StueckZeigen(NormalesStueck());
        return;
    }
    THBildknopf::FeldAnwenden(Tabelle, Satz, FeldId);
}
