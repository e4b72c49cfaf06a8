#pragma once
// The system labels' part in the page build: last before the page counts as built, and after
// the learner data were deleted, every system label of the window shows its value anew.

#include "objects/rollen/TSeitenteilnehmer.h"

class TSystemlabelteilnehmer : public TSeitenteilnehmer {
public:
    void SeiteFertig(TSeitenfenster& Fenster) override;
    void LernerdatenGeloescht(TSeitenfenster& Fenster) override;
};
