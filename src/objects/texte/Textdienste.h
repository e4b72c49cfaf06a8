#pragma once
// What texts need from parts of the program that come later or live above the objects:
// the system values that {n} placeholders show (role `TSystemwertdienst`), and the glossary
// window that a marked word opens (role `TBegriffsdienst`).

#include <QPoint>

#include <cstdint>
#include <string>

struct TDatensatz;

// System value n (Windows-1252 text).
std::string Systemwert(int32_t Nr);
// Opens the glossary window for a glossary record, its top-left corner at a screen point.
void BegriffsfensterOeffnen(TDatensatz* Begriff, QPoint Bildschirmpunkt);
