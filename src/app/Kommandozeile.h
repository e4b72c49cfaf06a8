#pragma once
// What the player was asked to do on its command line.

#include <filesystem>
#include <string>
#include <vector>

struct TKommandozeile {
    bool Hilfe = false;
    bool Version = false;
    std::filesystem::path Lektionsverzeichnis; // empty: the program's own directory
    std::string Seite;                         // first plain argument, "" when none
    std::filesystem::path Bildschirmfoto;      // --screenshot: grab the first page, then end
    std::filesystem::path Protokolldatei;      // --log: protocol for lesson authors
    std::string Fehler;                        // not empty: the line could not be understood
};

TKommandozeile KommandozeileLesen(const std::vector<std::string>& Argumente);

// The page named on the command line: a number above 0, anything else counts as 0.
int KommandozeilenSeite(const std::string& Seite);

std::string Hilfetext();
std::string Versionstext();

// A clear message when the lesson directory cannot be used; "" when it can.
std::string LektionsverzeichnisPruefen(const std::filesystem::path& Verzeichnis);
