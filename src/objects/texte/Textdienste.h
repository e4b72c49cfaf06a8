#pragma once
// What texts need from parts of the program that come later or live above the objects:
// the system values that {n} placeholders show (role `TSystemwertdienst`), and the glossary
// window that a marked word opens (role `TBegriffsdienst`).

#include <QPoint>

#include <cstdint>
#include <optional>
#include <string>

struct TDatensatz;

// System value n (Windows-1252 text).
std::string Systemwert(int32_t Nr);
// System value `Nr` for a page and an object; none where nothing has been written yet.
std::optional<std::string> Systemwert(int32_t Nr, int32_t Ziel, int32_t Objektnummer);
// Opens the glossary window for a glossary record, its top-left corner at a screen point.
void BegriffsfensterOeffnen(TDatensatz* Begriff, QPoint Bildschirmpunkt);
