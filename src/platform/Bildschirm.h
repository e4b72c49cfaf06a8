#pragma once
// Screen metrics as the lesson sees them; tests put a screen of their own in place.

#include <QSize>

// Role: the screen the lesson is shown on.
class TBildschirm {
public:
    virtual ~TBildschirm() = default;
    // The primary screen's size (800 x 600 without a screen).
    virtual QSize Groesse();
};

QSize Bildschirmgroesse();
