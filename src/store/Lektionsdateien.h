#pragma once
// Where a lesson's files live, and the one lookup through which every file named by
// lesson data is found.

#include <filesystem>
#include <string_view>

struct TLektionsorte {
    std::filesystem::path Programmverzeichnis;
    std::filesystem::path Lektionsverzeichnis;
    std::filesystem::path Arbeitsverzeichnis; // copies of the lesson when it is write-protected
    bool SchreibgeschuetzteLektion = false;
    bool NeuAnlegenOhneFrage = false; // set while the whole lesson is opened at start
};

// The directories and flags of the running lesson.
TLektionsorte& Lektionsorte();

// Lessons come from Windows: stored names use backslashes and any letter case. Turns
// backslashes into slashes and finds each component of `Name` below `Verzeichnis`
// ignoring case; a component that does not exist is kept as written, so the result is
// also the path at which a missing file would be created.
std::filesystem::path LektionsdateiFinden(const std::filesystem::path& Verzeichnis,
                                          std::string_view Name);
// The path `LektionsdateiFinden` answers when every component exists as written, without
// looking at the disk: whoever looks at the file anyway tries it first.
std::filesystem::path LektionsdateiWieGeschrieben(const std::filesystem::path& Verzeichnis,
                                                  std::string_view Name);
