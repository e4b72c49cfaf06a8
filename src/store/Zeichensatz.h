#pragma once
// Lesson text is single-byte Windows-1252; everything else in the program is UTF-8.
// These are the only conversions between the two.

#include <optional>
#include <string>
#include <string_view>

// Every byte has a meaning; the five bytes Windows-1252 leaves undefined map to the
// C1 control characters of the same code, so that any table value survives a round trip.
std::string AnsiNachUtf8(std::string_view Ansi);

// None when the text is not valid UTF-8 or holds a character Windows-1252 cannot hold.
std::optional<std::string> Utf8NachAnsi(std::string_view Utf8);

// As above, but a character that cannot be held becomes `Ersatz`.
std::string Utf8NachAnsiErsetzt(std::string_view Utf8, char Ersatz = '?');
