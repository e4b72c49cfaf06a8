#include "script/TScript.h"

#include "script/Scriptzahl.h"
#include "script/Textbloecke.h"
#include "store/Config.h"
#include "store/DialogDienst.h"
#include "store/Lektionsdateien.h"
#include "store/Zeichensatz.h"

#include <cstdlib>

namespace {

constexpr int32_t TypEditfeld = 6;

} // namespace

struct TScript::TBefehl {
    const char* Name; // lower case, Windows-1252
    int Anzahl;       // parameters; -1 when not counted
    void (TScript::*Ausfuehrung)();
};

const TScript::TBefehl* TScript::BefehlFinden(std::string_view Wort) {
    static const TBefehl Befehle[] = {
        {"db_setobjeig", 3, &TScript::SetObjEig},
        {"db_setstateeig", 3, &TScript::SetStateEig},
        {"db_addobjtostate", 2, &TScript::AddObjToState},
        {"setdaten", 3, &TScript::SetDaten},
        {"setdaten_inhalt", 3, &TScript::SetDatenInhalt},
        {"daten_berechnen", -1, &TScript::DatenBerechnen},
        {"objekt_anzeigen", 1, &TScript::ObjektAnzeigen},
        {"objektinhalt_nach_datensatz", 2, &TScript::ObjektNachDatensatz},
        {"datensatzinhalt_nach_objekt", 2, &TScript::DatensatzNachObjekt},
        {"auswerten", 0, &TScript::Auswerten},
        {"weiterbl\xE4ttern", 0, &TScript::Weiterblaettern},
        {"zur\xFC"
         "ckbl\xE4ttern_im_verlauf",
         0, &TScript::Zurueckblaettern},
        {"verzweigen", 1, &TScript::Verzweigen},
        {"bringtofront", 1, &TScript::BringToFront},
        {"sendtoback", 1, &TScript::SendToBack},
        {"f4fenster_\xF6"
         "ffnen",
         1, &TScript::F4Oeffnen},
        {"beep", 2, &TScript::Beep},
        {"settext", 2, &TScript::SetText},
        {"settitelzeile", 1, &TScript::SetTitelzeile},
        {"db_notizneu", 3, &TScript::NotizNeu},
    };
    for (const auto& b : Befehle)
        if (GleichOhneGrossKlein(b.Name, Wort)) return &b;
    return nullptr;
}

TScript::TScript(const TScriptLektion& Lektion, TScriptUmgebung& Umgebung, TScriptModus Modus)
    : Lektion(Lektion), Umgebung(Umgebung), Modus(Modus),
      Tabellen(Lektion, [this](std::string Text) { Melden(Art::Fehler, Text); }) {}

void TScript::Ausfuehren(const std::vector<std::string>& Zeilen, const std::string& Dateiname) {
    Datei = AnsiNachUtf8(Dateiname);
    Fehler = 0;
    Klangflag = true;
    Abbrechen = false;
    Zeilenposition = 0;
    Variablen.Zuruecksetzen(Umgebung.Seitennummer());
    for (size_t i = 0; i < Zeilen.size() && !Abbrechen; ++i) {
        Zeilennummer = static_cast<int>(i + 1);
        Zeile(Zeilen[i]);
        Zeilenposition += static_cast<int64_t>(Zeilen[i].size()) + 2;
        if (Modus.Skriptmeldungen && Fehler > MaxFehler) {
            Modus.Skriptmeldungen->push_back({0, "Skriptbearbeitung abgebrochen"});
            break;
        }
    }
    if (Modus.Syntaxpruefung && Modus.Skriptmeldungen)
        Modus.Skriptmeldungen->push_back(
            {0, Klangflag ? "Syntax OK" : "Script kann nicht ausgeführt werden"});
    Variablen.Zuruecksetzen(Umgebung.Seitennummer());
}

