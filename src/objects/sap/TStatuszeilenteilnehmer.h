#pragma once
// The status lines' part in the learner window's input: the Insert key flips the overwrite
// mode of every status line on the page and raises the window's event for the new mode;
// a resized window takes its status lines along its bottom edge.

#include "objects/rollen/TSeitenteilnehmer.h"

class TStatuszeilenteilnehmer : public TSeitenteilnehmer {
public:
    void Einfuegetaste(TSeitenfenster& Fenster) override;
    void GroesseGeaendert(TSeitenfenster& Fenster) override;
};
