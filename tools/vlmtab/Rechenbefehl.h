#pragma once
// `vlmtab calc`: recomputes a lesson's formula data records and saves them with the
// player's own pass, for lessons whose data records were edited outside the player.

#include "vlmtab/Status.h"

#include <filesystem>
#include <ostream>

namespace vlmtab {

// Runs the formulas of the "Daten.tab" in `Lektionsverzeichnis` (any letter case) and saves
// each formula record. Fails when the lesson has no such table or the table engine reported
// an error.
int DatenBerechnen(const std::filesystem::path& Lektionsverzeichnis, std::ostream& Meldungen);

} // namespace vlmtab
