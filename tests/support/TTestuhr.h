#pragma once
// A clock that stands where the test puts it.

#include "platform/TUhr.h"

class TTestuhr : public TUhr {
public:
    explicit TTestuhr(QDateTime Zeit = {}) : Zeit(std::move(Zeit)) {}
    QDateTime Jetzt() const override { return Zeit; }
    QDateTime Zeit;
};
