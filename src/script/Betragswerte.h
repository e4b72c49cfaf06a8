#pragma once
// The amounts of values 3000 to 3004: the contents of an input field read as a decimal
// number in the German number format, shown with thousands separators, and its share with
// and of 16 per cent.

#include <optional>
#include <string>
#include <string_view>

// "1.234,50" and "1234,5" are numbers; anything else (also the empty text) is none.
std::optional<double> DezimalzahlLesen(std::string_view Text);

// Thousands separators and 2 decimals at a precision of 7 significant digits: "1.234,50".
std::string BetragText(double Zahl);

// The integer part (value 3001/3003) and the hundredths of the fraction, rounded (3002/3004),
// of `Zahl` × `Prozent` / 100.
std::string Ganzzahlanteil(double Zahl, int Prozent);
std::string Hundertstelanteil(double Zahl, int Prozent);
