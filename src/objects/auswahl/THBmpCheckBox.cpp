#include "objects/auswahl/THBmpCheckBox.h"

#include "objects/auswahl/Auswahlhilfen.h"
#include "objects/eingabe/Eingabedienste.h"
#include "objects/kern/TObjektliste.h"
#include "objects/kern/TSeitenfenster.h"
#include "objects/rollen/TLernfensterdienst.h"
#include "store/Feldnummern.h"
#include "store/Objekttyp.h"
#include "store/TAnwendungskontext.h"
#include "store/TTabelle.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>

THBmpCheckBox::THBmpCheckBox(QWidget* Eltern) : THBildknopf(Eltern, 4) {
    setFocusPolicy(Qt::StrongFocus);
}

int THBmpCheckBox::NormalesStueck() const {
    if (Bereit) return Angekreuzt ? Markiert : Leer;
    return Angekreuzt ? MarkiertInaktiv : LeerInaktiv;
}

void THBmpCheckBox::CheckedSetzen(bool Wert) {
    Angekreuzt = Wert;
    StueckZeigen(NormalesStueck());
}

void THBmpCheckBox::AktivSetzen(bool Wert) {
    Bereit = Wert;
    StueckZeigen(NormalesStueck());
}

void THBmpCheckBox::Klick(bool MitMaus) {
    const QPointer<QWidget> lebt(this);
    if (Bereit) {
        CheckedSetzen(!Angekreuzt);
        if (MitMaus) Rolle<TLernfensterdienst>().FokusAnFenster();
    }
    if (!lebt) return;
    GruppeFreigeben();
    SystemanzeigenAuffrischen();
}

void THBmpCheckBox::GruppeFreigeben() {
    TSeitenfenster* fenster = Fenster();
    if (GroupIndex == 0 || !fenster) return;
    TiefDurchlaufen(fenster->Objektliste(), [this](TObjektliste& e) {
        auto* box = qobject_cast<THBmpCheckBox*>(e.Objekt);
        if (e.Typ == Objekttyp::BmpCheckBox && box && box != this && box->GroupIndex == GroupIndex)
            box->CheckedSetzen(false);
        return true;
    });
}

void THBmpCheckBox::MausLosgelassen(QMouseEvent& Ereignis) {
    if (Ereignis.button() == Qt::LeftButton && rect().contains(Ereignis.position().toPoint()))
        Klick(true);
}

void THBmpCheckBox::keyPressEvent(QKeyEvent* Ereignis) {
    // Space and Enter come as a key click (`TastenKlick`), as on every clickable object.
    switch (Ereignis->key()) {
    case Qt::Key_Left:
    case Qt::Key_Up: focusNextPrevChild(false); break;
    case Qt::Key_Right:
    case Qt::Key_Down: focusNextPrevChild(true); break;
    default: THBildknopf::keyPressEvent(Ereignis); break;
    }
}

void THBmpCheckBox::FokusZeigen(QPainter& Maler) const {
    // A dotted line on the picture's edge: the style's mark would tint the picture whose
    // piece tells the state.
    Maler.setPen(QPen(Qt::black, 1, Qt::DotLine));
    Maler.setBrush(Qt::NoBrush);
    Maler.drawRect(rect().adjusted(0, 0, -1, -1));
}

void THBmpCheckBox::FeldAnwenden(TTabelle& Tabelle, TDatensatz* Satz, uint16_t FeldId) {
    switch (FeldId) {
    case Feld::Objekte::Beschreibung:
        THBildknopf::FeldAnwenden(Tabelle, Satz, FeldId);
        ZugangsnameSetzen(*this);
        break;
    case Feld::Objekte::Markiert: CheckedSetzen(Tabelle.LeseSchalter(Satz, FeldId)); break;
    case Feld::Objekte::Aktiv: AktivSetzen(Tabelle.LeseSchalter(Satz, FeldId)); break;
    case Feld::Objekte::GroupIndex: GroupIndex = Tabelle.LeseZahl(Satz, FeldId); break;
    case Feld::Objekte::Bewertung: Bewertung = Tabelle.LeseSchalter(Satz, FeldId); break;
    default: THBildknopf::FeldAnwenden(Tabelle, Satz, FeldId); break;
    }
}
