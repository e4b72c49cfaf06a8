#pragma once
// UTF-8 text from the command line or a lesson source turned into the Windows-1252 bytes of
// a table value, refusing what the table cannot hold instead of dropping or replacing it.

#include <optional>
#include <string>
#include <string_view>

namespace vlmtab {

// The Windows-1252 bytes of `Utf8`; none when it is not valid UTF-8, holds a character
// that Windows-1252 lacks, or holds NUL or ESC (the table's value and record marks).
// `Grund` then tells which character, e.g. "U+4E2D '中' is not in Windows-1252".
std::optional<std::string> TabellenwertAusUtf8(std::string_view Utf8, std::string& Grund);

} // namespace vlmtab
