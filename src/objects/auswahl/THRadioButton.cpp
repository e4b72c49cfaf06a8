#include "objects/auswahl/THRadioButton.h"

#include "objects/Feldregeln.h"
#include "objects/auswahl/Auswahlhilfen.h"
#include "objects/auswahl/Auswahlumgebung.h"
#include "platform/AnsiText.h"
#include "store/TTabelle.h"

THRadioButton::THRadioButton(QWidget* Eltern) : QRadioButton(Eltern), TSeitenobjekt(this) {
    resize(113, 17);
    // A button chosen with the arrow keys is clicked too.
    connect(this, &QRadioButton::clicked, this, [] { SystemanzeigenAuffrischen(); });
}

void THRadioButton::FeldAnwenden(TTabelle& Tabelle, TDatensatz* Satz, uint16_t FeldId) {
    switch (FeldId) {
    case 1201:
        TSeitenobjekt::FeldAnwenden(Tabelle, Satz, FeldId);
        ZugangsnameSetzen(*this, text());
        break;
    case 1212: setChecked(Tabelle.LeseSchalter(Satz, FeldId)); break;
    case 1221:
        setText(AnsiNachQString(Tabelle.LeseText(Satz, FeldId)));
        ZugangsnameSetzen(*this, text());
        break;
    case 1224: setEnabled(Tabelle.LeseSchalter(Satz, FeldId)); break;
    case 1245: SchriftUebernehmen(*this, Tabelle, Satz); break;
    case 1251: Bewertung = Tabelle.LeseSchalter(Satz, FeldId); break;
    case 1283: AutoDeaktivieren = Tabelle.LeseSchalter(Satz, FeldId); break;
    default: TSeitenobjekt::FeldAnwenden(Tabelle, Satz, FeldId); break;
    }
}
