#pragma once
// A participant of the page build: a subsystem (menus, glossary lists, notes, tick marks,
// progress, animations, timers, system labels, status lines, character grids, navigation
// buttons, ...) that acts on the page objects of its kind at the fixed points of the page
// build of a learner window and at a few points of its input. The page build calls every
// registered participant (`TSeitenteilnahme`) at each point, in the order of registration,
// which `src/app` chooses; adding one never changes the page build.

#include <cstdint>

class TSeitenfenster;
struct TDatensatz;

class TSeitenteilnehmer {
public:
    virtual ~TSeitenteilnehmer() = default;

    // The fixed points of the page build, in the order they come.
    // Before anything of the new page is built (true), and once it stands (false): timer
    // objects pause and resume. Also called when the window pauses its timers otherwise.
    virtual void ZeitgeberAnhalten(TSeitenfenster&, bool /*Anhalten*/) {}
    // The page record's window fields are read: the main menu (field 156) and the page's
    // pop-up menu (field 119).
    virtual void SeitenfelderGelesen(TSeitenfenster&, TDatensatz* /*Seite*/) {}
    // The page's objects stand: learning progress, tick marks, glossary lists, notes.
    virtual void ObjekteAufgebaut(TSeitenfenster&) {}
    // The history has the page and the focus is reset: animations start.
    virtual void SeiteGezeigt(TSeitenfenster&) {}
    // The timers run again: navigation buttons follow the page and the history.
    virtual void SeiteBereit(TSeitenfenster&) {}
    // Last before the stacking order and the page's "page built" event: system labels.
    virtual void SeiteFertig(TSeitenfenster&) {}

    // Outside the page build.
    // Every learner record was deleted: progress, system labels, tick marks follow.
    virtual void LernerdatenGeloescht(TSeitenfenster&) {}
    // A learner record was ticked off: tick marks show the page's state anew.
    virtual void LernerdatenGeaendert(TSeitenfenster&) {}
    // A mouse button went down on the window itself (open menu objects close), the mouse
    // moved over it (buttons drop their hover look), the window's size changed (simulated
    // status lines fit their width).
    virtual void MausGedrueckt(TSeitenfenster&) {}
    virtual void MausBewegt(TSeitenfenster&) {}
    virtual void GroesseGeaendert(TSeitenfenster&) {}
    // Keys the window sees first: Insert toggles the overwrite mode of status lines; the
    // arrow keys move the cursor of the active character grid (`Waagrecht`: left or right);
    // a typed character goes into it (true when it was taken).
    virtual void Einfuegetaste(TSeitenfenster&) {}
    virtual void Pfeiltaste(TSeitenfenster&, bool /*Waagrecht*/, bool /*Vorwaerts*/) {}
    virtual bool Zeichen(TSeitenfenster&, char) { return false; }
};
