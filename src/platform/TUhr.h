#pragma once
// The one clock through which the program reads the date and the time of day; tests put a
// clock with a fixed time in its place.

#include <QDateTime>

class TUhr {
public:
    virtual ~TUhr() = default;
    // The local date and time now.
    virtual QDateTime Jetzt() const;
};
