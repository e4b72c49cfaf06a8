#include "vlmtab/Tabellenbefehle.h"

#include "store/Datenlexikon.h"
#include "store/TTabelle.h"
#include "store/Zeichensatz.h"
#include "vlmtab/Fehlerzaehler.h"
#include "vlmtab/JsonText.h"
#include "vlmtab/Tabellenwert.h"

#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace vlmtab {

namespace {

std::string Vorsatz(const fs::path& Datei) {
    return "vlmtab: " + Datei.string() + ": ";
}

std::string Satzname(int32_t Nr) {
    return "record " + std::to_string(Nr);
}

std::string Tabellenname(int Art) {
    const TTabellenbeschreibung b = Tabellenbeschreibung(Art);
    std::string name = *b.Titel ? AnsiNachUtf8(b.Titel) : std::string("(no title)");
    return name + " (kind " + std::to_string(Art) + ", " + b.Dateiname + ")";
}

bool FeldPruefen(const TTabelle& Tabelle, const fs::path& Datei, int FeldId,
                 std::ostream& Meldungen) {
    if (FeldId < 0 || FeldId > 0xFFFF) {
        Meldungen << Vorsatz(Datei) << "field " << FeldId << " is not a field identifier\n";
        return false;
    }
    if (FeldId >= 100 && Tabelle.FeldPosition(static_cast<uint16_t>(FeldId)) < 0) {
        Meldungen << Vorsatz(Datei) << "field " << FeldId << " is not in the field list of "
                  << Tabellenname(Tabelle.Tabellenart()) << '\n';
        return false;
    }
    return true;
}

bool DateiVorhanden(const fs::path& Datei, std::ostream& Meldungen) {
    std::error_code fehler;
    const fs::file_status s = fs::status(Datei, fehler);
    if (!fs::exists(s)) {
        Meldungen << Vorsatz(Datei) << "no such file\n";
        return false;
    }
    if (fs::is_directory(s)) {
        Meldungen << Vorsatz(Datei) << "is a directory, not a table file\n";
        return false;
    }
    return true;
}

// Loads the whole table; false when the engine reported a read failure.
bool TabelleLaden(TTabelle& Tabelle, const fs::path& Datei, std::ostream& Meldungen) {
    Fehlerzaehler zaehler;
    Tabelle.Laden(2);
    if (zaehler.Fehleranzahl == 0) return true;
    Meldungen << Vorsatz(Datei) << "could not be read\n";
    return false;
}

TDatensatz* SatzFinden(TTabelle& Tabelle, const fs::path& Datei, int32_t Nr,
                       std::ostream& Meldungen) {
    TDatensatz* satz = Tabelle.Datensatz(Nr);
    if (!satz) Meldungen << Vorsatz(Datei) << Satzname(Nr) << " not found\n";
    return satz;
}

} // namespace

std::optional<int> ArtBestimmen(const fs::path& Datei, std::optional<int> Art,
                                std::ostream& Meldungen) {
    if (Art) {
        if (*Art >= 0 && *Art <= HoechsteTabellenart) return Art;
        Meldungen << Vorsatz(Datei) << "there is no table kind " << *Art << " (0 to "
                  << HoechsteTabellenart << ")\n";
        return std::nullopt;
    }
    const int art = TabellenartVonDateiname(Datei.filename().string());
    if (art >= 0) return art;
    Meldungen << Vorsatz(Datei) << "the file name names no table kind; give one with --kind\n";
    return std::nullopt;
}

int TabelleAusgeben(const fs::path& Datei, std::optional<int> Art, std::ostream& Aus,
                    std::ostream& Meldungen) {
    const auto art = ArtBestimmen(Datei, Art, Meldungen);
    if (!art || !DateiVorhanden(Datei, Meldungen)) return Fehlschlag;
    TTabelle tabelle(*art, Datei);
    if (!TabelleLaden(tabelle, Datei, Meldungen)) return Fehlschlag;
    for (TDatensatz* s = tabelle.Erster(); s; s = s->Naechster) {
        // All values in one walk: asking for each by position walks the record from its start
        // every time, which a record of many empty values makes quadratic.
        Aus << Dumpzeile(s->Nr, s->Dateiposition, tabelle.AlleWerte(s)) << '\n';
    }
    Aus.flush();
    return Aus ? Erfolg : Fehlschlag;
}

