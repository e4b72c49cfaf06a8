#include "objects/auswahl/Auswahlhilfen.h"

#include "objects/auswahl/TAuswahlobjekt.h"
#include "objects/kern/Feldregeln.h"
#include "objects/kern/TSeitenobjekt.h"
#include "store/Feldnummern.h"
#include "store/TTabelle.h"

#include <QAbstractButton>
#include <QPalette>
#include <QWidget>

void EintragsfarbeSetzen(QWidget& Steuerelement, const QColor& Farbe) {
    QPalette farben = Steuerelement.palette();
    for (const auto rolle : {QPalette::Base, QPalette::Window, QPalette::Button})
        farben.setColor(rolle, Farbe);
    Steuerelement.setPalette(farben);
}

void ZugangsnameSetzen(TSeitenobjekt& Objekt, const QString& Beschriftung) {
    if (QWidget* w = Objekt.Steuerelement())
        w->setAccessibleName(Objekt.Beschreibung.empty() ? Beschriftung
                                                         : Objekt.BeschreibungText());
}

bool KnopffeldAnwenden(QAbstractButton& Knopf, TAuswahlobjekt& Auswahl, TTabelle& Tabelle,
                       TDatensatz* Satz, uint16_t FeldId) {
    switch (FeldId) {
    case Feld::Objekte::Markiert: Knopf.setChecked(Tabelle.LeseSchalter(Satz, FeldId)); return true;
    case Feld::Objekte::Aktiv: Knopf.setEnabled(Tabelle.LeseSchalter(Satz, FeldId)); return true;
    case Feld::Objekte::Schriftfarbe: SchriftUebernehmen(Knopf, Tabelle, Satz); return true;
    case Feld::Objekte::Bewertung:
        Auswahl.Bewertung = Tabelle.LeseSchalter(Satz, FeldId);
        return true;
    default: return false;
    }
}
