#include "player/Programmende.h"

#include "player/Navigation.h"
#include "player/Objektliste.h"
#include "player/TFensterliste.h"
#include "player/THauptfenster.h"
#include "store/Config.h"
#include "store/Feldnummern.h"
#include "store/Lektion.h"
#include "store/Lektionsdateien.h"
#include "store/Meldungen.h"

#include <QCoreApplication>

int32_t Wiederaufnahmeseite(const THauptfenster& Fenster) {
    if (Fenster.WiederaufnahmeSeite() != 0) return Fenster.WiederaufnahmeSeite();
    const int32_t aktuell = Fenster.Seitennummer();
    if (!Fenster.Feedbackseite()) return aktuell;
    TDatensatz* davor = Navigation::VorherigeNormaleSeite(aktuell, INT64_MIN);
    TTabelle* seiten = Tabelle(ArtSeiten);
    return davor && seiten ? seiten->LeseZahl(davor, Feld::Seiten::State) : aktuell;
}

void FensterSchliessen(THauptfenster* Fenster) {
    auto& liste = TFensterliste::Liste();
    if (!Fenster) {
        Meldung(77);
        return;
    }
    if (liste.Fensteranzahl() <= 1) {
        if (!Beenden(true)) Fenster->SchliessenErlauben(false);
        return;
    }
    Fenster->SchliessenErlauben(true);
    Fenster->close();
    liste.Entfernen(Fenster);
    THauptfenster* neu = nullptr;
    for (const auto& e : liste.Alle())
        if (e.Aufrufer && !neu) neu = e.Fenster;
    liste.AktuellSetzen(neu ? neu : liste.Alle().back().Fenster);
}

bool Beenden(bool Bestaetigen) {
    if (Bestaetigen && !Bestaetigung(8)) return false;
    if (THauptfenster* fenster = AktuellesFenster()) {
        AlleObjekteEntfernen(*fenster);
        if (fenster->Seitennummer() != 0) StartseiteSchreiben(Wiederaufnahmeseite(*fenster));
    }
    if (Lektionsorte().SchreibgeschuetzteLektion) ArbeitsverzeichnisAufraeumen();
    ArbeitskopienLoeschen();
    QCoreApplication::quit();
    return true;
}
