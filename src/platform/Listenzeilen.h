#pragma once
// Lists inside a lesson field are lines separated by line breaks.

#include <QStringList>

#include <string>
#include <string_view>
#include <vector>

// The lines of a list field (Windows-1252): split at CR LF or a lone LF, a last empty line
// dropped.
QStringList Zeilen(const std::string& Inhalt);

// The same lines kept as Windows-1252 text.
std::vector<std::string> AnsiZeilen(std::string_view Inhalt);
