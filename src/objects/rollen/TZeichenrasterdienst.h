#pragma once
// Role: the character grids of the page as the actions use them.

class TZeichenrasterdienst {
public:
    virtual ~TZeichenrasterdienst() = default;
    // Every character grid of the page goes into its checked state and repaints.
    virtual void ZeichenrasterPruefen() {}
};
