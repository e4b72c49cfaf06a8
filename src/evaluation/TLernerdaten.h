#pragma once
// The learner's record per page in the learner table: whether the page is done for good
// or today, and its menu status. Records are created by the page display only and deleted
// only by the reset; every change is written through at once, so a record whose save has
// returned survives the end of the program in any way.

#include <cstdint>

class TTabelle;

class TLernerdaten {
public:
    explicit TLernerdaten(TTabelle& Lerner) : Lerner(Lerner) {}

    bool Vorhanden(int32_t Seite);
    // Creates the empty record of a page when it is missing and saves it; false when the
    // record could not be written.
    bool Anlegen(int32_t Seite);
    // The number of pages that have a record (a page counts once, however often its record
    // stands in the table).
    int Anzahl() const;
    bool EndgueltigAbgehakt(int32_t Seite);
    // A page is open while it has no record, or a record with neither mark set.
    bool Offen(int32_t Seite);
    // The stored menu status; 0 without a record.
    int32_t Menuestatus(int32_t Seite);
    // Deletes every record, in memory and in the file.
    void AlleLoeschen();

private:
    TTabelle& Lerner;
};
