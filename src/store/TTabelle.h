#pragma once
// One open lesson table: one table file, its field list and its records.
//
// The file is a 100-byte header followed by records and free bytes in any order. A record
// is a 0x00 start mark, its number as four little-endian bytes, and its values, each closed
// by 0x00, the whole closed by 0x1B. Free space is any run of 0x1B bytes. Records are
// written back in place when they fit, otherwise into the first free run that is long
// enough or at the end of the file, so files written here match those of the authoring
// side byte for byte.
//
// A save that is not one write in place goes through a rollback journal beside the file
// (TJournal), so a crash or a failed write leaves either the old or the new record, never both
// or a piece of one. Reads never fail: a missing record or field reads as "", 0 or false. File
// failures are shown through the dialog service with the bare file name and the system's
// error text; after a failed save the file and the record's place are as before.

#include "store/Datenlexikon.h"
#include "store/Nummernindex.h"
#include "store/Rohspeicher.h"
#include "store/TDateizugriff.h"

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class TDatei;
struct TAenderung;

// The field data of one record: its values each followed by 0x00, closed by 0x1B. Either
// not read yet, a view into the table's load buffer, or owned after a change. Kept small:
// a large table holds one per record. Only the table changes them, and counts each change
// (its read position of the last value is valid only until the next).
class TFelddaten {
public:
    bool Vorhanden() const { return Zeiger != nullptr; }
    std::string_view Ansicht() const { return {Zeiger, Laenge}; }
    void Setzen(std::string Bytes) {
        if (!Eigene)
            Eigene = std::make_unique<std::string>(std::move(Bytes));
        else
            *Eigene = std::move(Bytes);
        Zeiger = Eigene->data();
        Laenge = Eigene->size();
    }
    void Verweisen(const char* Anfang, size_t Anzahl) {
        Eigene.reset();
        Zeiger = Anfang;
        Laenge = Anzahl;
    }
    void Freigeben() {
        Eigene.reset();
        Zeiger = nullptr;
        Laenge = 0;
    }

private:
    const char* Zeiger = nullptr; // never null once present: field data hold at least 0x1B
    size_t Laenge = 0;
    std::unique_ptr<std::string> Eigene;
};

struct TDatensatz {
    int32_t Nr = 0;            // compared everywhere by its absolute value
    int32_t Sortierwert = 0;   // scratch key of the integer sort
    int32_t Dateiposition = 0; // offset in the file; 0 = never written
    TFelddaten Daten;
    TDatensatz* Naechster = nullptr;
    TDatensatz* Vorheriger = nullptr;
    const class TTabelle* Tabelle = nullptr; // the table whose list holds the record
};

// The font described by the object fields 1245-1248.
struct TSchriftangaben {
    int32_t Farbe = 0;
    std::string Name;
    int32_t Groesse = 0;
    bool Fett = false;
    bool Kursiv = false;
    bool Unterstrichen = false;
    bool Durchgestrichen = false;
};

class TTabelle {
public:
    static constexpr int Kopflaenge = 100;
    static constexpr size_t Puffergroesse = 65528;
    static constexpr size_t MaxFelddaten = 65520; // closing 0x1B included
    static constexpr int MaxSortierbar = 16383;

    // A table of the running lesson: the path comes from the lesson's file set (working
    // directory when the lesson is write-protected) and a missing file is created.
    explicit TTabelle(int Art);
    // A table file anywhere (tools, tests); the file is not touched until it is used.
    TTabelle(int Art, std::filesystem::path Datei);
    ~TTabelle();
    TTabelle(const TTabelle&) = delete;
    TTabelle& operator=(const TTabelle&) = delete;

    // All open tables in order of creation.
    static const std::vector<TTabelle*>& Tabellenliste();

    // Display factors applied by LeseKoordinate and LeseSchriftgroesse.
    static inline double Anzeigefaktor1 = 1.0;
    static inline double Anzeigefaktor2 = 1.0;

