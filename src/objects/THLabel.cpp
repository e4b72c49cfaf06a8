#include "objects/THLabel.h"

#include "objects/Feldregeln.h"
#include "platform/AnsiText.h"
#include "platform/Befehle.h"
#include "store/TTabelle.h"

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
    Verschiebung.Verschiebbar = Wert;
    MausWeiterleitung = Wert ? Weiterleitung::Keine : Weiterleitung::NurDruckenUndLoslassen;
    CursorSetzen(*this, Wert ? HandzeigerVerschiebbar : 0);
}

void THLabel::FeldAnwenden(TTabelle& Tabelle, TDatensatz* Satz, uint16_t FeldId) {
    switch (FeldId) {
    case 1217: VerschiebbarSetzen(Tabelle.LeseSchalter(Satz, FeldId)); break;
    case 1218: Ziel = Tabelle.LeseZahl(Satz, FeldId); break;
    case 1279: EffektAnzeigen = Tabelle.LeseZahl(Satz, FeldId); break;
    case 1281: EffektEntfernen = Tabelle.LeseZahl(Satz, FeldId); break;
    default: BeschriftungsfeldAnwenden(Tabelle, Satz, FeldId); break;
    }
}

bool THLabel::EigeneBehandlungZuerst(QEvent::Type Art) const {
    return Art != QEvent::MouseButtonPress && Art != QEvent::MouseButtonDblClick;
}

void THLabel::Doppelklick(QMouseEvent&) {
    if (Ziel != 0) BefehlSenden(window(), FensterbefehlArt(), GeheZuSeite, Ziel);
}
