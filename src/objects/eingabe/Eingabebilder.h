#pragma once
// The small pictures the input fields draw with: the mandatory mark, the marker picture,
// the arrow of the F4 button and the F4 key of the application-screen layout. They are
// painted once, in the size of the pictures the lessons were made with.

#include <QPixmap>

const QPixmap& Pflichtmarke();    // 8 × 8, a red check mark
const QPixmap& Markierungsbild(); // "editbitmap": 9 × 9, a red corner
const QPixmap& F4Pfeil();         // "f4pfeil": 8 × 5, a black arrow pointing down
const QPixmap& F4Taste();         // 20 × 19, a key cap reading "F4"
