#pragma once
// The variables of one script run: names in lower case, values as text, the newest first
// when names are looked up.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class TVariablen {
public:
    // Empties the list and creates Vlm_SW ("1", the step of new pages) and Vlm_SNr (the
    // page shown).
    void Zuruecksetzen(int32_t Seitennummer);

    // The value of a variable of this name in any letter case; none when not declared.
    std::string* Finden(std::string_view Name);
    // False when the name is declared already.
    bool Anlegen(std::string_view Name);

private:
    struct TVariable {
        std::string Name;
        std::string Wert;
    };
    std::vector<TVariable> Liste; // the newest last
};
