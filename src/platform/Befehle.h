#pragma once
// Commands that travel through the event queue, so that nothing navigates or closes a
// window inside the handler that asked for it: window commands to a learner window,
// host commands to the host form, and remote commands from another program.

#include <QEvent>
#include <QObject>

#include <cstdint>

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

// Window command codes (the argument is a page number unless said otherwise).
enum Fensterbefehlcode : int {
    FensterGeheZu = 0,
    FensterWeiter = 11,
    FensterZurueck = 12,
    FensterAuswerten = 13,
    FensterAuswertenGeheZu = 14,
    FensterAuswertenWeiter = 15,
    FensterNeu = 17,
    FensterNeuModal = 18,
    FensterDrucken = 20,
    FensterEreignis = 21, // argument: the event number in its low 16 bits
    FensterDialog = 22,
    FensterVerlaufVor = 23,
    FensterVerlaufZurueck = 24,
};

// Host command codes.
enum Hostbefehlcode : int {
    HostFensterSchliessen = 1, // argument: position of the asking window, from 1
    HostBeenden = 3,
    HostVerbergen = 4,
    HostGeheZu = 5,
    HostScriptAusfuehren = 7,
    HostNaechsteNummer = 8,
};

// The hidden host form that receives host commands; set by the program at start.
QObject*& Hostformular();

// Posts a command; it runs after the current handler has returned, in posting order.
void BefehlSenden(QObject* Ziel, QEvent::Type Art, int Code, int32_t Parameter = 0);