    int Tabellenart() const { return Art; }
    const std::string& Tabellentitel() const { return Titel; }
    const std::filesystem::path& Pfad() const { return Datei; }
    std::string Dateiname() const; // the bare name used in messages
    int Ladestufe() const { return Stufe; }
    // Changes with every change of the record list or of a value held in memory, and differs
    // between tables: whoever keeps something derived from the table sees when to renew it.
    uint64_t Aenderungsstand() const { return Stand; }
    TDatensatz* AktuellerDatensatz() const { return Aktuell; }

    // The system calls the table uses from now on (tests make chosen writes fail); the
    // access is not owned and must outlive the table.
    void DateizugriffVerwenden(TDateizugriff& Zugriff) { this->Zugriff = &Zugriff; }

    // Loading.
    void Laden(int NeueStufe);
    void LadeDaten(TDatensatz* Satz);
    bool DateiAnlegen(); // on failure the system's error text is in LetzterFehlertext()
    const std::string& LetzterFehlertext() const { return LetzterFehler; }

    // Record access.
    TDatensatz* Erster() const { return Kopf; }
    TDatensatz* Datensatz(int32_t Nr);
    TDatensatz* Suche(uint16_t FeldId, std::string_view Wert);
    int Zaehle(uint16_t FeldId, std::string_view Teiltext);
    int Anzahl() const { return Satzanzahl; }
    int32_t FreieNummer(int32_t Start) const;
    TDatensatz* NeuerDatensatz(int32_t Nr);
    void Loeschen(TDatensatz*& Satz);

    // Reading fields.
    std::string LeseText(TDatensatz* Satz, uint16_t FeldId);
    int32_t LeseZahl(TDatensatz* Satz, uint16_t FeldId);
    bool LeseSchalter(TDatensatz* Satz, uint16_t FeldId);
    int32_t LeseKoordinate(TDatensatz* Satz, uint16_t FeldId);
    int32_t LeseSchriftgroesse(TDatensatz* Satz, uint16_t FeldId);
    std::optional<std::string> LeseTextPuffer(TDatensatz* Satz, uint16_t FeldId);
    TSchriftangaben LeseSchrift(TDatensatz* Satz);
    // Number of values the record holds, and the values themselves in one walk.
    int AnzahlWerte(TDatensatz* Satz);
    std::vector<std::string> AlleWerte(TDatensatz* Satz);

    // Writing fields (memory only until Speichern). Bytes 0x00 and 0x1B cannot be part of
    // a value and are dropped.
    void SchreibeText(TDatensatz* Satz, uint16_t FeldId, std::string_view Wert);
    void SchreibeTextPuffer(TDatensatz* Satz, uint16_t FeldId, const char* Puffer);
    void SchreibeSchalter(TDatensatz* Satz, uint16_t FeldId, bool Wert);

    // Writing records; false when the record could not be written.
    bool Speichern(TDatensatz* Satz);

    // Sorting (the file is not touched); false when the table has too many records.
    bool SortiereNachZahl(uint16_t FeldId);
    bool SortiereNachText(uint16_t FeldId);

    // Field list queries.
    int AnzahlFelder() const { return static_cast<int>(Feldliste.size()); }
    const std::vector<TFelddefinition>& Felder() const { return Feldliste; }
    std::string Feldname(uint16_t FeldId) const;
    uint16_t FeldIdVonName(std::string_view Name) const;
    uint16_t FeldIdAnPosition(int Pos) const;
    int FeldPosition(uint16_t FeldId) const;

