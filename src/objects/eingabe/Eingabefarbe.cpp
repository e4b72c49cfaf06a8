#include "objects/eingabe/Eingabefarbe.h"

#include <QWidget>

void EingabefarbeSetzen(QWidget& Feld, const QColor& Farbe) {
    QPalette farben = Feld.palette();
    farben.setColor(QPalette::Base, Farbe);
    farben.setColor(QPalette::Window, Farbe);
    Feld.setPalette(farben);
}
