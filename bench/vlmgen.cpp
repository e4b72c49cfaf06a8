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
    "Usage: vlmgen DIRECTORY [--pages N] [--objects N] [--texts N] [--seed N]\n"
    "\n"
    "Writes a large lesson to DIRECTORY: States.tab with N pages, Objekte.tab with\n"
    "N objects, Texte.tab with N texts, the other tables empty, and a VLM.INI. The\n"
    "same numbers and the same --seed give the same bytes.\n"
    "\n"
    "  --pages N     pages (default 5000)\n"
    "  --objects N   objects (default 100000)\n"
    "  --texts N     texts (default 20000)\n"
    "  --seed N      seed of the random generator (default 1)\n"
    "  --help        this help\n";

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
    std::fprintf(stderr, "vlmgen --help shows the usage.\n");
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
                return Fehler("invalid number for " + a);
            ++i;
        } else if (!a.empty() && a[0] == '-') {
            return Fehler("unknown option " + a);
        } else if (verzeichnis.empty()) {
            verzeichnis = a;
        } else {
            return Fehler("only one directory allowed");
        }
    }
    if (verzeichnis.empty()) return Fehler("no directory given");

    const auto anfang = std::chrono::steady_clock::now();
    const LektionsGenerator generator(static_cast<int>(seiten), static_cast<int>(objekte),
                                      static_cast<int>(texte), static_cast<uint64_t>(startwert));
    std::string fehlertext;
    if (!generator.Schreiben(verzeichnis, fehlertext)) {
        std::fprintf(stderr, "vlmgen: %s: %s\n", verzeichnis.c_str(), fehlertext.c_str());
        return 1;
    }
    const std::chrono::duration<double> dauer = std::chrono::steady_clock::now() - anfang;
    std::printf("%s: %lld pages, %lld objects, %lld texts in %.2f s\n", verzeichnis.c_str(), seiten,
                objekte, texte, dauer.count());
    return 0;
}
