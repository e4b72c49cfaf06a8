#pragma once
// What texts need from parts of the program that come later or live above the objects:
// the system values that {n} placeholders and system labels show, and the glossary window that
// a marked word opens. Each is a function set by the module that provides it; until then
// there is no system value and a marked word opens nothing.

#include <QPoint>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

struct TDatensatz;

// System value `Nr` for a page `Ziel` and an object `Objektnummer`; none where the value is
// written from outside and nothing has been written yet.
using TSystemwertlieferant =
    std::function<std::optional<std::string>(int32_t Nr, int32_t Ziel, int32_t Objektnummer)>;
using TBegriffsfensterOeffner = std::function<void(TDatensatz* Begriff, QPoint Bildschirmpunkt)>;

// Sets the provider of the system values (Windows-1252 text); an empty function restores the
// default, which answers none. Answers the one set before.
TSystemwertlieferant SystemwertlieferantSetzen(TSystemwertlieferant Lieferant);
std::optional<std::string> Systemwert(int32_t Nr, int32_t Ziel, int32_t Objektnummer);
// The value as a text placeholder shows it: "" where there is none.
std::string Systemwert(int32_t Nr);

// Sets what opens the glossary window for a glossary record, its top-left corner at a point
// on the screen; an empty function restores the default, which does nothing. Answers the
// one set before.
TBegriffsfensterOeffner BegriffsfensterOeffnerSetzen(TBegriffsfensterOeffner Oeffner);
void BegriffsfensterOeffnen(TDatensatz* Begriff, QPoint Bildschirmpunkt);
