#include "objects/texte/THLabel.h"

#include "objects/kern/Feldregeln.h"
#include "objects/sap/Klickmarker.h"
#include "platform/AnsiText.h"
#include "platform/Befehle.h"
#include "store/Feldnummern.h"
#include "store/TTabelle.h"

#include <QMouseEvent>

namespace {

constexpr int HandzeigerVerschiebbar = 12;
// The window command that goes to a page.
constexpr int GeheZuSeite = 0;

} // namespace

THLabel::THLabel(QWidget* Eltern)
    : THXLabel(Eltern), Verschiebung(*this, TVerschiebung::Art::MitZielbereichen) {
    setTextFormat(Qt::PlainText);
    setAutoFillBackground(false);
}

void THLabel::VerschiebbarSetzen(bool Wert) {
    Verschiebung.VerschiebbarSetzen(Wert);
    MausWeiterleitung = Wert ? Weiterleitung::Keine : Weiterleitung::NurDruckenUndLoslassen;
    CursorSetzen(*this, Wert ? HandzeigerVerschiebbar : 0);
}

void THLabel::FeldAnwenden(TTabelle& Tabelle, TDatensatz* Satz, uint16_t FeldId) {
    switch (FeldId) {
    case Feld::Objekte::Verschiebbar: VerschiebbarSetzen(Tabelle.LeseSchalter(Satz, FeldId)); break;
    case Feld::Objekte::Ziel: Ziel = Tabelle.LeseZahl(Satz, FeldId); break;
    case Feld::Objekte::Effekt_Anzeigen: EffektAnzeigen = Tabelle.LeseZahl(Satz, FeldId); break;
    case Feld::Objekte::Effekt_Entfernen: EffektEntfernen = Tabelle.LeseZahl(Satz, FeldId); break;
    default: BeschriftungsfeldAnwenden(Tabelle, Satz, FeldId); break;
    }
}

bool THLabel::EigeneBehandlungZuerst(QEvent::Type Art) const {
    return Art != QEvent::MouseButtonPress && Art != QEvent::MouseButtonDblClick;
}

void THLabel::Doppelklick(QMouseEvent&) {
    if (Ziel != 0) BefehlSenden(window(), FensterbefehlArt(), GeheZuSeite, Ziel);
}

void THLabel::MausGedrueckt(QMouseEvent& Ereignis) {
    KlickmarkerSetzen(*this, static_cast<int>(Ereignis.position().x()));
    Verschiebung.Gedrueckt(Ereignis);
}
