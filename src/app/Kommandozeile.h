#pragma once
// What the player was asked to do on its command line.

#include <cstdint>
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
    std::filesystem::path Startdatei;          // --aicc: start file of a learning-management system
    bool Senden = false;                       // --send: one command to the running player
    std::string Sendetyp;                      // its type, a number or a name
    std::string Sendeargument;                 // its argument (the plain argument), "" for 0
    std::string Fehler;                        // not empty: the line could not be understood
};

TKommandozeile KommandozeileLesen(const std::vector<std::string>& Argumente);

// The page named on the command line: a number above 0, anything else counts as 0.
int KommandozeilenSeite(const std::string& Seite);

// The remote command type of `--send TYPE`: 1 to 14, or its name ("weiter", "seite",
// ...); 0 when it is neither.
int Sendetyp(const std::string& Typ);
// The argument of `--send TYPE ARG`: a 32-bit number; "" gives 0. False when it is no
// such number.
bool Sendeargument(const std::string& Text, int32_t& Wert);

std::string Hilfetext();
std::string Versionstext();

// A clear message when the lesson directory cannot be used; "" when it can.
std::string LektionsverzeichnisPruefen(const std::filesystem::path& Verzeichnis);
