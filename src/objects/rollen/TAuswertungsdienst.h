#pragma once
// Role: the evaluation of the page's answers. Until the page holds evaluation objects there
// is nothing to fail.

class TSeitenfenster;

class TAuswertungsdienst {
public:
    virtual ~TAuswertungsdienst() = default;
    // True when the page may be left.
    virtual bool SeiteAuswerten(TSeitenfenster&) { return true; }
};
