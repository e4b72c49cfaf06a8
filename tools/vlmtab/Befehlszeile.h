#pragma once
// The command line of vlmtab: picks the command, checks its arguments and calls the
// command's function. Kept in the library so that tests drive the whole interface.

#include "vlmtab/Status.h"

#include <ostream>
#include <string>
#include <vector>

namespace vlmtab {

// Runs `vlmtab` with `Argumente` (without the program name). Output goes to `Aus`, help
// too; messages to `Meldungen`. Returns the exit status: 0 success, 1 failure, 2 usage.
int Befehlszeile(const std::vector<std::string>& Argumente, std::ostream& Aus,
                 std::ostream& Meldungen);

} // namespace vlmtab
