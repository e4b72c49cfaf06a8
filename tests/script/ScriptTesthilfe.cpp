#include "ScriptTesthilfe.h"

#include "store/Datenlexikon.h"

void TAufzeichnendeUmgebung::EditfeldtextSetzen(int32_t Nr, const std::string& Text) {
    Texte[Nr] = Text;
    Aufrufe.push_back("settext " + std::to_string(Nr) + " " + Text);
}

void TAufzeichnendeUmgebung::BefehlSenden(Fensterbefehl Code, int32_t Parameter) {
    Gesendet.push_back("befehl " + std::to_string(Code) + " " + std::to_string(Parameter));
}

void TAufzeichnendeUmgebung::ObjektInDatensatz(int32_t Objekt, int32_t Satz) {
    Aufrufe.push_back("objekt>satz " + std::to_string(Objekt) + " " + std::to_string(Satz));
}

void TAufzeichnendeUmgebung::DatensatzInObjekt(int32_t Objekt, int32_t Satz) {
    Aufrufe.push_back("satz>objekt " + std::to_string(Objekt) + " " + std::to_string(Satz));
}

void TAufzeichnendeUmgebung::Beep(uint16_t Frequenz, uint16_t Dauer) {
    Aufrufe.push_back("beep " + std::to_string(Frequenz) + " " + std::to_string(Dauer));
}

std::vector<std::string> TAufzeichnendeUmgebung::Ablauf() const {
    std::vector<std::string> ablauf = Aufrufe;
    ablauf.insert(ablauf.end(), Gesendet.begin(), Gesendet.end());
    return ablauf;
}

std::string CrLf(const std::string& Text) {
    std::string s;
    for (const char c : Text) {
        if (c == '\n') s += '\r';
        s += c;
    }
    return s;
}

void ScriptLektion::SetUp() {
    Testverzeichnis::SetUp();
    Lektion.Lektionsverzeichnis = Verzeichnis;
    Lektion.Konfigurationsdatei = Verzeichnis / "VLM.INI";
    Lektion.Tabelle = [this](int Art) { return &Tab(Art); };
    Satz(ArtSeiten, 1, {{100, "3"}, {101, "Start"}, {161, "5\r\n8"}});
    Satz(ArtObjekte, 5, {{1200, "6"}, {1201, "Eingabe"}});
    Satz(ArtObjekte, 8, {{1200, "1"}, {1201, "Text"}});
    Satz(ArtObjekttypen, 6, {{1190, "Editfeld"}});
    Satz(ArtDaten, 7, {{301, "2"}});
    Satz(ArtDaten, 8, {{301, "3"}});
    Satz(ArtDaten, 9, {{301, "0"}, {302, "7"}, {303, "PLUS"}, {304, "8"}});
}

TTabelle& ScriptLektion::Tab(int Art) {
    auto& tabelle = Tabellen[Art];
    if (!tabelle) {
        const auto datei = Verzeichnis / Tabellenbeschreibung(Art).Dateiname;
        DateiSchreiben(datei, Dateikopf());
        tabelle = std::make_unique<TTabelle>(Art, datei);
        tabelle->Laden(2);
    }
    return *tabelle;
}

void ScriptLektion::Satz(int Art, int32_t Nr, const std::map<uint16_t, std::string>& Werte) {
    TTabelle& t = Tab(Art);
    TDatensatz* satz = t.NeuerDatensatz(Nr);
    for (const auto& [feld, wert] : Werte)
        t.SchreibeText(satz, feld, wert);
    t.Speichern(satz);
}

std::optional<std::string> ScriptLektion::Wert(int Art, int32_t Nr, uint16_t FeldId) {
    TTabelle& t = Tab(Art);
    TDatensatz* satz = t.Datensatz(Nr);
    if (!satz) return std::nullopt;
    return t.LeseText(satz, FeldId);
}

TDatensatz* ScriptLektion::Seite(int32_t Nr) {
    return Tab(ArtSeiten).Suche(100, std::to_string(Nr));
}

void ScriptLektion::Ausfuehren(const std::string& Text, TScriptModus Modus) {
    DateiSchreiben(Verzeichnis / "test.txt", CrLf(Text));
    ScriptAusfuehren("test.txt", Lektion, Umgebung, Modus);
}

std::vector<std::string> ScriptLektion::Meldungen() const {
    std::vector<std::string> zeilen;
    const std::string vorsatz = "script test.txt ";
    for (const auto& z : Umgebung.Protokoll)
        zeilen.push_back(z.starts_with(vorsatz) ? z.substr(vorsatz.size()) : "?" + z);
    return zeilen;
}
