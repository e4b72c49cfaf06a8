#pragma once
// Role: the system values that {n} placeholders and system labels show. Until the part
// that computes them is installed a system value is the empty text and nothing refreshes.

#include <cstdint>
#include <optional>
#include <string>

class TSystemwertdienst {
public:
    virtual ~TSystemwertdienst() = default;
    // System value `Nr` as Windows-1252 text.
    virtual std::string Systemwert(int32_t /*Nr*/) { return {}; }
    // System value `Nr` for a page `Ziel` and an object `Objektnummer`, as a system label
    // asks for it; none where the value is written from outside and nothing has been
    // written yet.
    virtual std::optional<std::string> SystemwertFuer(int32_t Nr, int32_t /*Ziel*/,
                                                      int32_t /*Objektnummer*/) {
        return Systemwert(Nr);
    }
    // System labels of the current learner window refresh, and drawings of drawing types
    // 200-299 repaint.
    virtual void SystemanzeigenAktualisieren() {}
};
