#pragma once
// The rollback journal of a table file, "<table file>-journal" beside it. A save that changes
// more than one place of the table first writes here the file's old size and the old bytes of
// every place it will change, closed by a check sum and a completion mark, and makes the
// journal durable; then it changes the table and removes the journal. Whoever finds a
// complete journal next to a table puts those bytes back and cuts the table to its old size,
// so the table is as before the interrupted save. A journal without its mark was cut off
// before the table was touched and is removed.

#include "store/TDateizugriff.h"

#include <filesystem>
#include <string>
#include <vector>

class TDatei;

// One place a save changes: the bytes it writes there and those that stood there before
// (the latter only as far as the file reached).
struct TAenderung {
    off_t Position = 0;
    std::string Neu;
    std::string Alt;
};

class TJournal {
public:
    TJournal(TDateizugriff& Zugriff, const std::filesystem::path& Tabelle);

    static std::filesystem::path PfadZu(const std::filesystem::path& Tabelle);

    // Writes the journal of these changes and makes it durable.
    bool Schreiben(off_t AlteGroesse, const std::vector<TAenderung>& Aenderungen);
    bool Entfernen();
    // Rolls the table back from a journal left behind; true when there was none or the table
    // is back as it was and the journal gone.
    bool Aufloesen();

    std::string Fehlertext;

private:
    TDateizugriff& Zugriff;
    std::filesystem::path Tabelle;
    std::filesystem::path Pfad;
};

// Puts the old bytes of the changes back and cuts the file to its old size.
bool Zuruecknehmen(TDatei& Datei, off_t AlteGroesse, const std::vector<TAenderung>& Aenderungen);
