#include "objects/auswahl/TAbhakteilnehmer.h"

#include "objects/auswahl/THAbhaken.h"
#include "objects/kern/TSeitenfenster.h"

void TAbhakteilnehmer::ObjekteAufgebaut(TSeitenfenster& Fenster) {
    THAbhaken::AlleAktualisieren(Fenster.Objektliste());
}

void TAbhakteilnehmer::LernerdatenGeloescht(TSeitenfenster& Fenster) {
    THAbhaken::AlleAktualisieren(Fenster.Objektliste());
}

void TAbhakteilnehmer::LernerdatenGeaendert(TSeitenfenster& Fenster) {
    THAbhaken::AlleAktualisieren(Fenster.Objektliste());
}
