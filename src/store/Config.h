#pragma once
// The lesson's configuration file "VLM.INI" (section Lektion and the resume page of
// section State) and the per-user settings and window bounds of the configuration table.
// Values are kept as the file's Windows-1252 bytes.

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class TTabelle;

// Section Lektion, with the defaults that apply without the file or the key.
struct TKonfiguration {
    int32_t Breite = 800;
    int32_t Hoehe = 570;
    int32_t SchattenRandbreite = 0;
    int32_t SchattenGrauwert = 0;
    std::string Name;
    std::string Scriptpfad;
    std::string EvaluationsAdresse;
    std::string EMailAdresse;
    std::string Server = "localhost";
    std::string MailServer = "localhost";
    std::string Benutzer = "Anonymous";
    std::string Passwort = "anonymous@localhost";
    int32_t DefaultState = 0;
};

// The settings of user 1. Index n holds Schalter<n>, Zahl<n>, Text<n>; index 0 is unused.
struct TEinstellungen {
    TEinstellungen();
    std::array<bool, 31> Schalter{};
    std::array<int32_t, 41> Zahl{};
    std::array<std::string, 11> Text{};
};

// A window's bounds in pixels.
struct TFenstergrenzen {
    int32_t Links = 0;
    int32_t Oben = 0;
    int32_t Breite = 0;
    int32_t Hoehe = 0;
    bool operator==(const TFenstergrenzen&) const = default;
};

// The room a restored window must fit into.
struct TBildschirmflaeche {
    int32_t DesktopBreite = 0;
    int32_t BildschirmHoehe = 0;
};

inline constexpr const char* Konfigurationsdateiname = "VLM.INI";

// The settings of the running system.
TKonfiguration& Konfiguration();
TEinstellungen& Einstellungen();

// "VLM.INI" in the working directory when the lesson is write-protected, else in the
// program directory.
std::filesystem::path KonfigurationsdateiPfad();

// Section Lektion of this file; a missing file or key gives its default.
TKonfiguration KonfigurationLesen(const std::filesystem::path& Datei);
// Section Lektion of the lesson's configuration file into Konfiguration().
void KonfigurationLesen();

// Key TempPfad, always from the copy in the program directory.
std::string TempPfadLesen();
// Key Name from the file in the lesson directory, keeping only the characters "0" to "z".
std::string LektionsnameLesen();
// Key Nr of section State (default 1).
int32_t StartseiteLesen();
// Writes key Nr of section State; false (after a message) when the file cannot be written.
bool StartseiteSchreiben(int32_t Seite);

// An initialisation file whole. Only a regular file of at most MaxIniGroesse bytes is read:
// a pipe or device under the name would hold the program or feed it without end. None when
// the file cannot be read; `Fehler` says why (errno ENOENT for a missing file).
inline constexpr size_t MaxIniGroesse = 1 << 20;
struct TIniLesefehler {
    int Nummer = 0;
    std::string Text;
};
std::optional<std::string> IniDateiLesen(const std::filesystem::path& Datei,
                                         TIniLesefehler& Fehler);

// One value of an initialisation file; none when the file, the section or the key is
// missing. A file that exists but cannot be read is reported. The first of several equal keys
// counts.
std::optional<std::string> IniWertLesen(const std::filesystem::path& Datei,
                                        std::string_view Abschnitt, std::string_view Schluessel);
// Writes one value and keeps every other byte of the file; a missing file is created. The
// new file replaces the old one only when it was written whole. False after a message.
bool IniWertSchreiben(const std::filesystem::path& Datei, std::string_view Abschnitt,
                      std::string_view Schluessel, std::string_view Wert);

// The defaults, Text4 being the lesson directory.
TEinstellungen Einstellungsvorgaben(const std::filesystem::path& Lektionsverzeichnis);
// Applies the record of user 1 of the configuration table; without it nothing changes.
void EinstellungenLesen(TTabelle& ConfigTabelle, TEinstellungen& Ziel);
// Einstellungen() from the defaults of the running lesson and the configuration table.
void EinstellungenLesen(TTabelle& ConfigTabelle);

// The saved bounds of the window with this tag, pulled back inside the screen; `Aktuell`
// when nothing usable is saved.
TFenstergrenzen FensterpositionLesen(TTabelle& ConfigTabelle, int Fenstertag,
                                     const TFenstergrenzen& Aktuell,
                                     const TBildschirmflaeche& Bildschirm);
bool FensterpositionSchreiben(TTabelle& ConfigTabelle, int Fenstertag,
                              const TFenstergrenzen& Grenzen);
// Stores which windows (tags 3 to 46) are open.
bool OffeneFensterSchreiben(TTabelle& ConfigTabelle, const std::vector<int>& SichtbareFenster);
