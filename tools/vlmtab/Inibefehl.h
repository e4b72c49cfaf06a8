#pragma once
// `vlmtab ini`: reads or writes one key of a lesson's VLM.INI with the player's own reader
// and writer, so that a repaired file is exactly what the player would have left. The
// command line is UTF-8, the file Windows-1252.

#include "vlmtab/Status.h"

#include <filesystem>
#include <ostream>
#include <string_view>

namespace vlmtab {

// The value of `Schluessel` in `Abschnitt` (UTF-8) and a line feed to `Aus`. Fails, naming
// what is missing, when the file, the section or the key does not exist.
int IniWertAusgeben(const std::filesystem::path& Datei, std::string_view Abschnitt,
                    std::string_view Schluessel, std::ostream& Aus, std::ostream& Meldungen);

// Writes `Wert` into the key as the player writes its resume page: the key's first line in
// the section gets the new value, every other byte stays; a missing key, section or file
// is added. Text that Windows-1252 cannot hold or that would break the line is refused.
int IniWertEintragen(const std::filesystem::path& Datei, std::string_view Abschnitt,
                     std::string_view Schluessel, std::string_view Wert, std::ostream& Meldungen);

} // namespace vlmtab
