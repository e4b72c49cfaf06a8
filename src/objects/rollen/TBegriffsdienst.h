#pragma once
// Role: the glossary window that a marked word of a text opens. Until the glossary is
// installed a marked word opens nothing.

#include <QPoint>

struct TDatensatz;

class TBegriffsdienst {
public:
    virtual ~TBegriffsdienst() = default;
    // Opens the glossary window for a glossary record, its top-left corner at a point on
    // the screen.
    virtual void BegriffsfensterOeffnen(TDatensatz* /*Begriff*/, QPoint /*Bildschirmpunkt*/) {}
};
