#pragma once
// What a page evaluation may change before it ends: the window's attempt counter, the
// consumed flags and the counters of the input fields. Taken when an evaluation starts, it
// puts everything back when the evaluation has to be abandoned, so that the page stays as
// the learner left it.

#include "objects/eingabe/THEditfeld.h"

#include <QPointer>

#include <cstdint>
#include <utility>
#include <vector>

class TSeitenfenster;
class TSeitenobjekt;
struct TObjektliste;

class TAuswertungsstand {
public:
    TAuswertungsstand(TSeitenfenster& Fenster, TObjektliste* Liste);
    void Zuruecksetzen();

private:
    TSeitenfenster& Fenster;
    int16_t Versuchszaehler;
    std::vector<std::pair<QPointer<QWidget>, bool>> Verbraucht;
    std::vector<std::pair<QPointer<THEditfeld>, THEditfeld::TZaehlerstand>> Eingabefelder;
};
