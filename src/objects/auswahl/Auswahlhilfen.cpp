#include "objects/auswahl/Auswahlhilfen.h"

#include "objects/TSeitenobjekt.h"

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