int WertLesen(const fs::path& Datei, int32_t Nr, int FeldId, std::optional<int> Art,
              std::ostream& Aus, std::ostream& Meldungen) {
    const auto art = ArtBestimmen(Datei, Art, Meldungen);
    if (!art) return Fehlschlag;
    TTabelle tabelle(*art, Datei);
    if (!FeldPruefen(tabelle, Datei, FeldId, Meldungen) || !DateiVorhanden(Datei, Meldungen) ||
        !TabelleLaden(tabelle, Datei, Meldungen))
        return Fehlschlag;
    TDatensatz* satz = SatzFinden(tabelle, Datei, Nr, Meldungen);
    if (!satz) return Fehlschlag;
    Aus << AnsiNachUtf8(tabelle.LeseText(satz, static_cast<uint16_t>(FeldId))) << '\n';
    Aus.flush();
    return Aus ? Erfolg : Fehlschlag;
}

int WertSetzen(const fs::path& Datei, int32_t Nr, int FeldId, std::string_view Wert,
               std::optional<int> Art, std::ostream& Meldungen) {
    const auto art = ArtBestimmen(Datei, Art, Meldungen);
    if (!art) return Fehlschlag;
    TTabelle tabelle(*art, Datei);
    if (!FeldPruefen(tabelle, Datei, FeldId, Meldungen)) return Fehlschlag;
    std::string grund;
    const auto wert = TabellenwertAusUtf8(Wert, grund);
    if (!wert) {
        Meldungen << Vorsatz(Datei) << Satzname(Nr) << ", field " << FeldId << ": the value "
                  << grund << '\n';
        return Fehlschlag;
    }
    std::error_code fehler;
    if (!fs::exists(Datei, fehler) && !tabelle.DateiAnlegen()) {
        Meldungen << Vorsatz(Datei) << "could not be created: " << tabelle.LetzterFehlertext()
                  << '\n';
        return Fehlschlag;
    }
    if (!DateiVorhanden(Datei, Meldungen) || !TabelleLaden(tabelle, Datei, Meldungen))
        return Fehlschlag;

    Fehlerzaehler zaehler;
    TDatensatz* satz = tabelle.Datensatz(Nr);
    if (!satz) satz = tabelle.NeuerDatensatz(Nr);
    tabelle.SchreibeText(satz, static_cast<uint16_t>(FeldId), *wert);
    if (zaehler.Fehleranzahl > 0) {
        Meldungen << Vorsatz(Datei) << Satzname(Nr) << ", field " << FeldId
                  << ": the value was refused; nothing was saved\n";
        return Fehlschlag;
    }
    if (!tabelle.Speichern(satz) || zaehler.Fehleranzahl > 0) {
        Meldungen << Vorsatz(Datei) << Satzname(Nr) << " could not be saved\n";
        return Fehlschlag;
    }
    return Erfolg;
}

int DatensatzLoeschen(const fs::path& Datei, int32_t Nr, std::optional<int> Art,
                      std::ostream& Meldungen) {
    const auto art = ArtBestimmen(Datei, Art, Meldungen);
    if (!art || !DateiVorhanden(Datei, Meldungen)) return Fehlschlag;
    TTabelle tabelle(*art, Datei);
    if (!TabelleLaden(tabelle, Datei, Meldungen)) return Fehlschlag;
    TDatensatz* satz = SatzFinden(tabelle, Datei, Nr, Meldungen);
    if (!satz) return Fehlschlag;
    Fehlerzaehler zaehler;
    tabelle.Loeschen(satz);
    if (zaehler.Fehleranzahl > 0) {
        Meldungen << Vorsatz(Datei) << Satzname(Nr) << " could not be removed from the file\n";
        return Fehlschlag;
    }
    return Erfolg;
}

} // namespace vlmtab
