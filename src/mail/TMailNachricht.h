#pragma once
// One mail as the callers put it together. Texts are UTF-8: callers convert lesson text with
// AnsiNachUtf8 first.

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

struct TMailNachricht {
    std::vector<std::string> Empfaenger;
    std::string AbsenderName;
    std::string AbsenderAdresse;
    // Empty: no Reply-To header, replies go to the sender.
    std::string Antwortadresse;
    std::string Betreff;
    // Empty: the moment of sending.
    std::optional<std::chrono::system_clock::time_point> Datum;
    // A line may itself hold line breaks of any kind; each becomes a line of its own.
    std::vector<std::string> Textzeilen;
    std::vector<std::filesystem::path> Anlagen;
    std::string Mailprogramm = "Velmora";
};
