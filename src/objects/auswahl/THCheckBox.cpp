#include "objects/auswahl/THCheckBox.h"

#include "objects/Feldregeln.h"
#include "objects/auswahl/Auswahlhilfen.h"
#include "objects/auswahl/Auswahlumgebung.h"
#include "platform/AnsiText.h"
#include "platform/Schriften.h"
#include "store/TTabelle.h"

THCheckBox::THCheckBox(QWidget* Eltern) : QCheckBox(Eltern), TSeitenobjekt(this) {
    resize(13, 13);
    connect(this, &QCheckBox::toggled, this, &THCheckBox::Klick);
}

void THCheckBox::Klick() {
    if (!VonGruppeGeaendert) GruppeFreigeben();
    SystemanzeigenAuffrischen();
}

void THCheckBox::GruppeFreigeben() {
    if (GroupIndex == 0 || !parent()) return;
    for (QObject* kind : parent()->children()) {
        auto* box = qobject_cast<THCheckBox*>(kind);
        if (!box || box == this || box->GroupIndex != GroupIndex) continue;
        box->VonGruppeGeaendert = true;
        box->setChecked(false);
        box->VonGruppeGeaendert = false;
    }
}

void THCheckBox::FeldAnwenden(TTabelle& Tabelle, TDatensatz* Satz, uint16_t FeldId) {
    QFont schrift = font();
    switch (FeldId) {
    case 1201:
        TSeitenobjekt::FeldAnwenden(Tabelle, Satz, FeldId);
        ZugangsnameSetzen(*this);
        break;
    case 1212: setChecked(Tabelle.LeseSchalter(Satz, FeldId)); break;
    case 1224: setEnabled(Tabelle.LeseSchalter(Satz, FeldId)); break;
    case 1245: SchriftUebernehmen(*this, Tabelle, Satz); break;
    // Face, size and style once more on their own; the size as stored, not scaled by the
    // display factor.
    case 1246:
        schrift.setFamily(AnsiNachQString(Tabelle.LeseText(Satz, FeldId)));
        setFont(schrift);
        break;
    case 1247:
        if (const int32_t punkte = Tabelle.LeseZahl(Satz, FeldId); punkte > 0) {
            schrift.setPixelSize(PixelgroesseAusPunkten(punkte));
            setFont(schrift);
        }
        break;
    case 1248: {
        TSchriftangaben stil;
        TTabelle::SchriftstilDeuten(Tabelle.LeseText(Satz, FeldId), stil);
        schrift.setBold(stil.Fett);
        schrift.setItalic(stil.Kursiv);
        schrift.setUnderline(stil.Unterstrichen);
        schrift.setStrikeOut(stil.Durchgestrichen);
        setFont(schrift);
        break;
    }
    case 1249: GroupIndex = Tabelle.LeseZahl(Satz, FeldId); break;
    case 1251: Bewertung = Tabelle.LeseSchalter(Satz, FeldId); break;
    default: TSeitenobjekt::FeldAnwenden(Tabelle, Satz, FeldId); break;
    }
}
