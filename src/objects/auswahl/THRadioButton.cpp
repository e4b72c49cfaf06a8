#include "objects/auswahl/THRadioButton.h"

#include "objects/auswahl/Auswahlhilfen.h"
#include "objects/eingabe/Eingabedienste.h"
#include "platform/AnsiText.h"
#include "store/Feldnummern.h"
#include "store/TTabelle.h"

THRadioButton::THRadioButton(QWidget* Eltern) : QRadioButton(Eltern), TSeitenobjekt(this) {
    resize(113, 17);
    // A button chosen with the arrow keys is clicked too.
    connect(this, &QRadioButton::clicked, this, [] { SystemanzeigenAuffrischen(); });
}

void THRadioButton::FeldAnwenden(TTabelle& Tabelle, TDatensatz* Satz, uint16_t FeldId) {
    if (KnopffeldAnwenden(*this, *this, Tabelle, Satz, FeldId)) return;
    switch (FeldId) {
    case Feld::Objekte::Beschreibung:
        TSeitenobjekt::FeldAnwenden(Tabelle, Satz, FeldId);
        ZugangsnameSetzen(*this, text());
        break;
    case Feld::Objekte::Text:
        setText(AnsiNachQString(Tabelle.LeseText(Satz, FeldId)));
        ZugangsnameSetzen(*this, text());
        break;
    case Feld::Objekte::Auto_deaktivieren:
        AutoDeaktivieren = Tabelle.LeseSchalter(Satz, FeldId);
        break;
    default: TSeitenobjekt::FeldAnwenden(Tabelle, Satz, FeldId); break;
    }
}
