#pragma once
// The open lesson as a whole: one table object per kind for the whole run, the working
// directory of a write-protected lesson, and the file chores of start and end.

#include "store/TTabelle.h"

#include <filesystem>
#include <functional>
#include <string>

// The table of a kind; none before LektionOeffnen or for kind 12 (never opened).
TTabelle* Tabelle(int Art);

// Opens every table in the fixed order and brings each to full load before the next
// one; missing table files are created without asking. `Fortschritt` hears 0..100.
void LektionOeffnen(const std::function<void(int Prozent)>& Fortschritt = {});

// Releases every table (the end of a run, or between tests).
void LektionSchliessen();

// Copies a file unless the target already has the source's modification time; the copy
// loses a read-only attribute. The same path twice shows message 68 and copies nothing.
// False when no copy was made; a file error leaves its text in `Fehlertext`.
bool KopiereDatei(const std::filesystem::path& Quelle, const std::filesystem::path& Ziel,
                  std::string* Fehlertext = nullptr);

// A lesson is write-protected when its "Lerner.tab" carries no write permission bit at
// all (decided by the file's mode: a privileged user may write anything).
bool SchreibschutzErmitteln(const std::filesystem::path& Lektionsverzeichnis);

// "0".."z" only: the lesson name as a directory name.
std::string Verzeichnisname(const std::string& Lektionsname);

// Fixes the working directory (TempPfad when it names or can be made a directory,
// otherwise the temporary directory + "vlmtemp/" + the lesson name) and, for a
// write-protected lesson, creates it and copies "VLM.INI" there when missing.
void ArbeitsverzeichnisFestlegen(const std::string& TempPfad, const std::string& Lektionsname);

// The system's temporary directory (overridable for tests through TMPDIR).
std::filesystem::path TemporaeresVerzeichnis();

// Deletes "Protokol.txt" of the lesson.
void ProtokollLoeschen();

// Every page checked off today loses that mark (learner data field 2301).
void HeuteAbgehaktZuruecksetzen();

// The eleven working copies (kinds 18-28) are deleted from where the tables keep them.
void ArbeitskopienLoeschen();

// Asks confirmation 23 and, when confirmed, removes the lesson's files and the working
// directory itself from the temporary area; failures are ignored file by file.
void ArbeitsverzeichnisAufraeumen();
