#pragma once
// The small pictures of the simulated combo boxes: the drop-down arrow on the box's
// colour, and the icons of web and file-transfer entries.

#include <QColor>
#include <QPixmap>

QPixmap Pfeilbild(const QColor& Grund, int Breite, int Hoehe);
QPixmap Webbild();
QPixmap Uebertragungsbild();
