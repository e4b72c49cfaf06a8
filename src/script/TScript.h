#pragma once
// The script interpreter: runs the lines of one script in order, each to completion.
// Errors never stop a run; they are counted, and written as diagnostics rows when a
// diagnostics list is attached (check mode) and always to the author protocol.

#include "script/TAnweisung.h"
#include "script/TScriptLektion.h"
#include "script/TScriptTabellen.h"
#include "script/TScriptUmgebung.h"
#include "script/TVariablen.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A diagnostics row: the character position of the line in the script text (check mode
// only, else 0) and the message.
struct TScriptMeldung {
    int64_t Position = 0;
    std::string Text; // UTF-8
};

struct TScriptModus {
    bool Syntaxpruefung = false; // compare parameter counts, end with a summary row
    bool Ausfuehren = true;      // commands take effect
    std::vector<TScriptMeldung>* Skriptmeldungen = nullptr; // the attached diagnostics list
};

class TScript {
public:
    // A run stops after a line once more errors than this have been counted while a
    // diagnostics list is attached.
    static constexpr int MaxFehler = 30;

    TScript(const TScriptLektion& Lektion, TScriptUmgebung& Umgebung, TScriptModus Modus = {});

    // Runs the lines; `Dateiname` names the script in diagnostics rows.
    void Ausfuehren(const std::vector<std::string>& Zeilen, const std::string& Dateiname);

    int Fehleranzahl() const { return Fehler; }
    // Still set after a run without error.
    bool Klang() const { return Klangflag; }

private:
    enum class Art { Fehler, Warnung };
    struct TBefehl;
    static const TBefehl* BefehlFinden(std::string_view Wort);

    void Zeile(std::string_view Text);
    void Melden(Art Art, const std::string& Text, bool Zaehlen = true);
    void Aufloesen();
    const std::string& P(int i) const { return Anweisung.Parameter[static_cast<size_t>(i)]; }

    // Checks: each reports its diagnostic and gives 0 on failure.
    int32_t Ganzzahl(int i, const char* Meldung);
    int32_t Objektnummer(int i);
    int32_t Seitennummer(int i);
    int32_t Datensatznummer(int i);
    bool AufSeite(int32_t Nr);
    std::optional<uint16_t> Eigenschaft(int i, int Von, int Bis, const char* Keine,
                                        const char* Bezeichnung);
    int32_t Objekttyp(int i);
    bool Editfeld(int32_t Nr);
    bool Wahrheitswert(int i);
    uint16_t PositiveZahl(int i);
    int16_t Zahl16(int i);

    // Variables and value functions.
    void VarAnlegen();
    void Zuweisen(std::string& Variable);
    std::string Wertfunktion(std::string_view Name, bool& Gefunden);
    std::string GetText();
    std::string VlwTextNeu();
    std::string StateNeu();
    int32_t Schrittweite();

    // Commands.
    void SetObjEig();
    void SetStateEig();
    void AddObjToState();
    void SetDaten();
    void SetDatenInhalt();
    void DatenBerechnen();
    void ObjektAnzeigen();
    void ObjektNachDatensatz();
    void DatensatzNachObjekt();
    void KeineParameter();
    void Auswerten();
    void Weiterblaettern();
    void Zurueckblaettern();
    void Verzweigen();
    void BringToFront();
    void SendToBack();
    void F4Oeffnen();
    void Beep();
    void SetText();
    void SetTitelzeile();
    void NotizNeu();

    const TScriptLektion& Lektion;
    TScriptUmgebung& Umgebung;
    TScriptModus Modus;
    TScriptTabellen Tabellen;
    TVariablen Variablen;
    TAnweisung Anweisung;
    std::string Datei;
    int Zeilennummer = 0;
    int64_t Zeilenposition = 0;
    int Fehler = 0;
    bool Klangflag = true;
    bool Abbrechen = false; // the text-block file could not be read
};
