#pragma once
// A table file (or its journal) opened for one operation and closed again when it goes out
// of scope. Only regular files are opened: a pipe, device or directory under a table's name
// would block the program or feed it without end.

#include "store/TDateizugriff.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

class TDatei {
public:
    explicit TDatei(TDateizugriff& Zugriff) : Zugriff(Zugriff) {}
    ~TDatei();
    TDatei(const TDatei&) = delete;
    TDatei& operator=(const TDatei&) = delete;

    bool Oeffnen(const std::filesystem::path& Pfad, int Modus);
    bool Offen() const { return Handle >= 0; }

    // Reads up to `Anzahl` bytes at `Position`; fewer only at the end of the file.
    std::optional<size_t> LesenAn(char* Ziel, size_t Anzahl, off_t Position);
    // Writes all bytes at `Position`; a write that stops short is a failure.
    bool SchreibenAn(std::string_view Bytes, off_t Position);
    std::optional<off_t> Groesse();
    bool Kuerzen(off_t Laenge);
    bool Synchronisieren();

    std::string Fehlertext;
    int Fehlernummer = 0; // errno of the last failure, 0 for one that has none

private:
    bool Fehler(int Nummer);

    TDateizugriff& Zugriff;
    int Handle = -1;
};

// The failure text when a name stands for something other than a regular file or directory.
inline constexpr const char* KeineRegulaereDatei = "Keine gew\u00f6hnliche Datei";
