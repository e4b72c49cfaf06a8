#pragma once
// Decimal text to whole numbers. Every place that reads a number from text uses one of these
// variants; they differ only in what they accept around and before the digits, and each is
// named for that rule. None of them accepts trailing characters, and a value outside the
// result's range is never cut down: it counts as no number.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace Zahlen {

// Only an optional minus and digits: "-12". The form numbers are written in by the program
// itself (command lines, window commands, record numbers it formats).
std::optional<int32_t> Genau(std::string_view Text);

// An optional plus or minus, then digits: "+12", "-12".
std::optional<int32_t> MitVorzeichen(std::string_view Text);
std::optional<int64_t> MitVorzeichen64(std::string_view Text);

// Blanks before the number (spaces only), then as Genau: an object number line of a page.
std::optional<int32_t> NachLeerzeichen(std::string_view Text);

// Blanks and tabs around the number, optional plus or minus: a number in a configuration file.
std::optional<int32_t> Umrahmt(std::string_view Text);

// A number read from a table value: blanks and tabs before it, optional plus or minus;
// anything that is not such a number, the empty text among it, reads as 0.
int32_t Feldwert(std::string_view Text);

// Digits only, no sign, between MinZiffern and MaxZiffern of them (at most 18).
std::optional<int64_t> Ziffern(std::string_view Text, size_t MinZiffern, size_t MaxZiffern);

} // namespace Zahlen
