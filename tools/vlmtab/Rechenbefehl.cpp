#include "vlmtab/Rechenbefehl.h"

#include "store/Datenlexikon.h"
#include "store/Datensaetze.h"
#include "store/Lektionsdateien.h"
#include "vlmtab/Fehlerzaehler.h"

#include <string>

namespace fs = std::filesystem;

namespace vlmtab {

int DatenBerechnen(const fs::path& Lektionsverzeichnis, std::ostream& Meldungen) {
    const std::string vorsatz = "vlmtab: " + Lektionsverzeichnis.string() + ": ";
    std::error_code fehler;
    if (!fs::is_directory(Lektionsverzeichnis, fehler)) {
        Meldungen << vorsatz << "no such directory\n";
        return Fehlschlag;
    }
    const char* name = Tabellenbeschreibung(ArtDaten).Dateiname;
    // Checked here because the engine would report a missing table only as a read error.
    const fs::path datei = LektionsdateiFinden(Lektionsverzeichnis, name);
    if (!fs::is_regular_file(datei, fehler)) {
        Meldungen << vorsatz << "the lesson has no " << name << '\n';
        return Fehlschlag;
    }
    Fehlerzaehler zaehler;
    const bool gespeichert = BerechnenDatei(Lektionsverzeichnis);
    if (!gespeichert || zaehler.Fehleranzahl > 0) {
        Meldungen << "vlmtab: " << datei.string() << ": "
                  << (gespeichert ? "the table engine reported an error"
                                  : "not every formula record could be saved")
                  << '\n';
        return Fehlschlag;
    }
    return Erfolg;
}

} // namespace vlmtab
