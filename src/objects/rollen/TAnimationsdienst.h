#pragma once
// Role: the path animations of pictures.

#include <cstdint>

class TAnimationsdienst {
public:
    virtual ~TAnimationsdienst() = default;
    // Picture `Objektnummer` plays its path animation to the end.
    virtual void PfadanimationAbspielen(int32_t /*Objektnummer*/) {}
};