void TScript::Zeile(std::string_view Text) {
    Anweisung.Zerlegen(Text);
    if (Anweisung.Befehl.empty()) return;
    if (GleichOhneGrossKlein(Anweisung.Befehl, "var")) {
        VarAnlegen();
        return;
    }
    if (std::string* variable = Variablen.Finden(Anweisung.Befehl)) {
        Aufloesen();
        Zuweisen(*variable);
        return;
    }
    const TBefehl* befehl = BefehlFinden(Anweisung.Befehl);
    if (!befehl) {
        // Counted only where an editor shows it; the author protocol hears it always.
        Melden(Art::Fehler, "unbekannter Befehl \"" + AnsiNachUtf8(Anweisung.Befehl) + "\"",
               Modus.Skriptmeldungen != nullptr);
        return;
    }
    Aufloesen();
    if (Modus.Syntaxpruefung && befehl->Anzahl > 0 && Anweisung.Anzahl != befehl->Anzahl)
        Melden(Art::Fehler, "Anzahl der Parameter stimmt nicht");
    (this->*befehl->Ausfuehrung)();
}

void TScript::Melden(Art Art, const std::string& Text, bool Zaehlen) {
    const bool fehler = Art == Art::Fehler;
    if (fehler && Zaehlen) {
        ++Fehler;
        Klangflag = false;
    }
    const std::string zeile = std::string(fehler ? "[Fehler]" : "[Warnung]") + " Zeile(" +
                              std::to_string(Zeilennummer) + ") " + Text;
    if (Modus.Skriptmeldungen)
        Modus.Skriptmeldungen->push_back({Modus.Syntaxpruefung ? Zeilenposition : 0, zeile});
    Umgebung.Autorenprotokoll("script " + Datei + " " + zeile);
}

// Literals lose their quotes, names of variables become their values.
void TScript::Aufloesen() {
    for (int k = 0; k < Anweisung.Anzahl; ++k) {
        std::string& p = Anweisung.Parameter[static_cast<size_t>(k)];
        if (p.size() >= 2 && p.front() == '\'' && p.back() == '\'') {
            p.pop_back();
            p.erase(0, 1);
        } else if (const std::string* wert = Variablen.Finden(p)) {
            p = *wert;
        }
    }
}

// ---------------------------------------------------------------------------------------
// Checks

int32_t TScript::Ganzzahl(int i, const char* Meldung) {
    if (const auto zahl = ScriptZahl(P(i))) return *zahl;
    Melden(Art::Fehler, Meldung);
    return 0;
}

int32_t TScript::Objektnummer(int i) {
    return Ganzzahl(i, "Parameter ist keine gültige Objektnummer");
}

int32_t TScript::Seitennummer(int i) {
    return Ganzzahl(i, "Parameter ist keine gültige Statenummer");
}

int32_t TScript::Datensatznummer(int i) {
    return Ganzzahl(i, "Parameter ist keine gültige Datensatznummer");
}

bool TScript::AufSeite(int32_t Nr) {
    if (!Umgebung.SeiteVorhanden()) return true; // nothing to check against
    if (Umgebung.ObjektAufSeite(Nr)) return true;
    Melden(Art::Fehler, "Objekt nicht in der Objektliste enthalten");
    return false;
}

bool TScript::Editfeld(int32_t Nr) {
    if (Tabellen.ObjektTyp(Nr) == TypEditfeld) return true;
    Melden(Art::Fehler, "Objekt hat nicht den Typ Editfeld");
    return false;
}

// A property out of range gives none, so that nothing is read or written: field 0 would
// address the record's first value.
std::optional<uint16_t> TScript::Eigenschaft(int i, int Von, int Bis, const char* Keine,
                                             const char* Bezeichnung) {
    const auto zahl = ScriptZahl(P(i));
    if (!zahl) {
        Melden(Art::Fehler, Keine);
        return std::nullopt;
    }
    if (*zahl < Von || *zahl > Bis) {
        Melden(Art::Fehler,
               std::string(Bezeichnung) + " " + std::to_string(*zahl) + " nicht definiert");
        return std::nullopt;
    }
    return static_cast<uint16_t>(*zahl);
}

