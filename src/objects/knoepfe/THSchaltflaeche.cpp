#include "objects/knoepfe/THSchaltflaeche.h"

#include "objects/kern/TObjektliste.h"
#include "objects/kern/TSeitenfenster.h"
#include "objects/knoepfe/Klang.h"
#include "objects/rollen/TLernfensterdienst.h"
#include "store/Feldnummern.h"
#include "store/TAnwendungskontext.h"
#include "store/TTabelle.h"

#include <QMouseEvent>
#include <QPointer>

THSchaltflaeche::THSchaltflaeche(QWidget* Eltern) : THBildknopf(Eltern, 4) {}

void THSchaltflaeche::AktivSetzen(bool Wert) {
    setEnabled(Wert);
    NormalZeigen();
}

void THSchaltflaeche::Klick() {
    StueckZeigen(Hover);
    Rolle<TLernfensterdienst>().LaufendenEffektAbkuerzen();
    if (Aktiv()) Rolle<TLernfensterdienst>().FokusAnFenster();
    const QPointer<QWidget> lebt(this);
    AktionDurchfuehren(Aktionsfelder, Beschreibung, *this);
    if (!lebt) return;
    if (Aktionsfelder.Mailaktion()) AktivSetzen(false);
    KlickeffektAbspielen(Effekt);
}

void THSchaltflaeche::MausGedrueckt(QMouseEvent& Ereignis) {
    const bool drauf = AufKnopf(Ereignis.position().toPoint());
    Druck = drauf && Ereignis.button() == Qt::LeftButton;
    if (drauf) StueckZeigen(Gedrueckt);
}

void THSchaltflaeche::MausBewegt(QMouseEvent& Ereignis) {
    if (!AufKnopf(Ereignis.position().toPoint())) {
        NormalZeigen();
        return;
    }
    if (Ereignis.buttons() == Qt::NoButton && Ereignis.modifiers() == Qt::NoModifier)
        StueckZeigen(Hover);
    AndereNormalZeigen();
}

void THSchaltflaeche::MausLosgelassen(QMouseEvent& Ereignis) {
    const bool drauf = AufKnopf(Ereignis.position().toPoint());
    const bool klick = Druck && drauf && Ereignis.button() == Qt::LeftButton;
    Druck = false;
    const QPointer<QWidget> lebt(this);
    if (klick) Klick();
    if (lebt && drauf && Aktiv()) StueckZeigen(Hover);
}

void THSchaltflaeche::AndereNormalZeigen() {
    TSeitenfenster* fenster = Fenster();
    TiefDurchlaufen(fenster ? fenster->Objektliste() : nullptr, [this](TObjektliste& e) {
        auto* knopf = qobject_cast<THSchaltflaeche*>(e.Objekt);
        if (knopf && knopf != this) knopf->NormalZeigen();
        return true;
    });
}

void THSchaltflaeche::FeldAnwenden(TTabelle& Tabelle, TDatensatz* Satz, uint16_t FeldId) {
    if (Aktionsfelder.FeldAnwenden(Tabelle, Satz, FeldId)) return;
    switch (FeldId) {
    case Feld::Objekte::Aktiv: AktivSetzen(Tabelle.LeseSchalter(Satz, FeldId)); break;
    case Feld::Objekte::Effekt_Anzeigen: Effekt = Tabelle.LeseZahl(Satz, FeldId); break;
    case Feld::Objekte::Fenstername: Fenstername = Tabelle.LeseText(Satz, FeldId); break;
    default: THBildknopf::FeldAnwenden(Tabelle, Satz, FeldId); break;
    }
}
