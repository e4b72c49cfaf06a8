#include "vlmtab/Befehlszeile.h"

#include "store/Datenlexikon.h"
#include "store/Zahlen.h"
#include "vlmtab/Inibefehl.h"
#include "vlmtab/LektionBauen.h"
#include "vlmtab/Rechenbefehl.h"
#include "vlmtab/Scriptpruefung.h"
#include "vlmtab/Tabellenbefehle.h"

#include <cstdint>
#include <filesystem>
#include <optional>

namespace vlmtab {

namespace {

constexpr const char* Werkzeughilfe =
    R"(Usage: vlmtab COMMAND [ARGUMENTS]

Looks into and repairs Velmora lesson tables and VLM.INI with the player's own
code, recomputes data records, and builds lessons from a readable source.

Commands:
  dump FILE [--kind K]               print every record of a table as a JSON line
  get FILE NR FIELD [--kind K]       print one value of a record
  set FILE NR FIELD VALUE [--kind K] write one value of a record and save it
  delete FILE NR [--kind K]          remove a record from a table
  build SOURCE.json DIR              write a lesson's table files and VLM.INI
  ini FILE SECTION KEY [VALUE]       print or write one key of an initialisation file
  calc DIR                           recompute and save a lesson's formula data records
  script-check SCRIPT [--lesson DIR] check a lesson script without running it

Run "vlmtab COMMAND --help" for the details of a command.

Text is UTF-8 on the command line and in the output, Windows-1252 in the tables.
Exit status: 0 success, 1 failure (the message names file and record), 2 usage error.
)";

constexpr const char* ArtHilfe =
    R"(The table kind follows from the file name, ignoring case ("States.tab" is kind 0,
"objekte.TAB" kind 4, ...). --kind K names it for a file of another name: K is a
kind number from 0 to 28 or a table file name such as "Texte.tab".
)";

constexpr const char* DumpHilfe =
    R"(Usage: vlmtab dump FILE [--kind K]

Prints one JSON object per record, one per line, in the order of the file:
  {"nr":N,"offset":P,"values":["...",...]}
nr is the record number as stored, offset the byte offset of the record in the
file, values the record's values in field-list order, decoded from Windows-1252
to UTF-8. Trailing values that the record does not hold are left out.
)";

constexpr const char* GetHilfe =
    R"(Usage: vlmtab get FILE NR FIELD [--kind K]

Prints the value of field FIELD of record NR (UTF-8) and a line feed. NR is
compared by its absolute value, as everywhere in the engine. FIELD is a field
identifier of the table's field list (for example 101 for a page's caption);
values below 100 address positions (0 and 1 the first value). A field that the
record does not hold prints an empty line. Fails when the file, the record or
the field does not exist.
)";

constexpr const char* SetHilfe =
    R"(Usage: vlmtab set FILE NR FIELD VALUE [--kind K]

Writes VALUE (UTF-8) into field FIELD of record NR and saves the record in
place, or in the first free space of the file that is large enough. A missing
record is created (with number NR), a missing file is created holding only its
header. FIELD as for get. VALUE must be text that Windows-1252 can hold; use
"--" before a VALUE that begins with "--". A record with fewer values receives
empty values up to FIELD.
)";

constexpr const char* DeleteHilfe =
    R"(Usage: vlmtab delete FILE NR [--kind K]

Removes record NR from the table. Its bytes in the file become free space
(0x1B bytes) that a later record may reuse.
)";

constexpr const char* BuildHilfe =
    R"(Usage: vlmtab build SOURCE.json DIR

Writes the table files and VLM.INI of a lesson into DIR (created when missing)
from a readable JSON source:
  {"tables": {"States.tab": [{"nr": 1, "fields": {"100": "1",
                                                  "101": "Willkommen",
                                                  "161": ["1", "2"]}}],
              "Texte.tab": [],
              ...},
   "ini": {"Lektion": {"Name": "Demo"}, "State": {"Nr": "1"}}}

Table keys are the data dictionary's file names (any letter case). Each record
has "nr" and "fields"; field keys are field identifiers (below 100: positions).
A value is a string, a whole number, or a list of them, which is joined with
CR LF. Values go to their field's position, gaps stay empty, nothing follows
the last field given. Records are written in source order; a table with no
records is a file holding only its header. "comment" keys are ignored.
"ini" becomes VLM.INI: Windows-1252, CR LF, [Section] and Key=Value lines in
source order. Only the tables the source names are written.

Unknown table file names, unknown field identifiers and characters that
Windows-1252 cannot hold are errors naming the table file and record; every
error is reported and then nothing is written.
)";

constexpr const char* IniHilfe =
    R"(Usage: vlmtab ini FILE SECTION KEY [VALUE]