int32_t TScript::Objekttyp(int i) {
    const auto zahl = ScriptZahl(P(i));
    if (!zahl) {
        Melden(Art::Fehler, "Parameter ist kein gültiger Objekttyp");
        return 0;
    }
    if (*zahl < 1 || *zahl > 69) {
        Melden(Art::Fehler, "Objekttyp " + std::to_string(*zahl) + " nicht definiert");
        return 0;
    }
    return *zahl;
}

bool TScript::Wahrheitswert(int i) {
    if (GleichOhneGrossKlein(P(i), "true")) return true;
    if (!GleichOhneGrossKlein(P(i), "false"))
        Melden(Art::Fehler, "Parameter ist nicht TRUE oder FALSE");
    return false;
}

uint16_t TScript::PositiveZahl(int i) {
    const auto zahl = ScriptZahl(P(i));
    if (zahl && *zahl > 0 && *zahl <= 0xFFFF) return static_cast<uint16_t>(*zahl);
    Melden(Art::Fehler, "Parameter ist keine positive Zahl");
    return 0;
}

int16_t TScript::Zahl16(int i) {
    const auto zahl = ScriptZahl(P(i));
    if (zahl && *zahl >= INT16_MIN && *zahl <= INT16_MAX) return static_cast<int16_t>(*zahl);
    Melden(Art::Fehler, "Parameter ist keine gültige Zahl");
    return 0;
}

// ---------------------------------------------------------------------------------------
// Variables and value functions

void TScript::VarAnlegen() {
    std::string& name = Anweisung.Parameter[0];
    if (name.size() >= 2 && name.front() == '\'' && name.back() == '\'')
        name = name.substr(1, name.size() - 2);
    if (name.empty()) return;
    if (!Variablen.Anlegen(name))
        Melden(Art::Fehler, "Variable \"" + AnsiNachUtf8(name) + "\" schon vorhanden");
}

void TScript::Zuweisen(std::string& Variable) {
    std::string& wert = Anweisung.Parameter[0];
    if (const std::string* andere = Variablen.Finden(wert)) wert = *andere;
    bool funktion = false;
    std::string ergebnis = Wertfunktion(wert, funktion);
    if (funktion)
        Variable = std::move(ergebnis);
    else
        Variable = wert;
}

std::string TScript::Wertfunktion(std::string_view Name, bool& Gefunden) {
    Gefunden = true;
    if (GleichOhneGrossKlein(Name, "gettext")) return GetText();
    if (GleichOhneGrossKlein(Name, "db_objektneu")) {
        const int32_t typ = Objekttyp(1);
        return Modus.Ausfuehren ? std::to_string(Tabellen.ObjektNeu(typ)) : std::string();
    }
    if (GleichOhneGrossKlein(Name, "db_vlw_textneu")) return VlwTextNeu();
    if (GleichOhneGrossKlein(Name, "db_textneu"))
        return Modus.Ausfuehren ? std::to_string(Tabellen.TextNeu(P(1), P(2))) : std::string();
    if (GleichOhneGrossKlein(Name, "db_stateneu")) return StateNeu();
    if (GleichOhneGrossKlein(Name, "db_getobjeig")) {
        const int32_t nr = Objektnummer(1);
        const auto feld = Eigenschaft(
            2, 1201, 1293, "Parameter ist keine gültige Objekteigenschaft", "Objekteigenschaft");
        if (!Modus.Ausfuehren || !feld) return {};
        if (auto wert = Tabellen.ObjektEigenschaft(nr, *feld)) return *wert;
        Melden(Art::Fehler, "Objekt in der Datenbank nicht vorhanden");
        return {};
    }
    if (GleichOhneGrossKlein(Name, "db_getstateeig")) {
        const int32_t nr = Seitennummer(1);
        const auto feld = Eigenschaft(2, 100, 164, "Parameter ist keine gültige Stateeigenschaft",
                                      "Stateeigenschaft");
        if (!Modus.Ausfuehren || !feld) return {};
        if (auto wert = Tabellen.StateEigenschaft(nr, *feld)) return *wert;
        Melden(Art::Fehler, "State in der Datenbank nicht vorhanden");
        return {};
    }
    Gefunden = false;
    return {};
}

