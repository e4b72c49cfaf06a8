#pragma once
// Where a script run finds the lesson: its directory, the script path of "VLM.INI", the
// configuration file that takes the resume page, and the open tables by kind.

#include <filesystem>
#include <functional>
#include <string>

class TTabelle;

struct TScriptLektion {
    std::filesystem::path Lektionsverzeichnis;
    std::string Scriptpfad;                    // key Scriptpfad of section Lektion
    std::filesystem::path Konfigurationsdatei; // empty: the resume page is not written
    std::function<TTabelle*(int Art)> Tabelle; // none for a kind that is not open
};
