#include "objects/texte/TSystemlabelteilnehmer.h"

#include "objects/kern/TSeitenfenster.h"
#include "objects/texte/THSystemLabel.h"

void TSystemlabelteilnehmer::SeiteFertig(TSeitenfenster& Fenster) {
    THSystemLabel::AlleAktualisieren(Fenster.Objektliste());
}

void TSystemlabelteilnehmer::LernerdatenGeloescht(TSeitenfenster& Fenster) {
    THSystemLabel::AlleAktualisieren(Fenster.Objektliste());
}
