#pragma once
// A small lesson for script tests: pages, texts, objects, object types, data records and
// notes in table files of the test's directory, and a learner window that records what a
// script asks of it.

#include "script/ScriptAusfuehren.h"
#include "store/TTabelle.h"
#include "support/AufzeichnenderDialogDienst.h"
#include "support/Testverzeichnis.h"

#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

// Commands posted to the learner window are kept apart from what happens at once, as the
// window runs them only after the script.
class TAufzeichnendeUmgebung : public TScriptUmgebung {
public:
    bool SeiteVorhanden() override { return true; }
    int32_t Seitennummer() override { return Seite; }
    bool ObjektAufSeite(int32_t Nr) override { return Objekte.contains(Nr); }
    std::string Editfeldtext(int32_t Nr) override { return Texte[Nr]; }
    void EditfeldtextSetzen(int32_t Nr, const std::string& Text) override;
    void BefehlSenden(Fensterbefehl Code, int32_t Parameter) override;
    void ImVerlaufZurueck() override { Aufrufe.push_back("zurueck"); }
    void ObjektZeigen(int32_t Nr) override { Aufruf("zeigen", Nr); }
    void NachVorn(int32_t Nr) override { Aufruf("vorn", Nr); }
    void NachHinten(int32_t Nr) override { Aufruf("hinten", Nr); }
    void F4HilfeOeffnen(int32_t Nr) override { Aufruf("f4", Nr); }
    void ObjektInDatensatz(int32_t Objekt, int32_t Satz) override;
    void DatensatzInObjekt(int32_t Objekt, int32_t Satz) override;
    void Beep(uint16_t Frequenz, uint16_t Dauer) override;
    void Titelzeile(bool Mit) override { Aufruf("titelzeile", Mit); }
    void Autorenprotokoll(const std::string& Zeile) override { Protokoll.push_back(Zeile); }
    void AnstehendesScriptLoeschen() override { ++Geloescht; }
    std::time_t Jetzt() override { return Zeitpunkt; }

    // What happened at once, then the posted commands in posting order.
    std::vector<std::string> Ablauf() const;

    int32_t Seite = 3;
    std::set<int32_t> Objekte{5, 8};
    std::map<int32_t, std::string> Texte;
    std::vector<std::string> Aufrufe;
    std::vector<std::string> Gesendet;
    std::vector<std::string> Protokoll;
    int Geloescht = 0;
    std::time_t Zeitpunkt = 0;

private:
    void Aufruf(const std::string& Was, int32_t Nr) {
        Aufrufe.push_back(Was + " " + std::to_string(Nr));
    }
};

class ScriptLektion : public Testverzeichnis {
protected:
    void SetUp() override;

    // The lesson directory's table of a kind, created empty when missing.
    TTabelle& Tab(int Art);
    // A record with these values (field -> value), saved.
    void Satz(int Art, int32_t Nr, const std::map<uint16_t, std::string>& Werte);
    // The value of a field of record `Nr`; none when there is no such record.
    std::optional<std::string> Wert(int Art, int32_t Nr, uint16_t FeldId);
    // The page (record) whose field 100 holds `Nr`.
    TDatensatz* Seite(int32_t Nr);

    // Writes `Text` (lines joined with CR LF) as the script "test.txt" and runs it.
    void Ausfuehren(const std::string& Text, TScriptModus Modus = {});
    // The protocol rows without "script test.txt ".
    std::vector<std::string> Meldungen() const;

    TScriptLektion Lektion;
    TAufzeichnendeUmgebung Umgebung;
    AufzeichnenderDialogDienst Dialoge;

private:
    std::map<int, std::unique_ptr<TTabelle>> Tabellen;
};

std::string CrLf(const std::string& Text);
