#pragma once
// Running a script by name: the file is looked for under the lesson's script path, then in
// the lesson directory, read whole, and run to its end.

#include "script/TScript.h"
#include "script/TScriptLektion.h"
#include "script/TScriptUmgebung.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The running lesson: its directory, the script path and configuration file of "VLM.INI",
// and its open tables.
TScriptLektion LaufendeLektion();

// Runs the script `Dateiname` of the running lesson; only the file-name part counts. An
// empty name or a missing file ends at once without a message. Always true.
bool ScriptAusfuehren(const std::string& Dateiname, TScriptUmgebung& Umgebung);
bool ScriptAusfuehren(const std::string& Dateiname, const TScriptLektion& Lektion,
                      TScriptUmgebung& Umgebung, TScriptModus Modus = {});

// The file-name part of a name written with slashes or backslashes.
std::string Dateinamensteil(std::string_view Dateiname);

// The script file: lesson directory + script path + name, else lesson directory + name;
// none when neither exists.
std::optional<std::filesystem::path> ScriptdateiFinden(const TScriptLektion& Lektion,
                                                       std::string_view Name);

// The lines of the file without their line ends; none when it cannot be read.
std::optional<std::vector<std::string>> ScriptzeilenLesen(const std::filesystem::path& Datei);
