#include "app/Kommandozeile.h"

#include <charconv>
#include <iterator>
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
        } else if (a == "--aicc" || a.rfind("--aicc=", 0) == 0) {
            k.Startdatei = wert("--aicc");
        } else if (a == "--send" || a.rfind("--send=", 0) == 0) {
            k.Senden = true;
            k.Sendetyp = wert("--send");
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
    if (k.Senden && k.Fehler.empty()) {
        // The plain argument is the command's argument, not a page to start at.
        k.Sendeargument = k.Seite;
        k.Seite.clear();
        int32_t argument = 0;
        if (Sendetyp(k.Sendetyp) == 0)
            k.Fehler = "unbekannter Befehl " + k.Sendetyp;
        else if (!Sendeargument(k.Sendeargument, argument))
            k.Fehler = "das Argument " + k.Sendeargument + " ist keine Zahl";
        else if (!k.Bildschirmfoto.empty())
            k.Fehler = "--send und --screenshot schließen einander aus";
    }
    return k;
}

namespace {

// The names of the remote command types, in type order from 1.
const char* const Befehlsnamen[] = {
    "seite",        "auswerten", "weiter",      "auswerten-seite", "auswerten-weiter",
    "beenden",      "fenster",   "modal",       "drucken",         "zuruecksetzen",
    "aktualisieren", "lesezeichen", "zurueck", "zeigen",
};

bool Ganzzahl(const std::string& Text, int32_t& Wert) {
    const auto [ende, fehler] = std::from_chars(Text.data(), Text.data() + Text.size(), Wert);
    return !Text.empty() && fehler == std::errc() && ende == Text.data() + Text.size();
}

} // namespace

int Sendetyp(const std::string& Typ) {
    constexpr int anzahl = static_cast<int>(std::size(Befehlsnamen));
    int32_t nr = 0;
    if (Ganzzahl(Typ, nr)) return nr >= 1 && nr <= anzahl ? nr : 0;
    for (int i = 0; i < anzahl; ++i)
        if (Typ == Befehlsnamen[i]) return i + 1;
    return 0;
}

bool Sendeargument(const std::string& Text, int32_t& Wert) {
    Wert = 0;
    return Text.empty() || Ganzzahl(Text, Wert);
}

int KommandozeilenSeite(const std::string& Seite) {
    int nr = 0;
    const auto [ende, fehler] = std::from_chars(Seite.data(), Seite.data() + Seite.size(), nr);
    if (fehler != std::errc() || ende != Seite.data() + Seite.size() || nr < 1) return 0;
    return nr;
}

std::string Hilfetext() {
    return "Aufruf: vlm [--lesson VERZEICHNIS] [SEITE]\n"
           "       vlm --send BEFEHL [ARGUMENT] [--lesson VERZEICHNIS]\n"
           "\n"
           "Zeigt das Lernprogramm im Lektionsverzeichnis (ohne --lesson: das Verzeichnis\n"
           "des Programms) und beginnt bei SEITE, sonst bei der Wiederaufnahmeseite.\n"
           "Mit --send erhält der laufende Spieler dieser Lektion einen Befehl:\n"
           "  1 seite N, 2 auswerten, 3 weiter, 4 auswerten-seite N, 5 auswerten-weiter,\n"
           "  6 beenden, 7 fenster N, 8 modal N, 9 drucken, 10 zuruecksetzen,\n"
           "  11 aktualisieren, 12 lesezeichen, 13 zurueck, 14 zeigen N (Objektnummer).\n"
           "Status 0: zugestellt; 1: kein Spieler läuft für die Lektion.\n"
           "\n"
           "  --lesson VERZEICHNIS   das Lektionsverzeichnis\n"
           "  --screenshot DATEI     die erste Seite als PNG-Bild speichern und beenden\n"
           "  --log DATEI            jede Seite, jedes Ereignis und jeden Befehl protokollieren\n"
           "  --aicc DATEI           Startdatei eines Lernmanagementsystems (sonst param.cmi\n"
           "                         im Lektionsverzeichnis); die Lernzeit geht am Ende in\n"
           "                         die Ausgabedatei, die sie nennt\n"
           "  --send BEFEHL          einen Befehl an den laufenden Spieler senden\n"
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