    // Font style from field 1248 of the object table, whichever table is asked.
    static void SchriftstilDeuten(std::string_view Stil, TSchriftangaben& Schrift);

private:
    void FeldlisteAufbauen();
    void DateiSicherstellen();
    int Position(uint16_t FeldId) const; // 1-based, 0 = none
    void AktuellMachen(TDatensatz* Satz);
    std::string_view Wert(TDatensatz* Satz, uint16_t FeldId, bool* Gefunden = nullptr);
    TDatensatz* Anhaengen(int32_t Nr);
    void Aushaengen(TDatensatz* Satz);
    void AllesVerwerfen();
    void Geaendert();
    void IndexAufbauen();
    void IndexEinfuegen(TDatensatz* Satz);
    void IndexEntfernen(TDatensatz* Satz);
    bool Sortieren(int (*Vergleich)(TTabelle&, TDatensatz*, TDatensatz*));
    static int TextVergleichen(TTabelle& t, TDatensatz* a, TDatensatz* b);
    bool SchreibfehlerMelden(const std::string& Text);
    bool JournalAufloesen();
    bool Aendern(TDatei& Datei, off_t AlteGroesse, const std::vector<TAenderung>& Aenderungen,
                 bool MitJournal);

    int Art;
    TDateizugriff* Zugriff = &TDateizugriff::System();
    std::string Titel;
    std::filesystem::path Datei;
    std::string NameFuerMeldungen;
    std::vector<TFelddefinition> Feldliste;
    int ErsteId = 0;
    std::vector<int16_t> PositionVonId; // index FeldId - ErsteId

    int Stufe = 0;
    uint64_t Stand = 0;
    uint16_t SortierFeld = 0;
    std::string LetzterFehler;
    TDatensatz* Aktuell = nullptr;
    // Where the last value read begins, so that reading a record's fields in order (as an
    // object applying all its fields does) walks its data once instead of once per field.
    // Valid while no record's field data changed since (`Datenstand`).
    struct TLesemerker {
        const TDatensatz* Satz = nullptr;
        uint64_t Stand = 0;
        int Pos = 1;
        size_t Anfang = 0;
    } Lesemerker;
    uint64_t Datenstand = 1; // counts every change, load or release of any record's field data
    TDatensatz* Kopf = nullptr;
    TDatensatz* Ende = nullptr;
    int Satzanzahl = 0;

    // Records live in blocks of a pool so that references stay valid while the list
    // changes; freed records are reused. A small table lies in one small block, a large one
    // in a few large blocks that lie on huge pages.
    struct TSatzblock {
        explicit TSatzblock(size_t Platz);
        ~TSatzblock();
        TSatzblock(const TSatzblock&) = delete;
        TSatzblock& operator=(const TSatzblock&) = delete;
        TDatensatz* Neuer();
        bool Voll() const { return Belegt == Platz; }

        TRohspeicher Speicher;
        size_t Platz;
        size_t Belegt = 0;
    };
    static constexpr size_t Blockgroesse = 4096; // records in the first block
    std::vector<std::unique_ptr<TSatzblock>> Speicher;
    std::vector<TDatensatz*> FreieSaetze;
    std::vector<TRohspeicher> Ladepuffer; // file contents the field data point into

    // Absolute record number -> first record in list order with that number. Built on
    // the first lookup after a load or sort, then kept true by every change of the list.
    TNummernindex Index;
    bool IndexGueltig = false;
};

// Copies every field of the source table's list into the target record and saves it.
bool KopiereDatensatz(TTabelle& Quelltabelle, TDatensatz* Quellsatz, TTabelle& Zieltabelle,
                      TDatensatz* Zielsatz);

// Writes a fresh table file holding these records one after another, exactly as saving
// them one by one into a new file would; for tools that build large tables.
struct TNeuerSatz {
    int32_t Nr;
    std::string Felddaten; // values each followed by 0x00, closed by 0x1B
};
bool TabellendateiSchreiben(const std::filesystem::path& Datei,
                            const std::vector<TNeuerSatz>& Saetze, std::string& Fehlertext);

// The 100-byte header of a new table file.
std::string Dateikopf();

// Field data made of these values (each closed by 0x00, the whole by 0x1B).
std::string FelddatenAus(const std::vector<std::string>& Werte);
