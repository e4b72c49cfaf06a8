#pragma once
// The lesson data dictionary: for every table kind its file name, title and field list.
// The order of a field list is the order of the values inside every record of that
// table's file, so this table of rows is part of the file format.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

struct TFelddefinition {
    uint16_t FeldId;
    uint8_t Typ;      // 1 text, 2 whole number, 3 small option value; kept, never interpreted
    const char* Name; // Windows-1252 bytes; empty for unnamed fields
};

// Table kinds. 18 to 28 are the working copies with the field list of their original.
enum Tabellenart : int {
    ArtSeiten = 0,
    ArtTexte = 1,
    ArtLerner = 2,
    ArtBegriffe = 3,
    ArtObjekte = 4,
    ArtMenues = 5,
    ArtF4Hilfe = 6,
    ArtLesezeichen = 7,
    ArtLernweg = 8,
    ArtAntwortcodes = 9,
    ArtEffekte = 10,
    ArtKonfiguration = 11,
    ArtVersion = 12,
    ArtBloecke = 13,
    ArtObjekttypen = 14,
    ArtDaten = 15,
    ArtNotizen = 16,
    ArtMuster = 17,
    ArtSeitenKopie = 18,
    ArtTexteKopie = 19,
    ArtObjekteKopie = 20,
    ArtAntwortcodesKopie = 21,
    ArtMenuesKopie = 22,
    ArtNotizenKopie = 23,
    ArtEffekteKopie = 24,
    ArtBegriffeKopie = 25,
    ArtDatenKopie = 26,
    ArtF4HilfeKopie = 27,
    ArtLesezeichenKopie = 28,
};

constexpr int HoechsteTabellenart = 28;

struct TTabellenbeschreibung {
    const char* Dateiname; // bare name, at most twelve characters; empty above kind 28
    const char* Titel;     // Windows-1252 bytes; empty for kinds without title
    std::span<const TFelddefinition> Vorspann; // kind 14's own ten fields
    std::span<const TFelddefinition> Felder;
};

// Description of a kind; kinds outside 0..28 get no file name, no title and no fields.
TTabellenbeschreibung Tabellenbeschreibung(int Art);

// The kind whose file name matches `Dateiname` (case-insensitive), or -1.
int TabellenartVonDateiname(std::string_view Dateiname);
