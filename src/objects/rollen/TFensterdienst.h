#pragma once
// Role: further learner windows, opened from a learner window.

#include <cstdint>

class TSeitenfenster;

// Modeless, modal, or modal with a dialog border.
enum class Fensterart { Ohne, Modal, Dialog };

class TFensterdienst {
public:
    virtual ~TFensterdienst() = default;
    // Opens page `Seite` (the current page when 0 or less) in another learner window.
    virtual void FensterOeffnen(TSeitenfenster& /*Oeffner*/, int32_t /*Seite*/, Fensterart) {}
};
