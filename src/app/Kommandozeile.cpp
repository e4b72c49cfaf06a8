#include "app/Kommandozeile.h"

#include "store/Zahlen.h"

#include <dirent.h>
#include <iterator>

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
            k.Fehler = Option + " needs a value";
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
            k.Fehler = "unknown option " + a;
        } else if (!seiteGelesen) {
            k.Seite = a;
            seiteGelesen = true;
        } else {
            k.Fehler = "too many arguments: " + a;
        }
        if (!k.Fehler.empty()) break;
    }
    if (k.Senden && k.Fehler.empty()) {
        // The plain argument is the command's argument, not a page to start at.
        k.Sendeargument = k.Seite;
        k.Seite.clear();
        int32_t argument = 0;
        if (Sendetyp(k.Sendetyp) == 0)
            k.Fehler = "unknown command " + k.Sendetyp;
        else if (!Sendeargument(k.Sendeargument, argument))
            k.Fehler = "the argument " + k.Sendeargument + " is not a number";
        else if (!k.Bildschirmfoto.empty())
            k.Fehler = "--send and --screenshot exclude each other";
    }
    return k;
}

namespace {

// The names of the remote command types, in type order from 1.
const char* const Befehlsnamen[] = {
    "seite",         "auswerten",   "weiter",  "auswerten-seite", "auswerten-weiter",
    "beenden",       "fenster",     "modal",   "drucken",         "zuruecksetzen",
    "aktualisieren", "lesezeichen", "zurueck", "zeigen",
};

} // namespace

int Sendetyp(const std::string& Typ) {
    constexpr int anzahl = static_cast<int>(std::size(Befehlsnamen));
    if (const auto nr = Zahlen::Genau(Typ)) return *nr >= 1 && *nr <= anzahl ? *nr : 0;
    for (int i = 0; i < anzahl; ++i)
        if (Typ == Befehlsnamen[i]) return i + 1;
    return 0;
}

bool Sendeargument(const std::string& Text, int32_t& Wert) {
    const auto zahl = Zahlen::Genau(Text);
    Wert = zahl.value_or(0);
    return Text.empty() || zahl;
}

int KommandozeilenSeite(const std::string& Seite) {
    const auto nr = Zahlen::Genau(Seite);
    return nr && *nr >= 1 ? *nr : 0;
}

std::string Hilfetext() {
    return "Usage: vlm [--lesson DIRECTORY] [PAGE]\n"
           "       vlm --send COMMAND [ARGUMENT] [--lesson DIRECTORY]\n"
           "\n"
           "Shows the lesson in the lesson directory (without --lesson: the program's\n"
           "directory), starting at PAGE, else at the resume page.\n"
           "With --send the running player of that lesson receives a command (by number\n"
           "or name):\n"
           "  1 seite N (go to page), 2 auswerten (evaluate), 3 weiter (next),\n"
           "  4 auswerten-seite N, 5 auswerten-weiter, 6 beenden (quit), 7 fenster N\n"
           "  (window), 8 modal N, 9 drucken (print), 10 zuruecksetzen (reset),\n"
           "  11 aktualisieren (refresh), 12 lesezeichen (bookmarks), 13 zurueck (back),\n"
           "  14 zeigen N (show object N).\n"
           "Status 0: delivered; 1: no player runs for the lesson.\n"
           "\n"
           "  --lesson DIRECTORY     the lesson directory\n"
           "  --screenshot FILE      save the first page as a PNG picture and end; every\n"
           "                         message box is answered with its default and printed\n"
           "                         on standard error (status 4 when one came)\n"
           "  --log FILE             log every page, event and command\n"
           "  --aicc FILE            start file of a learning-management system (else\n"
           "                         param.cmi in the lesson directory); the learning time\n"
           "                         goes to the output file it names when the lesson ends\n"
           "  --send COMMAND         send a command to the running player\n"
           "  --help                 this help\n"
           "  --version              the version\n";
}

std::string Versionstext() {
    return "Velmora " VELMORA_VERSION "\n";
}

std::string LektionsverzeichnisPruefen(const fs::path& Verzeichnis) {
    std::error_code fehler;
    if (!fs::exists(Verzeichnis, fehler))
        return "The lesson directory " + Verzeichnis.string() + " does not exist.";
    if (!fs::is_directory(Verzeichnis, fehler))
        return Verzeichnis.string() + " is not a directory.";
    DIR* d = ::opendir(Verzeichnis.c_str());
    if (!d) return "The lesson directory " + Verzeichnis.string() + " cannot be read.";
    ::closedir(d);
    return {};
}
