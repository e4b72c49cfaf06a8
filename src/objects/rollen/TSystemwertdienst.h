#pragma once
// Role: the system values that {n} placeholders and system labels show. Until the part
// that computes them is installed a system value is the empty text and nothing refreshes.

#include <cstdint>
#include <string>

class TSystemwertdienst {
public:
    virtual ~TSystemwertdienst() = default;
    // System value `Nr` as Windows-1252 text.
    virtual std::string Systemwert(int32_t /*Nr*/) { return {}; }
    // System labels refresh, and drawings of drawing types 200-299 repaint.
    virtual void SystemanzeigenAktualisieren() {}
};
