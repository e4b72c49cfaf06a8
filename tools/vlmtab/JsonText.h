#pragma once
// The small pieces of JSON that vlmtab writes itself (dump lines, whose exact bytes are part
// of its interface) and the key order of a source's objects, which QJsonObject forgets.

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace vlmtab {

// `Utf8` as a JSON string with its quotes: '"' and '\' escaped with a backslash, the
// control characters below 0x20 as \b \f \n \r \t or \u00xx (lower-case hex), everything
// else as it is.
std::string JsonZeichenkette(std::string_view Utf8);

// One line of `vlmtab dump` without its line feed: {"nr":N,"offset":P,"values":[...]}.
// The values are Windows-1252 bytes and come out as UTF-8.
std::string Dumpzeile(int32_t Nr, int32_t Offset, const std::vector<std::string>& Werte);

// The keys of every object in a valid JSON text, in source order and with repetitions,
// by the object's JSON pointer: "" for the outermost, "/tables/States.tab/0/fields", ...
using Schluesselfolgen = std::unordered_map<std::string, std::vector<std::string>>;
Schluesselfolgen SchluesselfolgenLesen(std::string_view Json);

// A JSON pointer one step below `Pfad`.
std::string PfadMit(const std::string& Pfad, std::string_view Schluessel);
std::string PfadMit(const std::string& Pfad, size_t Index);

} // namespace vlmtab