Without VALUE, prints the value of KEY in section SECTION of the initialisation
file FILE (a lesson's VLM.INI), decoded from Windows-1252 to UTF-8, and a line
feed. Sections and keys ignore letter case and blanks around them; of several
equal keys the first counts. Fails, naming what is missing, when the file, the section or the key
does not exist.

With VALUE, writes VALUE (UTF-8, stored as Windows-1252) into the key the way
the player writes its resume page: the key's first line in the section gets the
new value and every other byte of the file stays as it was; a missing key is
added after the section's last line, a missing section at the end of the file,
a missing file is created. The file is replaced only when the new one was
written whole. Characters that Windows-1252 cannot hold and line breaks are
errors; so are "[" and "]" in SECTION and "=" in KEY. Use "--" before a VALUE
that begins with "--".
)";

constexpr const char* CalcHilfe =
    R"(Usage: vlmtab calc DIR

Recomputes the formula data records of the lesson in directory DIR as the player
does after a data record changes: the records of "Daten.tab" (any letter case)
are taken in ascending record number, each one with an operator (PLUS, MINUS,
SUMME, + Tage, ...) gets its result as content and is saved. Records without an
operator stay as they are. Fails when the lesson has no Daten.tab or the table
engine reports an error.
)";

constexpr const char* ScriptCheckHilfe =
    R"(Usage: vlmtab script-check SCRIPT [--lesson DIR]

Checks the lesson script SCRIPT as an author's script editor does, without
running it: nothing is changed. Every line is taken apart into command and
parameters, parameters are checked (object, page and record numbers, object
types, properties, TRUE/FALSE) and counted against the command. Objects on the
page are not checked, as no page is shown.

Prints one diagnostics row per error or warning, for example
  [Fehler] Zeile(3) Anzahl der Parameter stimmt nicht
  [Warnung] Zeile(5) Keine Parameter erlaubt
then "Syntax OK", or "Script kann nicht ausgeführt werden" when there were
errors. After more than 30 errors the check stops with "Skriptbearbeitung
abgebrochen". Script text is Windows-1252; the output is UTF-8.

With --lesson DIR the script is found as the player finds it: the file-name
part of SCRIPT under the script path (key Scriptpfad of section Lektion in the
lesson's VLM.INI), then in DIR itself, then SCRIPT as given.

Exit status: 0 without errors (warnings allowed), 1 with errors, 2 when the
script cannot be read.
)";

struct TBefehl {
    const char* Name;
    size_t Anzahl;      // positional arguments
    size_t Wahlweise;   // optional positional arguments after them
    bool MitArt;        // takes --kind
    bool MitLektion;    // takes --lesson
    const char* Aufruf; // one-line usage
    const char* Hilfe;
};

constexpr TBefehl Befehle[] = {
    {"dump", 1, 0, true, false, "vlmtab dump FILE [--kind K]", DumpHilfe},
    {"get", 3, 0, true, false, "vlmtab get FILE NR FIELD [--kind K]", GetHilfe},
    {"set", 4, 0, true, false, "vlmtab set FILE NR FIELD VALUE [--kind K]", SetHilfe},
    {"delete", 2, 0, true, false, "vlmtab delete FILE NR [--kind K]", DeleteHilfe},
    {"build", 2, 0, false, false, "vlmtab build SOURCE.json DIR", BuildHilfe},
    {"ini", 3, 1, false, false, "vlmtab ini FILE SECTION KEY [VALUE]", IniHilfe},
    {"calc", 1, 0, false, false, "vlmtab calc DIR", CalcHilfe},
    {"script-check", 1, 0, false, true, "vlmtab script-check SCRIPT [--lesson DIR]",
     ScriptCheckHilfe},
};

const TBefehl* BefehlFinden(const std::string& Name) {
    for (const auto& b : Befehle)
        if (Name == b.Name) return &b;
    return nullptr;
}

void HilfeZeigen(const TBefehl& Befehl, std::ostream& Aus) {
    Aus << Befehl.Hilfe;
    if (Befehl.MitArt) Aus << '\n' << ArtHilfe;
}

std::optional<int> ArtAus(const std::string& Text) {
    if (const auto zahl = Zahlen::MitVorzeichen(Text)) {
        if (*zahl >= 0 && *zahl <= HoechsteTabellenart) return zahl;
        return std::nullopt;
    }
    const int art = TabellenartVonDateiname(Text);
    return art >= 0 ? std::optional<int>(art) : std::nullopt;
}

// An argument that is an option rather than a value: "-x" and "--x", but not a negative
// number, which record numbers and colours often are.
bool IstOption(const std::string& a) {
    return a.size() > 1 && a[0] == '-' && !Zahlen::MitVorzeichen64(a);
}

class Aufruf {
public:
    Aufruf(std::ostream& Aus, std::ostream& Meldungen) : Aus(Aus), Meldungen(Meldungen) {}

