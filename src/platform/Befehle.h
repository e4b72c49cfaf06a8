#pragma once
// Commands that travel through the event queue, so that nothing navigates or closes a
// window inside the handler that asked for it: window commands to a learner window,
// host commands to the host form, and remote commands from another program.

#include <QEvent>
#include <QObject>

#include <cstdint>
#include <functional>

class TBefehl : public QEvent {
public:
    TBefehl(QEvent::Type Art, int Code, int32_t Parameter)
        : QEvent(Art), Code(Code), Parameter(Parameter) {}
    const int Code;
    const int32_t Parameter;
};

QEvent::Type FensterbefehlArt();
QEvent::Type HostbefehlArt();
QEvent::Type FernbefehlArt();

// Window command codes (argument: a page number unless said otherwise). Other codes are
// ignored.
enum Fensterbefehlcode : int {
    FensterSeite = 0,              // go to the page when the argument is above 0
    FensterWeiter = 11,            // next page
    FensterZurueck = 12,           // previous page
    FensterAuswerten = 13,         // evaluate the page, nothing more
    FensterAuswertenUndSeite = 14, // when passed and the argument is above 0: that page
    FensterAuswertenUndWeiter = 15,
    FensterNeuesFenster = 17,   // the page in a new learner window (0: the current page)
    FensterModalesFenster = 18, // the same, modal
    FensterDrucken = 20,        // print the window's image
    FensterEreignis = 21,       // page event with the argument's low 16 bits
    FensterDialogfenster = 22,  // as 17, a modal dialog window
    FensterVerlaufVor = 23,
    FensterVerlaufZurueck = 24,
};

// Host command codes.
enum Hostbefehlcode : int {
    HostFensterSchliessen = 1, // argument: position (from 1) of the window asking to close
    HostBeenden = 3,           // end the lesson after confirmation
    HostVerbergen = 4,
    HostSeite = 5,          // the current window goes to the argument's page
    HostScript = 7,         // run the pending script
    HostNaechsteNummer = 8, // the current window goes to the next page number
};

// Remote command types (the low 16 bits of the code); other types are ignored.
enum Fernbefehltyp : int {
    FernSeite = 1,
    FernAuswerten = 2,
    FernWeiter = 3,
    FernAuswertenUndSeite = 4,
    FernAuswertenUndWeiter = 5,
    FernBeenden = 6,
    FernNeuesFenster = 7,
    FernModalesFenster = 8,
    FernDrucken = 9,
    FernLernerdatenZuruecksetzen = 10,
    FernAnzeigenAktualisieren = 11,
    FernLesezeichen = 12,
    FernZurueck = 13,
    FernObjektZeigen = 14,
};

// The hidden host form that receives host commands; set by the program at start (kept in
// `TPlattformstand`). Commands are posted through the role `TBefehlspost`.
QObject*& Hostformular();

// Posts a command; it runs after the current handler has returned, in posting order. When
// the post is refused, pending events are processed once and the post is tried again;
// refused again, the command is lost without a word to the learner.
void BefehlSenden(QObject* Ziel, QEvent::Type Art, int Code, int32_t Parameter = 0);
