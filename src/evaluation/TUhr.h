#pragma once
// The clock the learning time is measured with. The program uses the system's monotonic
// clock; tests hand in one they move themselves.

#include <chrono>

class TUhr {
public:
    using Zeitpunkt = std::chrono::steady_clock::time_point;

    virtual ~TUhr() = default;
    virtual Zeitpunkt Jetzt() const { return std::chrono::steady_clock::now(); }
};

// The system's clock; it holds no state.
const TUhr& Systemuhr();
