#include "platform/Protokoll.h"

#include <QElapsedTimer>

#include <cstdio>

namespace {

struct TProtokoll {
    std::FILE* Datei = nullptr;
    QElapsedTimer Uhr;
};

TProtokoll& Protokoll() {
    static TProtokoll p;
    return p;
}

} // namespace

bool ProtokollOeffnen(const std::filesystem::path& Datei) {
    ProtokollSchliessen();
    auto& p = Protokoll();
    p.Datei = std::fopen(Datei.c_str(), "a");
    p.Uhr.start();
    return p.Datei != nullptr;
}

void ProtokollSchliessen() {
    auto& p = Protokoll();
    if (p.Datei) std::fclose(p.Datei);
    p.Datei = nullptr;
}

bool ProtokollAktiv() {
    return Protokoll().Datei != nullptr;
}

void Protokollieren(const std::string& Zeile) {
    auto& p = Protokoll();
    if (!p.Datei) return;
    std::fprintf(p.Datei, "%lld %s\n", static_cast<long long>(p.Uhr.elapsed()), Zeile.c_str());
    // Written at once: the protocol is most useful when the lesson misbehaves.
    std::fflush(p.Datei);
}
