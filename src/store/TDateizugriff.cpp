#include "store/TDateizugriff.h"

#include <fcntl.h>
#include <unistd.h>

int TDateizugriff::Oeffnen(const char* Pfad, int Modus, mode_t Rechte) {
    return ::open(Pfad, Modus, Rechte);
}

int TDateizugriff::Schliessen(int Handle) {
    return ::close(Handle);
}

ssize_t TDateizugriff::Lesen(int Handle, void* Ziel, size_t Anzahl, off_t Position) {
    return ::pread(Handle, Ziel, Anzahl, Position);
}

ssize_t TDateizugriff::Schreiben(int Handle, const void* Quelle, size_t Anzahl, off_t Position) {
    return ::pwrite(Handle, Quelle, Anzahl, Position);
}

int TDateizugriff::Kuerzen(int Handle, off_t Laenge) {
    return ::ftruncate(Handle, Laenge);
}

int TDateizugriff::Synchronisieren(int Handle) {
    return ::fsync(Handle);
}

int TDateizugriff::Status(int Handle, struct stat* Ziel) {
    return ::fstat(Handle, Ziel);
}

int TDateizugriff::Entfernen(const char* Pfad) {
    return ::unlink(Pfad);
}

TDateizugriff& TDateizugriff::System() {
    static TDateizugriff zugriff;
    return zugriff;
}