std::string TScript::GetText() {
    const int32_t nr = Objektnummer(1);
    if (!AufSeite(nr) || !Modus.Ausfuehren || !Umgebung.SeiteVorhanden()) return {};
    return Editfeld(nr) ? Umgebung.Editfeldtext(nr) : std::string();
}

std::string TScript::VlwTextNeu() {
    const int32_t nr = Zahl16(2);
    if (!Modus.Ausfuehren) return {};
    std::string fehlertext;
    const auto inhalt = TextbloeckeLesen(
        LektionsdateiFinden(Lektion.Lektionsverzeichnis, TextblockDateiname), fehlertext);
    if (!inhalt) {
        Dialoge().Fehler(std::string("Fehler beim Lesen in der Datei ") + TextblockDateiname +
                         ": \n" + fehlertext);
        Abbrechen = true;
        return {};
    }
    auto text = Textblock(*inhalt, nr);
    if (!text)
        Dialoge().Nachricht(Symbol::Information, "",
                            "Text Nr. " + std::to_string(nr) + " nicht gefunden.", KnopfOK,
                            KnopfOK);
    return std::to_string(Tabellen.TextNeu(P(1), text.value_or(std::string())));
}

std::string TScript::StateNeu() {
    const int32_t nr = Seitennummer(1);
    const bool kopieren = Wahrheitswert(2);
    if (!Modus.Ausfuehren) return {};
    return std::to_string(Tabellen.StateNeu(nr, kopieren, Schrittweite()));
}

int32_t TScript::Schrittweite() {
    const std::string* wert = Variablen.Finden("vlm_sw");
    if (const auto zahl = wert ? ScriptZahl(*wert) : std::nullopt) return *zahl;
    Melden(Art::Fehler, "Fehler beim Lesen der Variablen \"Vlm_SW\"");
    return 1;
}

// ---------------------------------------------------------------------------------------
// Commands

void TScript::SetObjEig() {
    const int32_t nr = Objektnummer(0);
    const auto feld = Eigenschaft(1, 1201, 1293, "Parameter ist keine gültige Objekteigenschaft",
                                  "Objekteigenschaft");
    if (Modus.Ausfuehren && feld) Tabellen.ObjektEigenschaftSetzen(nr, *feld, P(2));
}

void TScript::SetStateEig() {
    const int32_t nr = Seitennummer(0);
    const auto feld = Eigenschaft(1, 100, 164, "Parameter ist keine gültige Stateeigenschaft",
                                  "Stateeigenschaft");
    if (Modus.Ausfuehren && feld && !Tabellen.StateEigenschaftSetzen(nr, *feld, P(2)))
        Melden(Art::Fehler, "State in der Datenbank nicht vorhanden");
}

void TScript::AddObjToState() {
    const int32_t seite = Seitennummer(0);
    const int32_t objekt = Objektnummer(1);
    if (Modus.Ausfuehren && !Tabellen.ObjektZuState(seite, objekt))
        Melden(Art::Fehler, "State in der Datenbank nicht vorhanden");
}

void TScript::SetDaten() {
    const int32_t nr = Datensatznummer(0);
    if (Modus.Ausfuehren) Tabellen.DatenSetzen(nr, P(1), P(2));
}

