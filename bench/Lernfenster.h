#pragma once
// A lesson directory that a benchmark has written, opened as the running lesson with its
// first learner window shown; on destruction the window and the lesson are closed and the
// directory is removed.

#include "app/TVerdrahtung.h"

#include <filesystem>
#include <string>

class THauptfenster;

class TBenchlektion {
public:
    explicit TBenchlektion(std::filesystem::path Verzeichnis);
    ~TBenchlektion();
    TBenchlektion(const TBenchlektion&) = delete;
    TBenchlektion& operator=(const TBenchlektion&) = delete;

    // Writes the lesson's tables from the text form `Quelle` into the directory; the
    // messages of the build when it failed, empty when it succeeded.
    std::string AusTextBauen(const std::string& Quelle);
    // Opens the lesson and shows the learner window; call once the files are written.
    void Oeffnen();

    TVerdrahtung Verdrahtung;
    const std::filesystem::path Verzeichnis;
    THauptfenster* Fenster = nullptr;
};