    int Ausfuehren(const std::vector<std::string>& Argumente) {
        if (Argumente.empty()) return Falsch(nullptr, "no command given");
        const std::string& erstes = Argumente[0];
        if (erstes == "--help" || erstes == "-h" || erstes == "help") {
            if (Argumente.size() > 1) {
                if (const TBefehl* b = BefehlFinden(Argumente[1])) {
                    HilfeZeigen(*b, Aus);
                    return Erfolg;
                }
                return Falsch(nullptr, "unknown command \"" + Argumente[1] + "\"");
            }
            Aus << Werkzeughilfe;
            return Erfolg;
        }
        const TBefehl* befehl = BefehlFinden(erstes);
        if (!befehl) {
            if (IstOption(erstes)) return Falsch(nullptr, "unknown option \"" + erstes + "\"");
            return Falsch(nullptr, "unknown command \"" + erstes + "\"");
        }
        return BefehlAusfuehren(*befehl, {Argumente.begin() + 1, Argumente.end()});
    }

private:
    int Falsch(const TBefehl* Befehl, const std::string& Text) {
        Meldungen << "vlmtab: " << Text << '\n';
        if (Befehl)
            Meldungen << "Usage: " << Befehl->Aufruf << "\nRun \"vlmtab " << Befehl->Name
                      << " --help\" for details.\n";
        else
            Meldungen << "Run \"vlmtab --help\" for the commands.\n";
        return Aufruffehler;
    }

    int BefehlAusfuehren(const TBefehl& Befehl, const std::vector<std::string>& Argumente) {
        std::vector<std::string> werte;
        std::optional<int> art;
        std::optional<std::filesystem::path> lektion;
        bool nurWerte = false;
        for (size_t i = 0; i < Argumente.size(); ++i) {
            const std::string& a = Argumente[i];
            if (nurWerte || !IstOption(a)) {
                werte.push_back(a);
            } else if (a == "--") {
                nurWerte = true;
            } else if (a == "--help" || a == "-h") {
                HilfeZeigen(Befehl, Aus);
                return Erfolg;
            } else if (Befehl.MitArt && (a == "--kind" || a.starts_with("--kind="))) {
                std::string k;
                if (a == "--kind") {
                    if (i + 1 == Argumente.size()) return Falsch(&Befehl, "--kind needs a kind");
                    k = Argumente[++i];
                } else {
                    k = a.substr(7);
                }
                art = ArtAus(k);
                if (!art)
                    return Falsch(&Befehl, "\"" + k +
                                               "\" is no table kind (a number from 0 to 28 or a "
                                               "table file name)");
            } else if (Befehl.MitLektion && (a == "--lesson" || a.starts_with("--lesson="))) {
                if (a == "--lesson" && i + 1 == Argumente.size())
                    return Falsch(&Befehl, "--lesson needs a directory");
                lektion = a == "--lesson" ? Argumente[++i] : a.substr(9);
                if (lektion->empty()) return Falsch(&Befehl, "the directory name is empty");
            } else {
                return Falsch(&Befehl, "unknown option \"" + a + "\"");
            }
        }
        if (werte.size() < Befehl.Anzahl || werte.size() > Befehl.Anzahl + Befehl.Wahlweise)
            return Falsch(&Befehl,
                          std::string(werte.size() < Befehl.Anzahl ? "too few" : "too many") +
                              " arguments for " + Befehl.Name);
        const std::string name = Befehl.Name;
        if (name == "calc") {
            if (werte[0].empty()) return Falsch(&Befehl, "the directory name is empty");
            return DatenBerechnen(werte[0], Meldungen);
        }
        if (werte[0].empty()) return Falsch(&Befehl, "the file name is empty");
        if (name == "script-check") return ScriptPruefen(werte[0], lektion, Aus, Meldungen);

        const std::filesystem::path datei = werte[0];
        if (name == "ini") {
            if (werte[1].empty()) return Falsch(&Befehl, "the section name is empty");
            if (werte[2].empty()) return Falsch(&Befehl, "the key is empty");
            if (werte.size() == 3)
                return IniWertAusgeben(datei, werte[1], werte[2], Aus, Meldungen);
            return IniWertEintragen(datei, werte[1], werte[2], werte[3], Meldungen);
        }
        if (name == "build") {
            if (werte[1].empty()) return Falsch(&Befehl, "the directory name is empty");
            return LektionBauen(datei, werte[1], Meldungen);
        }
        if (name == "dump") return TabelleAusgeben(datei, art, Aus, Meldungen);

        const auto nr = Zahlen::MitVorzeichen(werte[1]);
        if (!nr) return Falsch(&Befehl, "NR \"" + werte[1] + "\" is not a whole number (32 bits)");
        if (name == "delete") return DatensatzLoeschen(datei, *nr, art, Meldungen);

        const auto feld = Zahlen::MitVorzeichen(werte[2]);
        if (!feld || *feld < 0 || *feld > 0xFFFF)
            return Falsch(&Befehl, "FIELD \"" + werte[2] +
                                       "\" is not a field identifier (a number from 0 to 65535)");
        if (name == "get") return WertLesen(datei, *nr, *feld, art, Aus, Meldungen);
        return WertSetzen(datei, *nr, *feld, werte[3], art, Meldungen);
    }

    std::ostream& Aus;
    std::ostream& Meldungen;
};

} // namespace

int Befehlszeile(const std::vector<std::string>& Argumente, std::ostream& Aus,
                 std::ostream& Meldungen) {
    return Aufruf(Aus, Meldungen).Ausfuehren(Argumente);
}

} // namespace vlmtab
