#include "store/TJournal.h"

#include "store/TDatei.h"

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <fcntl.h>
#include <optional>

namespace fs = std::filesystem;

namespace {

constexpr std::string_view Kennung = "VLMJ";
constexpr std::string_view Abschluss = "ENDE";
// A save changes at most two records' worth of bytes; anything longer is not a journal of ours.
constexpr off_t HoechsteLaenge = 1 << 20;

void ZahlAnhaengen(std::string& s, uint64_t v, int Bytes) {
    for (int i = 0; i < Bytes; ++i)
        s += static_cast<char>((v >> (8 * i)) & 0xFF);
}

uint64_t ZahlAus(std::string_view s, size_t Stelle, int Bytes) {
    uint64_t v = 0;
    for (int i = Bytes - 1; i >= 0; --i)
        v = (v << 8) | static_cast<unsigned char>(s[Stelle + i]);
    return v;
}

uint32_t Pruefsumme(std::string_view s) {
    uint32_t h = 2166136261u; // FNV-1a
    for (const char c : s)
        h = (h ^ static_cast<unsigned char>(c)) * 16777619u;
    return h;
}

// Journal: "VLMJ", old file size (8 bytes), number of places (4), per place its offset (8),
// length (4) and old bytes; then the check sum of all that (4) and "ENDE".
std::string Verfassen(off_t AlteGroesse, const std::vector<TAenderung>& Aenderungen) {
    std::string j(Kennung);
    ZahlAnhaengen(j, static_cast<uint64_t>(AlteGroesse), 8);
    ZahlAnhaengen(j, Aenderungen.size(), 4);
    for (const TAenderung& a : Aenderungen) {
        ZahlAnhaengen(j, static_cast<uint64_t>(a.Position), 8);
        ZahlAnhaengen(j, a.Alt.size(), 4);
        j += a.Alt;
    }
    ZahlAnhaengen(j, Pruefsumme(j), 4);
    j += Abschluss;
    return j;
}

struct TGelesenesJournal {
    off_t AlteGroesse = 0;
    std::vector<TAenderung> Aenderungen;
};

// The content of a complete journal; none for one that was cut off or is not ours.
std::optional<TGelesenesJournal> Deuten(std::string_view j) {
    const size_t kopf = Kennung.size() + 12, schluss = 4 + Abschluss.size();
    if (j.size() < kopf + schluss || j.substr(0, Kennung.size()) != Kennung ||
        j.substr(j.size() - Abschluss.size()) != Abschluss)
        return std::nullopt;
    const std::string_view rumpf = j.substr(0, j.size() - schluss);
    if (ZahlAus(j, rumpf.size(), 4) != Pruefsumme(rumpf)) return std::nullopt;
    TGelesenesJournal g;
    g.AlteGroesse = static_cast<off_t>(ZahlAus(rumpf, Kennung.size(), 8));
    const uint64_t anzahl = ZahlAus(rumpf, Kennung.size() + 8, 4);
    size_t i = kopf;
    for (uint64_t k = 0; k < anzahl; ++k) {
        if (i + 12 > rumpf.size()) return std::nullopt;
        TAenderung a;
        a.Position = static_cast<off_t>(ZahlAus(rumpf, i, 8));
        const uint64_t laenge = ZahlAus(rumpf, i + 8, 4);
        i += 12;
        if (laenge > rumpf.size() - i) return std::nullopt;
        a.Alt = std::string(rumpf.substr(i, laenge));
        i += laenge;
        g.Aenderungen.push_back(std::move(a));
    }
    if (i != rumpf.size()) return std::nullopt;
    return g;
}

} // namespace

bool Zuruecknehmen(TDatei& Datei, off_t AlteGroesse, const std::vector<TAenderung>& Aenderungen) {
    bool gewachsen = false;
    for (const TAenderung& a : Aenderungen) {
        if (!Datei.SchreibenAn(a.Alt, a.Position)) return false;
        gewachsen |= a.Position + static_cast<off_t>(a.Neu.size()) > AlteGroesse;
    }
    return !gewachsen || Datei.Kuerzen(AlteGroesse);
}

TJournal::TJournal(TDateizugriff& Zugriff, const fs::path& Tabelle)
    : Zugriff(Zugriff), Tabelle(Tabelle), Pfad(PfadZu(Tabelle)) {}

fs::path TJournal::PfadZu(const fs::path& Tabelle) {
    return Tabelle.string() + "-journal";
}

bool TJournal::Schreiben(off_t AlteGroesse, const std::vector<TAenderung>& Aenderungen) {
    TDatei datei(Zugriff);
    const bool geschrieben = datei.Oeffnen(Pfad, O_WRONLY | O_CREAT | O_TRUNC) &&
                             datei.SchreibenAn(Verfassen(AlteGroesse, Aenderungen), 0) &&
                             datei.Synchronisieren();
    if (geschrieben) return true;
    Fehlertext = datei.Fehlertext;
    Zugriff.Entfernen(Pfad.c_str());
    return false;
}

bool TJournal::Entfernen() {
    if (Zugriff.Entfernen(Pfad.c_str()) == 0 || errno == ENOENT) return true;
    Fehlertext = std::strerror(errno);
    return false;
}

bool TJournal::Aufloesen() {
    std::string inhalt;
    {
        TDatei journal(Zugriff);
        if (!journal.Oeffnen(Pfad, O_RDONLY)) {
            if (journal.Fehlernummer == ENOENT) return true;
            Fehlertext = journal.Fehlertext;
            return false;
        }
        const auto groesse = journal.Groesse();
        if (groesse && *groesse <= HoechsteLaenge) {
            inhalt.resize(static_cast<size_t>(*groesse));
            const auto n = journal.LesenAn(inhalt.data(), inhalt.size(), 0);
            if (!n) {
                Fehlertext = journal.Fehlertext;
                return false;
            }
            inhalt.resize(*n);
        }
    }
    if (const auto j = Deuten(inhalt)) {
        TDatei tabelle(Zugriff);
        if (!tabelle.Oeffnen(Tabelle, O_RDWR) ||
            !Zuruecknehmen(tabelle, j->AlteGroesse, j->Aenderungen) ||
            !tabelle.Kuerzen(j->AlteGroesse) || !tabelle.Synchronisieren()) {
            Fehlertext = tabelle.Fehlertext;
            return false;
        }
    }
    return Entfernen();
}
