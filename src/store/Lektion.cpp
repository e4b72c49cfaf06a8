#include "store/Lektion.h"

#include "store/Feldnummern.h"
#include "store/Lektionsdateien.h"
#include "store/Meldungen.h"

#include <array>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

std::array<std::unique_ptr<TTabelle>, HoechsteTabellenart + 1>& Tabellen() {
    static std::array<std::unique_ptr<TTabelle>, HoechsteTabellenart + 1> tabellen;
    return tabellen;
}

// The kinds in the order in which they are opened; -1 marks the glossary sort.
constexpr int Oeffnungsreihenfolge[] = {11, 14, 0,  1,  2,  3,  -1, 4,  7,  8,  9,  5,  6,  13, 15,
                                        10, 16, 17, 18, 20, 21, 22, 19, 24, 25, 26, 27, 28, 23};

// Where the tables of the running lesson live.
fs::path Tabellenverzeichnis() {
    const auto& orte = Lektionsorte();
    return orte.SchreibgeschuetzteLektion ? orte.Arbeitsverzeichnis : orte.Lektionsverzeichnis;
}

void Entfernen(const fs::path& Pfad) {
    std::error_code fehler;
    fs::remove(Pfad, fehler);
}

bool KopieSchreiben(const fs::path& Quelle, const fs::path& Ziel, std::string& Fehlertext) {
    const int ein = ::open(Quelle.c_str(), O_RDONLY | O_CLOEXEC);
    if (ein < 0) {
        Fehlertext = std::strerror(errno);
        return false;
    }
    struct stat st {};
    ::fstat(ein, &st);
    const mode_t modus = (st.st_mode & 07777) | S_IWUSR;
    const int aus = ::open(Ziel.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, modus);
    if (aus < 0) {
        Fehlertext = std::strerror(errno);
        ::close(ein);
        return false;
    }
    char block[2048];
    bool gut = true;
    for (;;) {
        const ssize_t n = ::read(ein, block, sizeof block);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            gut = n == 0;
            break;
        }
        for (ssize_t w = 0; w < n;) {
            const ssize_t k = ::write(aus, block + w, static_cast<size_t>(n - w));
            if (k < 0 && errno == EINTR) continue;
            if (k <= 0) {
                gut = false;
                break;
            }
            w += k;
        }
        if (!gut) break;
    }
    if (!gut) Fehlertext = std::strerror(errno ? errno : ENOSPC);
    ::fchmod(aus, modus);
    // The copy carries the source's time, so that the next start sees it is current.
    const timespec zeiten[2] = {st.st_atim, st.st_mtim};
    ::futimens(aus, zeiten);
    ::close(aus);
    ::close(ein);
    if (!gut) Entfernen(Ziel); // a half copy must not pass for a current one
    return gut;
}

} // namespace

TTabelle* Tabelle(int Art) {
    return Art >= 0 && Art <= HoechsteTabellenart ? Tabellen()[Art].get() : nullptr;
}

void LektionOeffnen(const std::function<void(int)>& Fortschritt) {
    auto& orte = Lektionsorte();
    orte.NeuAnlegenOhneFrage = true;
    const int anzahl = static_cast<int>(std::size(Oeffnungsreihenfolge));
    for (int i = 0; i < anzahl; ++i) {
        const int art = Oeffnungsreihenfolge[i];
        if (art < 0) {
            Tabellen()[ArtBegriffe]->SortiereNachText(Feld::Begriffe::Begriff);
        } else {
            Tabellen()[art] = std::make_unique<TTabelle>(art);
            Tabellen()[art]->Laden(2);
        }
        if (Fortschritt) Fortschritt((i + 1) * 100 / anzahl);
    }
    orte.NeuAnlegenOhneFrage = false;
}

void LektionSchliessen() {
    for (auto& t : Tabellen())
        t.reset();
}

