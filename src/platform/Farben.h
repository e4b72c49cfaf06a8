#pragma once
// Lesson colours: a signed 32-bit number, 0x00BBGGRR for an RGB colour (red in the lowest
// byte) and negative values for the system colours of the lessons' home platform.

#include <QColor>

#include <cstdint>

QColor Lektionsfarbe(int32_t Wert);