void TScript::SetDatenInhalt() {
    const int32_t von = Datensatznummer(0);
    const int32_t bis = Datensatznummer(1);
    const int64_t anzahl = int64_t{bis} - von + 1;
    if (anzahl > TScriptTabellen::MaxBereich) {
        Melden(Art::Fehler, "Bereich von " + std::to_string(anzahl) +
                                " Datensätzen ist zu groß (höchstens " +
                                std::to_string(TScriptTabellen::MaxBereich) + ")");
        return;
    }
    if (Modus.Ausfuehren) Tabellen.DatenInhaltSetzen(von, bis, P(2));
}

void TScript::DatenBerechnen() {
    if (Modus.Ausfuehren) Tabellen.DatenBerechnen();
}

void TScript::ObjektAnzeigen() {
    const int32_t nr = Objektnummer(0);
    if (Modus.Ausfuehren) Umgebung.ObjektZeigen(nr);
}

void TScript::ObjektNachDatensatz() {
    const int32_t objekt = Objektnummer(0);
    AufSeite(objekt);
    const int32_t satz = Datensatznummer(1);
    if (Modus.Ausfuehren) Umgebung.ObjektInDatensatz(objekt, satz);
}

void TScript::DatensatzNachObjekt() {
    const int32_t satz = Datensatznummer(0);
    const int32_t objekt = Objektnummer(1);
    AufSeite(objekt);
    if (Modus.Ausfuehren) Umgebung.DatensatzInObjekt(objekt, satz);
}

void TScript::KeineParameter() {
    if (Anweisung.Anzahl > 0) Melden(Art::Warnung, "Keine Parameter erlaubt");
}

void TScript::Auswerten() {
    KeineParameter();
    if (Modus.Ausfuehren) Umgebung.BefehlSenden(TScriptUmgebung::Auswerten, 0);
}

void TScript::Weiterblaettern() {
    KeineParameter();
    if (Modus.Ausfuehren) Umgebung.BefehlSenden(TScriptUmgebung::Weiterblaettern, 0);
}

void TScript::Zurueckblaettern() {
    KeineParameter();
    if (Modus.Ausfuehren) Umgebung.ImVerlaufZurueck();
}

void TScript::Verzweigen() {
    const int32_t seite = Seitennummer(0);
    if (Modus.Ausfuehren) Umgebung.BefehlSenden(TScriptUmgebung::Verzweigen, seite);
}

void TScript::BringToFront() {
    const int32_t nr = Objektnummer(0);
    if (AufSeite(nr) && Modus.Ausfuehren) Umgebung.NachVorn(nr);
}

void TScript::SendToBack() {
    const int32_t nr = Objektnummer(0);
    if (AufSeite(nr) && Modus.Ausfuehren) Umgebung.NachHinten(nr);
}

void TScript::F4Oeffnen() {
    const int32_t nr = Objektnummer(0);
    if (AufSeite(nr) && Modus.Ausfuehren && Tabellen.ObjektTyp(nr) == TypEditfeld)
        Umgebung.F4HilfeOeffnen(nr);
}

void TScript::Beep() {
    const uint16_t frequenz = PositiveZahl(0);
    const uint16_t dauer = PositiveZahl(1);
    if (Modus.Ausfuehren) Umgebung.Beep(frequenz, dauer);
}

void TScript::SetText() {
    const int32_t nr = Objektnummer(0);
    if (AufSeite(nr) && Modus.Ausfuehren && Editfeld(nr)) Umgebung.EditfeldtextSetzen(nr, P(1));
}

void TScript::SetTitelzeile() {
    const bool mit = Wahrheitswert(0);
    if (!Modus.Ausfuehren) return;
    if (!Lektion.Konfigurationsdatei.empty())
        IniWertSchreiben(Lektion.Konfigurationsdatei, "State", "Nr",
                         std::to_string(Umgebung.Seitennummer()));
    Umgebung.Titelzeile(mit);
}

void TScript::NotizNeu() {
    const int32_t seite = Seitennummer(0);
    if (Modus.Ausfuehren) Tabellen.NotizNeu(seite, P(1), P(2), Umgebung.Jetzt());
}
