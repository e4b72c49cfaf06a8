#include "app/TLernerdatenanbindung.h"

#include "evaluation/Lernfortschritt.h"
#include "evaluation/TLernerdaten.h"
#include "objects/fortschritt/THLernfortschritt.h"
#include "objects/kern/TObjektliste.h"
#include "objects/rollen/TSeitenteilnahme.h"
#include "player/TFensterliste.h"
#include "player/THauptfenster.h"
#include "store/Lektion.h"
#include "store/Objekttyp.h"

void TLernerdatenanbindung::LernerdatenZuruecksetzen() {
    if (TTabelle* lerner = Tabelle(ArtLerner)) TLernerdaten(*lerner).AlleLoeschen();
    if (THauptfenster* f = AktuellesFenster())
        Seitenteilnehmer([&](TSeitenteilnehmer& t) { t.LernerdatenGeloescht(*f); });
}

void TLernerdatenanbindung::AbhakmarkenAktualisieren() {
    if (THauptfenster* f = AktuellesFenster())
        Seitenteilnehmer([&](TSeitenteilnehmer& t) { t.LernerdatenGeaendert(*f); });
}

bool TLernerdatenanbindung::SeiteOffen(int32_t Seite) {
    TTabelle* lerner = Tabelle(ArtLerner);
    return !lerner || TLernerdaten(*lerner).Offen(Seite);
}

int TLernerdatenanbindung::Menuestatus(int32_t Seite) {
    TTabelle* lerner = Tabelle(ArtLerner);
    return lerner ? TLernerdaten(*lerner).Menuestatus(Seite) : 0;
}

void TLernerdatenanbindung::ObjekteAufgebaut(TSeitenfenster& Fenster) {
    FortschrittErfassen(Fenster);
}

void TLernerdatenanbindung::LernerdatenGeloescht(TSeitenfenster& Fenster) {
    FortschrittErfassen(Fenster);
}

void TLernerdatenanbindung::FortschrittErfassen(TSeitenfenster& Fenster) {
    auto* f = qobject_cast<THauptfenster*>(Fenster.Fensterwidget());
    TTabelle* seiten = Tabelle(ArtSeiten);
    TTabelle* lerner = Tabelle(ArtLerner);
    if (!f || !seiten || !lerner) return;
    f->FortschrittAnzeigen(
        ::FortschrittErfassen(*seiten, *lerner, f->AktuelleSeite(), Fortschrittsseiten));
    // Gauges inside containers keep their value.
    ObenDurchlaufen(f->Objektliste(), [&](TObjektliste& e) {
        if (e.Typ != Objekttyp::Lernfortschritt) return true;
        if (auto* anzeige = qobject_cast<THLernfortschritt*>(e.Objekt.data()))
            anzeige->ProzentSetzen(f->FortschrittProzent());
        return true;
    });
}
