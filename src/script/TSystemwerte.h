#pragma once
// The system values: numbered values of the running system (dates, times, window and screen
// data, page numbers, progress, answer counts, learning-management values, amounts from an
// input field) that system labels, text placeholders and input fields show.

#include "script/TSystemwertquellen.h"

#include <QDateTime>

#include <cstdint>
#include <optional>
#include <string>

class TUhr;

class TSystemwerte {
public:
    // The learning time of value 306 counts from here.
    TSystemwerte(TSystemwertquellen& Quellen, const TUhr& Uhr);

    // Value `Wert` as Windows-1252 text; `Ziel` is the page of value 200, `Objektnummer` the
    // object the value names. None for the values written from outside (30, 1006) while
    // nothing has been written: the text that shows them stays as it is.
    std::optional<std::string> Systemwert(int32_t Wert, int32_t Ziel, int32_t Objektnummer) const;

private:
    std::optional<std::string> Zeitwert(int32_t Wert) const;
    std::optional<std::string> Fensterwert(int32_t Wert) const;
    std::optional<std::string> Lernwert(int32_t Wert, int32_t Ziel) const;
    std::optional<std::string> Lernplattformwert(int32_t Wert) const;
    std::optional<std::string> Objektwert(int32_t Wert, int32_t Objektnummer) const;
    std::optional<std::string> Antwortwert(int32_t Wert) const;
    std::optional<std::string> Betragswert(int32_t Wert, int32_t Objektnummer) const;

    TSystemwertquellen& Quellen;
    const TUhr& Uhr;
    QDateTime Programmstart;
};
