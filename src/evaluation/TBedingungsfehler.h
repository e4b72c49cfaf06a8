#pragma once
// A condition entry of an evaluation object that is no whole number. It ends the page
// evaluation, which then names the object and the entry to the author.

#include <cstdint>
#include <stdexcept>
#include <string>

class TBedingungsfehler : public std::runtime_error {
public:
    // `Beschreibung` and `Eintrag` are UTF-8.
    TBedingungsfehler(int32_t Objekt, std::string Beschreibung, std::string Eintrag)
        : std::runtime_error("condition entry is no whole number"), Objekt(Objekt),
          Beschreibung(std::move(Beschreibung)), Eintrag(std::move(Eintrag)) {}

    int32_t Objekt;
    std::string Beschreibung;
    std::string Eintrag;
};
