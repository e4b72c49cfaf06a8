#pragma once
// The one place that wires the application context: every role implementation and every
// participant of the page build of the program, in place for as long as this lives and
// removed in reverse order. The host form holds it for the program's lifetime; tests that
// build learner windows hold one of their own.
//
// Adding a subsystem: give it a folder, let it implement the roles it offers (see
// src/objects/rollen) and its page-build participant (`TSeitenteilnehmer`), and add one
// member here that puts them in place (`TRollenersatz`, `TSeitenteilnahme`). Members are
// built in order, so participants are called in the order they are listed.

#include "actions/TAktionsausfuehrer.h"
#include "app/TLernerdatenanbindung.h"
#include "app/TScriptanbindung.h"
#include "app/TSystemwertanbindung.h"
#include "evaluation/TAntwortauswertung.h"
#include "evaluation/TOrvelle.h"
#include "objects/auswahl/TAbhakteilnehmer.h"
#include "objects/rollen/TSeitenteilnahme.h"
#include "objects/sap/TStatuszeilenteilnehmer.h"
#include "objects/texte/TSystemlabelteilnehmer.h"
#include "platform/TLautsprecher.h"
#include "player/Spielerrollen.h"
#include "store/TAnwendungskontext.h"

class TVerdrahtung {
public:
    TVerdrahtung() = default;
    TVerdrahtung(const TVerdrahtung&) = delete;
    TVerdrahtung& operator=(const TVerdrahtung&) = delete;

private:
    // The learner windows: their roles and the navigation buttons after each page.
    TSpielerrollen Spieler;
    // The object actions carry out what the objects request.
    TAktionsausfuehrer Aktionen;
    TRollenersatz<TAktionsausfuehrung> AktionenErsatz{Aktionen};
    // The learner data: records made by showing pages, progress and gauges after every page
    // build and after a reset, before the system labels show them.
    TLernerdatenanbindung Lernerdaten;
    TRollenersatz<TLernerdatendienst> LernerdatenErsatz{Lernerdaten};
    TSeitenteilnahme LernerdatenTeilnahme{Lernerdaten};
    // The page evaluation of the learner windows' commands.
    TAntwortauswertung Antworten;
    TRollenersatz<TAuswertungsdienst> AntwortenErsatz{Antworten};
    // The learning-management interface; the start-up reads its start file.
    TOrvelle Lernplattform;
    TRollenersatz<TOrvelle> LernplattformErsatz{Lernplattform};
    // The system values read the clock and the running player; system labels show them
    // anew last in every page build.
    TSystemwertanbindung Systemwerte;
    TRollenersatz<TSystemwertdienst> SystemwertErsatz{Systemwerte};
    // Tick-off marks show their page's state once the page's objects stand.
    TAbhakteilnehmer Abhakmarken;
    TSeitenteilnahme AbhakTeilnahme{Abhakmarken};
    TSystemlabelteilnehmer Systemlabels;
    TSeitenteilnahme SystemlabelTeilnahme{Systemlabels};
    // Status lines of simulated screens: Insert flips the overwrite mode, a resized window
    // takes them along its bottom edge.
    TStatuszeilenteilnehmer Statuszeilen;
    TSeitenteilnahme StatuszeilenTeilnahme{Statuszeilen};
    // The speaker lives no longer than the program's windows, so that a tone still playing
    // ends with them.
    TLautsprecher Lautsprecher;
    TRollenersatz<TLautsprecher> LautsprecherErsatz{Lautsprecher};
    // The scripts run against the current learner window.
    TScriptanbindung Scripte;
    TRollenersatz<TScriptdienst> ScriptErsatz{Scripte};
};
