#pragma once
// Connects the script interpreter to the running player: runs the lesson's scripts (the
// role `TScriptdienst`, put in place by the wiring) and answers what a script asks of the
// current learner window, its page objects, the speaker, the author protocol and the clock
// in the application context.

#include "objects/rollen/TScriptdienst.h"
#include "script/TScriptUmgebung.h"

class TScriptanbindung : public TScriptUmgebung, public TScriptdienst {
public:
    TScriptanbindung() = default;
    TScriptanbindung(const TScriptanbindung&) = delete;
    TScriptanbindung& operator=(const TScriptanbindung&) = delete;

    // TScriptdienst
    void ScriptAusfuehren(const std::string& Dateiname) override;
    void AnstehendesScriptAusfuehren() override;

    // TScriptUmgebung
    bool SeiteVorhanden() override;
    int32_t Seitennummer() override;
    bool ObjektAufSeite(int32_t Nr) override;
    std::string Editfeldtext(int32_t Nr) override;
    void EditfeldtextSetzen(int32_t Nr, const std::string& Text) override;
    void BefehlSenden(Fensterbefehl Code, int32_t Argument) override;
    void ImVerlaufZurueck() override;
    void ObjektZeigen(int32_t Nr) override;
    void NachVorn(int32_t Nr) override;
    void NachHinten(int32_t Nr) override;
    void F4HilfeOeffnen(int32_t Nr) override;
    void ObjektInDatensatz(int32_t Objekt, int32_t Datensatz) override;
    void DatensatzInObjekt(int32_t Objekt, int32_t Datensatz) override;
    void Beep(uint16_t Frequenz, uint16_t Dauer) override;
    void Titelzeile(bool Mit) override;
    void Autorenprotokoll(const std::string& Zeile) override;
    void AnstehendesScriptLoeschen() override;
    std::time_t Jetzt() override;
};
