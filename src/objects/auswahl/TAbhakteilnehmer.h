#pragma once
// The tick-off marks' part in the page build: once the page's objects stand, and after the
// learner data were deleted or changed, every tick-off mark of the window shows its page's
// state anew.

#include "objects/rollen/TSeitenteilnehmer.h"

class TAbhakteilnehmer : public TSeitenteilnehmer {
public:
    void ObjekteAufgebaut(TSeitenfenster& Fenster) override;
    void LernerdatenGeloescht(TSeitenfenster& Fenster) override;
    void LernerdatenGeaendert(TSeitenfenster& Fenster) override;
};
