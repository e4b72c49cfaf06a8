#pragma once
// Screen metrics as the lesson sees them; tests set a screen size of their own.

#include <QSize>

QSize Bildschirmgroesse();
// An empty size returns to the real screen.
void BildschirmgroesseSetzen(QSize Groesse);
