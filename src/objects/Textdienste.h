#pragma once
// What texts need from parts of the program that come later or live above the objects:
// the system values that {n} placeholders show, and the glossary window that a marked word
// opens. Each is a function set by the module that provides it; until then system values are
// the empty text and a marked word opens nothing.

#include <QPoint>

#include <cstdint>
#include <functional>
#include <string>

struct TDatensatz;

using TSystemwertlieferant = std::function<std::string(int32_t Nr)>;
using TBegriffsfensterOeffner = std::function<void(TDatensatz* Begriff, QPoint Bildschirmpunkt)>;

// Sets the provider of system value n (Windows-1252 text); an empty function restores the
// default, which answers "". Answers the one set before.
TSystemwertlieferant SystemwertlieferantSetzen(TSystemwertlieferant Lieferant);
std::string Systemwert(int32_t Nr);

// Sets what opens the glossary window for a glossary record, its top-left corner at a point
// on the screen; an empty function restores the default, which does nothing. Answers the
// one set before.
TBegriffsfensterOeffner BegriffsfensterOeffnerSetzen(TBegriffsfensterOeffner Oeffner);
void BegriffsfensterOeffnen(TDatensatz* Begriff, QPoint Bildschirmpunkt);
