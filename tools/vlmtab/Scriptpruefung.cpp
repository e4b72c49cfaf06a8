#include "vlmtab/Scriptpruefung.h"

#include "script/ScriptAusfuehren.h"
#include "store/Config.h"
#include "store/Lektionsdateien.h"
#include "store/Zeichensatz.h"

namespace fs = std::filesystem;

namespace vlmtab {

namespace {

TScriptLektion LektionOhneTabellen(const fs::path& Verzeichnis) {
    TScriptLektion lektion;
    lektion.Lektionsverzeichnis = Verzeichnis;
    lektion.Scriptpfad =
        KonfigurationLesen(LektionsdateiFinden(Verzeichnis, Konfigurationsdateiname)).Scriptpfad;
    return lektion;
}

} // namespace

int ScriptPruefen(const fs::path& Script, const std::optional<fs::path>& Lektion, std::ostream& Aus,
                  std::ostream& Meldungen) {
    const TScriptLektion lektion = LektionOhneTabellen(Lektion.value_or(fs::path()));
    fs::path datei = Script;
    if (Lektion)
        datei = ScriptdateiFinden(lektion, Dateinamensteil(Script.string())).value_or(Script);
    const auto zeilen = ScriptzeilenLesen(datei);
    std::error_code fehler;
    if (!zeilen || fs::is_directory(datei, fehler)) {
        Meldungen << "vlmtab: " << datei.string() << ": the script cannot be read\n";
        return Aufruffehler;
    }
    std::vector<TScriptMeldung> meldungen;
    TScriptUmgebung ohneSeite; // no learner window: nothing on a page is checked
    TScript script(lektion, ohneSeite, {true, false, &meldungen});
    script.Ausfuehren(*zeilen, Utf8NachAnsiErsetzt(datei.filename().string()));
    for (const auto& m : meldungen)
        Aus << m.Text << '\n';
    return script.Fehleranzahl() > 0 ? Fehlschlag : Erfolg;
}

} // namespace vlmtab
