#pragma once
// Lesson fonts: lessons were laid out in pixels at 96 dots per inch, so a size in points
// becomes a fixed pixel size whatever the screen; the Windows faces that lessons name are
// replaced by free faces that look alike.

#include <QFont>

#include <cstdint>

struct TSchriftangaben;

// Registers the substitutes for the Windows faces; later calls do nothing.
void SchriftersatzRegistrieren();

// round(Punkte × 96 / 72).
int PixelgroesseAusPunkten(int32_t Punkte);

// The font described by the object fields 1245-1248, colour aside: face as stored (empty
// included), size in points at 96 DPI, bold, italic, underline, strike-out. A size of 0
// or less keeps the size of `Vorher`.
QFont Lektionsschrift(const TSchriftangaben& Angaben, const QFont& Vorher = QFont());
