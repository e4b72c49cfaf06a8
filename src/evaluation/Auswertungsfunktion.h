#pragma once
// What an evaluation object does when its condition is met: its function number (`Typ`)
// names one of the object actions, which runs with the object's text, object and page
// numbers. Commands it posts take effect after the evaluation; texts, windows and shown
// objects act at once.

#include <cstdint>

// The object action (stored number) of function `Typ`; -1 for 0 and for numbers without one.
int32_t AuswertungsAktion(int32_t Typ);

// Runs function `Typ`; 0 and numbers without a function do nothing.
void Auswertungsfunktion(int32_t Typ, int32_t TextNr, int32_t Objektnummer, int32_t Ziel);
