#pragma once
// The evaluation of a learner window's page as the window's commands and forward button ask
// for it: the page evaluation over the window's object list.

#include "objects/rollen/TAuswertungsdienst.h"

class TAntwortauswertung : public TAuswertungsdienst {
public:
    bool SeiteAuswerten(TSeitenfenster& Fenster) override;
};
