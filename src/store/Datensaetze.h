#pragma once
// The data records of "Daten.tab": named values that page objects show and learners fill,
// and the formula records computed from other records.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

class TTabelle;

// Recomputes every formula record in one pass by ascending record number, saves each
// one, then refreshes what shows data records on the current page (`TDatenanzeige`). False when a
// record could not be saved (the table engine has reported it).
bool Berechnen(TTabelle& DatenTabelle);
// The same on the open data table of the running lesson; nothing when none is open.
bool Berechnen();

// The pass and the saves, without the refresh.
bool FormelnBerechnen(TTabelle& DatenTabelle);

// Opens the lesson's "Daten.tab", recomputes and saves it; false when the table is missing
// or a record could not be saved.
bool BerechnenDatei(const std::filesystem::path& LektionsVerzeichnis);

// The value (field 301) of data record `Nr` of the running lesson; none when the lesson has
// no such record.
std::optional<std::string> Datensatzinhalt(int32_t Nr);
