#pragma once
// UTF-8 text from the command line or a lesson source turned into the Windows-1252 bytes of
// a table or VLM.INI value, refusing what the file cannot hold instead of dropping or
// replacing it.

#include <optional>
#include <string>
#include <string_view>

namespace vlmtab {

// The Windows-1252 bytes of `Utf8`; none when it is not valid UTF-8 or holds a character
// that Windows-1252 lacks. `Grund` then tells which, e.g. "holds U+4E2D '中', which
// Windows-1252 cannot hold".
std::optional<std::string> AnsiAusUtf8(std::string_view Utf8, std::string& Grund);

// As AnsiAusUtf8, and also none for NUL or ESC (the table's value and record marks).
std::optional<std::string> TabellenwertAusUtf8(std::string_view Utf8, std::string& Grund);

} // namespace vlmtab
