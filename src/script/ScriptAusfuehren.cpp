#include "script/ScriptAusfuehren.h"

#include "store/Config.h"
#include "store/Lektion.h"
#include "store/Lektionsdateien.h"

#include <fstream>
#include <system_error>

namespace fs = std::filesystem;

TScriptLektion LaufendeLektion() {
    return {Lektionsorte().Lektionsverzeichnis, Konfiguration().Scriptpfad,
            KonfigurationsdateiPfad(), [](int Art) { return Tabelle(Art); }};
}

bool ScriptAusfuehren(const std::string& Dateiname, TScriptUmgebung& Umgebung) {
    return ScriptAusfuehren(Dateiname, LaufendeLektion(), Umgebung);
}

bool ScriptAusfuehren(const std::string& Dateiname, const TScriptLektion& Lektion,
                      TScriptUmgebung& Umgebung, TScriptModus Modus) {
    const std::string name = Dateinamensteil(Dateiname);
    if (!name.empty()) {
        if (const auto datei = ScriptdateiFinden(Lektion, name)) {
            // An unreadable script runs as an empty one.
            const auto zeilen = ScriptzeilenLesen(*datei).value_or(std::vector<std::string>{});
            TScript(Lektion, Umgebung, Modus).Ausfuehren(zeilen, name);
        }
    }
    Umgebung.AnstehendesScriptLoeschen();
    return true;
}

std::string Dateinamensteil(std::string_view Dateiname) {
    const size_t trenner = Dateiname.find_last_of("/\\:");
    return std::string(trenner == std::string_view::npos ? Dateiname
                                                         : Dateiname.substr(trenner + 1));
}

std::optional<fs::path> ScriptdateiFinden(const TScriptLektion& Lektion, std::string_view Name) {
    std::error_code fehler;
    std::string unterPfad = Lektion.Scriptpfad;
    if (!unterPfad.empty() && unterPfad.back() != '\\' && unterPfad.back() != '/')
        unterPfad += '\\';
    for (const std::string& kandidat : {unterPfad + std::string(Name), std::string(Name)}) {
        const fs::path pfad = LektionsdateiFinden(Lektion.Lektionsverzeichnis, kandidat);
        if (fs::is_regular_file(pfad, fehler)) return pfad;
    }
    return std::nullopt;
}

std::optional<std::vector<std::string>> ScriptzeilenLesen(const fs::path& Datei) {
    std::ifstream ein(Datei, std::ios::binary);
    if (!ein) return std::nullopt;
    std::vector<std::string> zeilen;
    for (std::string zeile; std::getline(ein, zeile);) {
        if (!zeile.empty() && zeile.back() == '\r') zeile.pop_back();
        zeilen.push_back(std::move(zeile));
    }
    if (ein.bad()) return std::nullopt;
    return zeilen;
}
