#pragma once
// What a script asks of the running player beyond the lesson tables: the page shown and
// its objects, the learner window's commands, the F4 value help, the speaker, the window
// frame and the author protocol. The application wires one implementation to the learner
// window; this base does nothing and answers "no page", which is what a check outside the
// player needs.

#include <cstdint>
#include <ctime>
#include <string>

class TScriptUmgebung {
public:
    virtual ~TScriptUmgebung() = default;

    // Learner-window commands posted by a script.
    enum Fensterbefehl : int { Verzweigen = 0, Weiterblaettern = 11, Auswerten = 13 };

    // Whether a learner window shows a page; without one the checks against the page's
    // object list are left out.
    virtual bool SeiteVorhanden() { return false; }
    // The number (page field 100) of the page the current learner window shows.
    virtual int32_t Seitennummer() { return 0; }
    // Whether object `Nr` is in the current page's object list (frames and scroll boxes
    // included).
    virtual bool ObjektAufSeite(int32_t) { return false; }

    // The current text of input field `Nr` on the page, and setting it.
    virtual std::string Editfeldtext(int32_t) { return {}; }
    virtual void EditfeldtextSetzen(int32_t, const std::string&) {}

    // Posts a learner-window command; it runs after the script has ended, in posting order.
    virtual void BefehlSenden(Fensterbefehl, int32_t) {}
    // One step back in the page history, at once.
    virtual void ImVerlaufZurueck() {}
    // Shows object `Nr` on the page as the object action 17 does.
    virtual void ObjektZeigen(int32_t) {}
    virtual void NachVorn(int32_t) {}
    // Sends the object to the back, the page's background picture behind it again.
    virtual void NachHinten(int32_t) {}
    // Opens the F4 value help of input field `Nr`.
    virtual void F4HilfeOeffnen(int32_t) {}
    // The data-record transfers of the object actions 19 and 18 between object `Objekt`
    // and data record `Datensatz`, page events included.
    virtual void ObjektInDatensatz(int32_t /*Objekt*/, int32_t /*Datensatz*/) {}
    virtual void DatensatzInObjekt(int32_t /*Objekt*/, int32_t /*Datensatz*/) {}

    // A tone of `Frequenz` hertz for `Dauer` milliseconds.
    virtual void Beep(uint16_t, uint16_t) {}
    // A sizeable frame with title bar (true) or no frame at all for the learner window.
    virtual void Titelzeile(bool) {}

    // One line "script <file> <diagnostic>" for the author protocol.
    virtual void Autorenprotokoll(const std::string&) {}
    // The pending script name is cleared when a run ends.
    virtual void AnstehendesScriptLoeschen() {}

    // The time stamped on new notes.
    virtual std::time_t Jetzt();
};
