// vlmgen: writes a large lesson for load trials and benchmarks.

#include "bench/LektionsGenerator.h"

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

const char* const Hilfe =
    "Aufruf: vlmgen VERZEICHNIS [--pages N] [--objects N] [--texts N] [--seed N]\n"
    "\n"
    "Schreibt eine große Lektion nach VERZEICHNIS: States.tab mit N Seiten,\n"
    "Objekte.tab mit N Objekten, Texte.tab mit N Texten, die übrigen Tabellen\n"
    "leer und eine VLM.INI. Gleiche Zahlen und gleicher --seed ergeben dieselben Bytes.\n"
    "\n"
    "  --pages N     Seiten (Vorgabe 5000)\n"
    "  --objects N   Objekte (Vorgabe 100000)\n"
    "  --texts N     Texte (Vorgabe 20000)\n"
    "  --seed N      Startwert des Zufallsgenerators (Vorgabe 1)\n"
    "  --help        diese Hilfe\n";

bool ZahlLesen(const char* Text, long long Hoechstens, long long& Wert) {
    char* ende = nullptr;
    errno = 0;
    const long long v = std::strtoll(Text, &ende, 10);
    if (errno || ende == Text || *ende || v < 0 || v > Hoechstens) return false;
    Wert = v;
    return true;
}

int Fehler(const std::string& Text) {
    std::fprintf(stderr, "vlmgen: %s\n", Text.c_str());
    std::fprintf(stderr, "vlmgen --help zeigt den Aufruf.\n");
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    std::string verzeichnis;
    long long seiten = 5000, objekte = 100000, texte = 20000, startwert = 1;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--help" || a == "-h") {
            std::fputs(Hilfe, stdout);
            return 0;
        }
        long long* ziel = a == "--pages"     ? &seiten
                          : a == "--objects" ? &objekte
                          : a == "--texts"   ? &texte
                          : a == "--seed"    ? &startwert
                                             : nullptr;
        if (ziel) {
            const long long hoechstens = ziel == &startwert ? 0x7FFFFFFFFFFFFFFFll : 0x7FFFFFFF;
            if (i + 1 >= argc || !ZahlLesen(argv[i + 1], hoechstens, *ziel))
                return Fehler("ungültige Zahl bei " + a);
            ++i;
        } else if (!a.empty() && a[0] == '-') {
            return Fehler("unbekannte Option " + a);
        } else if (verzeichnis.empty()) {
            verzeichnis = a;
        } else {
            return Fehler("nur ein Verzeichnis erlaubt");
        }
    }
    if (verzeichnis.empty()) return Fehler("kein Verzeichnis angegeben");

    const auto anfang = std::chrono::steady_clock::now();
    const LektionsGenerator generator(static_cast<int>(seiten), static_cast<int>(objekte),
                                      static_cast<int>(texte), static_cast<uint64_t>(startwert));
    std::string fehlertext;
    if (!generator.Schreiben(verzeichnis, fehlertext)) {
        std::fprintf(stderr, "vlmgen: %s: %s\n", verzeichnis.c_str(), fehlertext.c_str());
        return 1;
    }
    const std::chrono::duration<double> dauer = std::chrono::steady_clock::now() - anfang;
    std::printf("%s: %lld Seiten, %lld Objekte, %lld Texte in %.2f s\n", verzeichnis.c_str(),
                seiten, objekte, texte, dauer.count());
    return 0;
}
