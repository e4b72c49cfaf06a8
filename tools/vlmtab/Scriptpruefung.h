#pragma once
// `vlmtab script-check`: checks a lesson script as an author's editor would, without running
// it: every line is taken apart and its parameters checked and counted, nothing is changed.

#include "vlmtab/Status.h"

#include <filesystem>
#include <optional>
#include <ostream>

namespace vlmtab {

// Prints the diagnostics rows, then "Syntax OK" or "Script kann nicht ausgeführt werden".
// With `Lektion` the script is found as the player finds it (under the script path of the
// lesson's VLM.INI, then in the lesson directory), else at `Script` itself. Fails (1) when
// the script has errors; 2 when it cannot be read.
int ScriptPruefen(const std::filesystem::path& Script,
                  const std::optional<std::filesystem::path>& Lektion, std::ostream& Aus,
                  std::ostream& Meldungen);

} // namespace vlmtab
