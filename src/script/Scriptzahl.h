#pragma once
// Numbers in script parameters and the letter case of script words. Script text is
// Windows-1252, so upper and lower case include the accented letters.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// A decimal integer with an optional sign, or a hexadecimal one after "$" ("-$1F"); none
// when the text is anything else or does not fit 32 bits.
std::optional<int32_t> ScriptZahl(std::string_view Text);

// The text in lower case (A-Z and the Windows-1252 capitals À-Þ).
std::string Kleinschreibung(std::string_view Text);
bool GleichOhneGrossKlein(std::string_view a, std::string_view b);
