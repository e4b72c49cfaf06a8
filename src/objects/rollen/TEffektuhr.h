#pragma once
// Role: the pause between the steps of an effect. The default waits one millisecond per
// unit; the effects of the program and tests put their own clock in place.

#include <cstdint>

class TEffektuhr {
public:
    virtual ~TEffektuhr() = default;
    virtual void EffektPause(int32_t Einheiten);
};
