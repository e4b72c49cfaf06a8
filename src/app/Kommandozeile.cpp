#include "app/Kommandozeile.h"

#include <charconv>
#include <dirent.h>

namespace fs = std::filesystem;

TKommandozeile KommandozeileLesen(const std::vector<std::string>& Argumente) {
    TKommandozeile k;
    bool seiteGelesen = false;
    for (size_t i = 0; i < Argumente.size(); ++i) {
        const std::string& a = Argumente[i];
        auto wert = [&](const std::string& Option) -> std::string {
            if (a.size() > Option.size() && a.compare(0, Option.size() + 1, Option + "=") == 0)
                return a.substr(Option.size() + 1);
            if (i + 1 < Argumente.size()) return Argumente[++i];
            k.Fehler = Option + " braucht einen Wert";
            return {};
        };
        if (a == "--help" || a == "-h") {
            k.Hilfe = true;
        } else if (a == "--version") {
            k.Version = true;
        } else if (a == "--lesson" || a.rfind("--lesson=", 0) == 0) {
            k.Lektionsverzeichnis = wert("--lesson");
        } else if (a == "--screenshot" || a.rfind("--screenshot=", 0) == 0) {
            k.Bildschirmfoto = wert("--screenshot");
        } else if (a == "--log" || a.rfind("--log=", 0) == 0) {
            k.Protokolldatei = wert("--log");
        } else if (a.size() > 1 && a[0] == '-' && !(a[1] >= '0' && a[1] <= '9')) {
            k.Fehler = "unbekannte Option " + a;
        } else if (!seiteGelesen) {
            k.Seite = a;
            seiteGelesen = true;
        } else {
            k.Fehler = "zu viele Argumente: " + a;
        }
        if (!k.Fehler.empty()) break;
    }
    return k;
}

int KommandozeilenSeite(const std::string& Seite) {
    int nr = 0;
    const auto [ende, fehler] = std::from_chars(Seite.data(), Seite.data() + Seite.size(), nr);
    if (fehler != std::errc() || ende != Seite.data() + Seite.size() || nr < 1) return 0;
    return nr;
}

std::string Hilfetext() {
    return "Aufruf: vlm [--lesson VERZEICHNIS] [SEITE]\n"
           "\n"
           "Zeigt das Lernprogramm im Lektionsverzeichnis (ohne --lesson: das Verzeichnis\n"
           "des Programms) und beginnt bei SEITE, sonst bei der Wiederaufnahmeseite.\n"
           "\n"
           "  --lesson VERZEICHNIS   das Lektionsverzeichnis\n"
           "  --screenshot DATEI     die erste Seite als PNG-Bild speichern und beenden\n"
           "  --log DATEI            jede Seite, jedes Ereignis und jeden Befehl protokollieren\n"
           "  --help                 diese Hilfe\n"
           "  --version              die Version\n";
}

std::string Versionstext() { return "Velmora " VELMORA_VERSION "\n"; }

std::string LektionsverzeichnisPruefen(const fs::path& Verzeichnis) {
    std::error_code fehler;
    if (!fs::exists(Verzeichnis, fehler))
        return "Das Lektionsverzeichnis " + Verzeichnis.string() + " gibt es nicht.";
    if (!fs::is_directory(Verzeichnis, fehler))
        return Verzeichnis.string() + " ist kein Verzeichnis.";
    DIR* d = ::opendir(Verzeichnis.c_str());
    if (!d) return "Das Lektionsverzeichnis " + Verzeichnis.string() + " kann nicht gelesen werden.";
    ::closedir(d);
    return {};
}
