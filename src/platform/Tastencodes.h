#pragma once
// Lessons number keys by the virtual key codes of the system they were written on; page
// events and scripts compare with those numbers.

#include <Qt>

// The virtual key code of a Qt key, 0 for a key that has none.
int VirtuellerTastencode(int QtTaste, Qt::KeyboardModifiers Umschalter);
