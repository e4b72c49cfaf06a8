#pragma once
// The table commands of vlmtab (dump, get, set, delete) as functions over the table engine,
// for the executable, tests and tools. Each returns the exit status and writes what went
// wrong to `Meldungen`, one line per problem naming the file and record. Boxes of the
// table engine go through the installed dialog service and also count as failures.

#include "vlmtab/Status.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <ostream>
#include <string_view>

namespace vlmtab {

// The kind to open `Datei` with: `Art` when given, else the kind whose file name equals
// the file's name ignoring case. None (and a message) when neither tells it.
std::optional<int> ArtBestimmen(const std::filesystem::path& Datei, std::optional<int> Art,
                                std::ostream& Meldungen);

// `vlmtab dump`: one dump line (see Dumpzeile) per record in list order to `Aus`.
int TabelleAusgeben(const std::filesystem::path& Datei, std::optional<int> Art, std::ostream& Aus,
                    std::ostream& Meldungen);

// `vlmtab get`: the value (UTF-8) and a line feed to `Aus`. `FeldId` below 100 is a
// position, as in the engine; one of 100 or more must be in the kind's field list.
int WertLesen(const std::filesystem::path& Datei, int32_t Nr, int FeldId, std::optional<int> Art,
              std::ostream& Aus, std::ostream& Meldungen);

// `vlmtab set`: writes the UTF-8 `Wert` into the field, creating the table file and the
// record when missing, and saves the record.
int WertSetzen(const std::filesystem::path& Datei, int32_t Nr, int FeldId, std::string_view Wert,
               std::optional<int> Art, std::ostream& Meldungen);

// `vlmtab delete`: removes the record from the list and the file.
int DatensatzLoeschen(const std::filesystem::path& Datei, int32_t Nr, std::optional<int> Art,
                      std::ostream& Meldungen);

} // namespace vlmtab
