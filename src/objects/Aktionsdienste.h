#pragma once
// What the object actions ask of the parts of the program that live above the page objects
// (the learner window, its window list and tool windows) or join the program later (menus,
// sound, scripts' neighbours, notes, effects, the questionnaire, the message to the author).
// Each part installs a subclass that answers for what it offers; until then every operation
// here does nothing and every question gets the answer of an empty page.

#include <QPoint>

#include <cstdint>

class TAktionsdienste {
public:
    virtual ~TAktionsdienste() = default;

    // The current learner window.
    // Page number (field 100) and default page (field 120) of the page shown; 0 without.
    virtual int32_t Seitennummer() { return 0; }
    virtual int32_t Vorgabeseite() { return 0; }
    virtual bool SeiteVorhanden(int32_t) { return false; }
    // Shows object `Nr` of the page, loading it when the page does not list it.
    virtual void ObjektZeigen(int32_t, bool /*NachgeladeneVerbergen*/) {}
    // Makes `Seite` the page a closing window leaves for the window list and answers the
    // position of the current window in the window list (from 1; 0 without a window).
    virtual int SchliessenVormerken(int32_t /*Seite*/) { return 0; }
    // Deletes every learner record and refreshes progress, system labels and tick marks.
    virtual void LernerdatenZuruecksetzen() {}
    virtual void SystemanzeigenAktualisieren() {}
    virtual void AbhakmarkenAktualisieren() {}
    // The learner data of a page: whether it is still open (no record, or neither done for
    // good nor today), and the picture 0, 1 or 2 its tick objects show for its menu status.
    virtual bool SeiteOffen(int32_t /*Seite*/) { return true; }
    virtual int Abhakbild(int32_t /*Seite*/) { return 0; }
    // Whether the mail server answered the probe at start.
    virtual bool MailVerfuegbar() { return false; }
    // A click that changes the page while an effect runs lets the effect end early.
    virtual void LaufendenEffektAbkuerzen() {}
    // The focus goes to the window's own focus control, so that a focused input field is
    // left before a button acts.
    virtual void FokusAnFenster() {}

    // Operations of parts still to come; nothing happens until they are installed.
    virtual void LesezeichenfensterOeffnen() {}
    virtual void FragebogenOeffnen() {}
    virtual void F4HilfeOeffnen(int32_t /*Objektnummer*/) {}
    virtual void PopupmenueZeigen(int32_t /*Menuenummer*/, QPoint /*Bildschirmpunkt*/) {}
    // Sets or clears the host's sound switch; switched on, the sound function buttons of
    // the page show their active look.
    virtual void KlangSchalten(bool /*An*/) {}
    // Every character grid of the page goes into its checked state and repaints.
    virtual void ZeichenrasterPruefen() {}
    virtual void NachrichtAnAutorZeigen() {}
    virtual void NotizfensterOeffnen() {}
    // Every menu tree of the page repaints its progress marks.
    virtual void MenuebaeumeNeuZeichnen() {}
    // Picture `Objektnummer` plays its path animation to the end.
    virtual void PfadanimationAbspielen(int32_t /*Objektnummer*/) {}
};

// The services in use; the do-nothing base until one is installed.
TAktionsdienste& Aktionsdienste();
// Installs services (not owned); nullptr returns to the base. Answers the ones before.
TAktionsdienste* AktionsdiensteSetzen(TAktionsdienste* Dienste);
