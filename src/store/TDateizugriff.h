#pragma once
// The system calls through which the table engine reaches its files. A table uses the plain
// calls unless it is handed an access of its own: tests hand one that makes a chosen write
// fail, stop short or never happen, to show that every save leaves the file whole.

#include <sys/stat.h>
#include <sys/types.h>

class TDateizugriff {
public:
    virtual ~TDateizugriff() = default;

    virtual int Oeffnen(const char* Pfad, int Modus, mode_t Rechte);
    virtual int Schliessen(int Handle);
    virtual ssize_t Lesen(int Handle, void* Ziel, size_t Anzahl, off_t Position);
    virtual ssize_t Schreiben(int Handle, const void* Quelle, size_t Anzahl, off_t Position);
    virtual int Kuerzen(int Handle, off_t Laenge);
    virtual int Synchronisieren(int Handle);
    virtual int Status(int Handle, struct stat* Ziel);
    virtual int Entfernen(const char* Pfad);

    // The plain calls; it holds nothing, so every table may share it.
    static TDateizugriff& System();
};
