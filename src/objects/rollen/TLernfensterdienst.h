#pragma once
// Role: what the objects and their actions ask of the current learner window. The player
// answers; until it does every question gets the answer of an empty page.

#include <cstdint>

class TLernfensterdienst {
public:
    virtual ~TLernfensterdienst() = default;

    // Page number (field 100) and default page (field 120) of the page shown; 0 without.
    virtual int32_t Seitennummer() { return 0; }
    virtual int32_t Vorgabeseite() { return 0; }
    virtual bool SeiteVorhanden(int32_t) { return false; }
    // Shows object `Nr` of the page, loading it when the page does not list it.
    virtual void ObjektZeigen(int32_t, bool /*NachgeladeneVerbergen*/) {}
    // Makes `Seite` the page a closing window leaves for the window list and answers the
    // position of the current window in the window list (from 1; 0 without a window).
    virtual int SchliessenVormerken(int32_t /*Seite*/) { return 0; }
    // A click that changes the page while an effect runs lets the effect end early.
    virtual void LaufendenEffektAbkuerzen() {}
    // The focus goes to the window's own focus control, so that a focused input field is
    // left before a button acts.
    virtual void FokusAnFenster() {}
    // Effects play only once the first learner window has been shown, and not while a page
    // change waits for an effect to end.
    virtual bool EffekteAktiv() { return true; }
};