bool KopiereDatei(const fs::path& Quelle, const fs::path& Ziel, std::string* Fehlertext) {
    if (Quelle == Ziel) {
        Meldung(68);
        return false;
    }
    struct stat q {
    }, z{};
    if (::stat(Quelle.c_str(), &q) == 0 && ::stat(Ziel.c_str(), &z) == 0 &&
        q.st_mtim.tv_sec == z.st_mtim.tv_sec && q.st_mtim.tv_nsec == z.st_mtim.tv_nsec)
        return false;
    std::string fehler;
    const bool kopiert = KopieSchreiben(Quelle, Ziel, fehler);
    if (!kopiert && Fehlertext) *Fehlertext = fehler;
    return kopiert;
}

bool SchreibschutzErmitteln(const fs::path& Lektionsverzeichnis) {
    struct stat st {};
    const fs::path lerner = LektionsdateiFinden(Lektionsverzeichnis, "Lerner.tab");
    if (::stat(lerner.c_str(), &st) != 0) return false;
    return (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
}

std::string Verzeichnisname(const std::string& Lektionsname) {
    std::string name;
    for (const char c : Lektionsname)
        if (c >= '0' && c <= 'z') name += c;
    return name;
}

fs::path TemporaeresVerzeichnis() {
    std::error_code fehler;
    fs::path tmp = fs::temp_directory_path(fehler);
    return fehler ? fs::path("/tmp") : tmp;
}

void ArbeitsverzeichnisFestlegen(const std::string& TempPfad, const std::string& Lektionsname) {
    auto& orte = Lektionsorte();
    std::error_code fehler;
    fs::path arbeit;
    if (!TempPfad.empty()) {
        std::string pfad = TempPfad;
        for (char& c : pfad)
            if (c == '\\') c = '/';
        if (orte.SchreibgeschuetzteLektion) fs::create_directories(pfad, fehler);
        if (fs::is_directory(pfad, fehler)) arbeit = pfad;
    }
    if (arbeit.empty())
        arbeit = TemporaeresVerzeichnis() / "vlmtemp" / Verzeichnisname(Lektionsname);
    orte.Arbeitsverzeichnis = arbeit;
    if (!orte.SchreibgeschuetzteLektion) return;
    fs::create_directories(arbeit, fehler);
    const fs::path ini = LektionsdateiFinden(orte.Lektionsverzeichnis, "VLM.INI");
    if (!fs::exists(LektionsdateiFinden(arbeit, "VLM.INI"), fehler) && fs::exists(ini, fehler))
        KopiereDatei(ini, arbeit / "VLM.INI");
}

void ProtokollLoeschen() {
    Entfernen(LektionsdateiFinden(Lektionsorte().Lektionsverzeichnis, "Protokol.txt"));
}

void HeuteAbgehaktZuruecksetzen() {
    TTabelle* lerner = Tabelle(ArtLerner);
    if (!lerner) return;
    for (TDatensatz* s = lerner->Erster(); s; s = s->Naechster) {
        if (!lerner->LeseSchalter(s, Feld::Lerner::heute_abgehakt)) continue;
        lerner->SchreibeSchalter(s, Feld::Lerner::heute_abgehakt, false);
        lerner->Speichern(s);
    }
}

void ArbeitskopienLoeschen() {
    const fs::path verzeichnis = Tabellenverzeichnis();
    for (int art = ArtSeitenKopie; art <= ArtLesezeichenKopie; ++art)
        Entfernen(LektionsdateiFinden(verzeichnis, Tabellenbeschreibung(art).Dateiname));
}

void ArbeitsverzeichnisAufraeumen() {
    if (!Bestaetigung(23)) return;
    const fs::path arbeit = Lektionsorte().Arbeitsverzeichnis;
    for (int art = 0; art <= HoechsteTabellenart; ++art) {
        if (art == ArtVersion) continue;
        Entfernen(LektionsdateiFinden(arbeit, Tabellenbeschreibung(art).Dateiname));
    }
    for (const char* name : {"Vlm.ini", "Dateiliste.txt", "unzdll.dll"})
        Entfernen(LektionsdateiFinden(arbeit, name));
    // Only empty directories go; anything else the learner left there stays.
    std::error_code fehler;
    fs::remove(arbeit, fehler);
    fs::remove(TemporaeresVerzeichnis() / "vlmtemp", fehler);
}
