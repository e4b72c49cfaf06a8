#include "store/TDatei.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>

TDatei::~TDatei() {
    if (Handle >= 0) Zugriff.Schliessen(Handle);
}

bool TDatei::Fehler(int Nummer) {
    Fehlernummer = Nummer;
    Fehlertext = std::strerror(Nummer);
    return false;
}

bool TDatei::Oeffnen(const std::filesystem::path& Pfad, int Modus) {
    // Opened without blocking, so that a pipe under the name cannot hold the program before
    // its kind is known; the descriptor itself is checked, not the name, which may change.
    Handle = Zugriff.Oeffnen(Pfad.c_str(), Modus | O_CLOEXEC | O_NONBLOCK, 0666);
    if (Handle < 0) return Fehler(errno);
    struct stat st {};
    if (Zugriff.Status(Handle, &st) != 0) return Fehler(errno);
    if (!S_ISREG(st.st_mode)) {
        Zugriff.Schliessen(Handle);
        Handle = -1;
        if (S_ISDIR(st.st_mode)) return Fehler(EISDIR);
        Fehlernummer = 0;
        Fehlertext = KeineRegulaereDatei;
        return false;
    }
    const int flags = ::fcntl(Handle, F_GETFL);
    if (flags < 0 || ::fcntl(Handle, F_SETFL, flags & ~O_NONBLOCK) != 0) return Fehler(errno);
    return true;
}

std::optional<size_t> TDatei::LesenAn(char* Ziel, size_t Anzahl, off_t Position) {
    size_t gelesen = 0;
    while (gelesen < Anzahl) {
        const ssize_t n = Zugriff.Lesen(Handle, Ziel + gelesen, Anzahl - gelesen,
                                        Position + static_cast<off_t>(gelesen));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            Fehler(errno);
            return std::nullopt;
        }
        if (n == 0) break;
        gelesen += static_cast<size_t>(n);
    }
    return gelesen;
}

bool TDatei::SchreibenAn(std::string_view Bytes, off_t Position) {
    size_t geschrieben = 0;
    while (geschrieben < Bytes.size()) {
        const ssize_t n =
            Zugriff.Schreiben(Handle, Bytes.data() + geschrieben, Bytes.size() - geschrieben,
                              Position + static_cast<off_t>(geschrieben));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return Fehler(n < 0 ? errno : ENOSPC);
        geschrieben += static_cast<size_t>(n);
    }
    return true;
}

std::optional<off_t> TDatei::Groesse() {
    struct stat st {};
    if (Zugriff.Status(Handle, &st) != 0) {
        Fehler(errno);
        return std::nullopt;
    }
    return st.st_size;
}

bool TDatei::Kuerzen(off_t Laenge) {
    return Zugriff.Kuerzen(Handle, Laenge) == 0 || Fehler(errno);
}

bool TDatei::Synchronisieren() {
    return Zugriff.Synchronisieren(Handle) == 0 || Fehler(errno);
}
