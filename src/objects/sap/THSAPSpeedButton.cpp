#include "objects/sap/THSAPSpeedButton.h"

THSAPSpeedButton::THSAPSpeedButton(QWidget* Eltern) : THSpeedButton(Eltern) {}

void THSAPSpeedButton::NachKlick() {
    if (Unten())
        GlyphLaden();
    else
        GlyphEntfernen();
}
