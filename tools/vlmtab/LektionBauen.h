#pragma once
// `vlmtab build`: writes a lesson's table files and its VLM.INI from a readable source, so
// that lessons, test fixtures and benchmark data are kept as text and built by the engine's
// own file writer. The source is JSON:
//
//   {"tables": {"States.tab": [{"nr": 1, "fields": {"100": "1", "101": "Willkommen",
//                                                   "161": ["1", "2"]}}], ...},
//    "ini": {"Lektion": {"Name": "Demo"}, "State": {"Nr": "1"}}}
//
// Table keys are file names of the data dictionary (any letter case). Each record has a
// number "nr" and "fields" keyed by field identifier (below 100: a position); a value is a
// string, a whole number, or a list of them joined with CR LF. Values are placed at their
// field's position in the kind's field list, gaps empty, nothing after the last one given;
// records are written in source order. "comment" keys (top level and records) are ignored.
// The "ini" part becomes VLM.INI: Windows-1252, CR LF, "[Section]" then "Key=Value" lines
// in source order. Text is UTF-8 in the source and Windows-1252 in the lesson.

#include "vlmtab/Status.h"

#include <filesystem>
#include <ostream>
#include <string>
#include <string_view>

namespace vlmtab {

// Builds the lesson of source file `Quelle` into directory `Ziel` (created when missing).
// Every problem of the source is reported, naming the source, table file and record, and
// then nothing is written. Returns the exit status.
int LektionBauen(const std::filesystem::path& Quelle, const std::filesystem::path& Ziel,
                 std::ostream& Meldungen);

// The same for source text in memory; `Quellname` stands for the source in messages.
int LektionAusTextBauen(std::string_view Json, const std::string& Quellname,
                        const std::filesystem::path& Ziel, std::ostream& Meldungen);

} // namespace vlmtab
