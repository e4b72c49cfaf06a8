#include "objects/auswahl/THCheckBox.h"

#include "objects/auswahl/Auswahlhilfen.h"
#include "objects/eingabe/Eingabedienste.h"
#include "platform/AnsiText.h"
#include "platform/Schriften.h"
#include "store/Feldnummern.h"
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

// Face, size and style once more on their own; the size as stored, not scaled by the
// display factor.
void THCheckBox::SchriftteilAnwenden(TTabelle& Tabelle, TDatensatz* Satz, uint16_t FeldId) {
    QFont schrift = font();
    const std::string wert = Tabelle.LeseText(Satz, FeldId);
    if (FeldId == Feld::Objekte::Schriftart) {
        schrift.setFamily(AnsiNachQString(wert));
    } else if (FeldId == Feld::Objekte::Schriftgroesse) {
        const int32_t punkte = Tabelle.LeseZahl(Satz, FeldId);
        if (punkte <= 0) return;
        schrift.setPixelSize(PixelgroesseAusPunkten(punkte));
    } else {
        TSchriftangaben stil;
        TTabelle::SchriftstilDeuten(wert, stil);
        schrift.setBold(stil.Fett);
        schrift.setItalic(stil.Kursiv);
        schrift.setUnderline(stil.Unterstrichen);
        schrift.setStrikeOut(stil.Durchgestrichen);
    }
    setFont(schrift);
}

void THCheckBox::FeldAnwenden(TTabelle& Tabelle, TDatensatz* Satz, uint16_t FeldId) {
    if (KnopffeldAnwenden(*this, *this, Tabelle, Satz, FeldId)) return;
    switch (FeldId) {
    case Feld::Objekte::Beschreibung:
        TSeitenobjekt::FeldAnwenden(Tabelle, Satz, FeldId);
        ZugangsnameSetzen(*this);
        break;
    case Feld::Objekte::Schriftart:
    case Feld::Objekte::Schriftgroesse:
    case Feld::Objekte::Schriftstil: SchriftteilAnwenden(Tabelle, Satz, FeldId); break;
    case Feld::Objekte::GroupIndex: GroupIndex = Tabelle.LeseZahl(Satz, FeldId); break;
    default: TSeitenobjekt::FeldAnwenden(Tabelle, Satz, FeldId); break;
    }
}
