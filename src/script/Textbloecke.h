#pragma once
// The text blocks of "VLWDB.TXT": block n begins right after the marker "@Nr@n@" and runs
// to the next "@Nr@" or to the end of the file.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

inline constexpr const char* TextblockDateiname = "VLWDB.TXT";

// The whole file; none when it cannot be read, with the system's reason in `Fehlertext`.
std::optional<std::string> TextbloeckeLesen(const std::filesystem::path& Datei,
                                            std::string& Fehlertext);

// Block `Nr` of the file's text; none when its marker is missing.
std::optional<std::string> Textblock(std::string_view Inhalt, int32_t Nr);
