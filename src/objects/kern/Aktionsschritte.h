#pragma once
// The action of a button, picture button or hyperlink area: the fields of its record that
// describe the action, and the steps by which a click carries it out.

#include "objects/rollen/TAktionsaufruf.h"

#include <cstdint>
#include <string>

class QWidget;
class TTabelle;
struct TDatensatz;

struct TAktionsfelder {
    // Which of the optional fields the class holds; the others stay 0 or empty.
    enum Felder : unsigned { Grundfelder = 0, Hilfe = 1, Script = 2, Menue = 4 };
    explicit TAktionsfelder(unsigned Gehalten) : Gehalten(Gehalten) {}

    int32_t Typ = 0;    // action code as stored (1231)
    int32_t Aktion = 0; // its internal code
    int32_t TextNr = 0;
    int32_t Ziel = 0;
    int32_t Objektnummer = 0;
    int32_t Datensatznummer = 0;
    int32_t HilfeContext = 0;
    int32_t Menuenummer = 0;
    std::string Email;
    std::string Dokumentname;
    std::string Scriptname;
    std::string Hilfedatei;

    // Applies one field of the object record when it belongs to the action; false for
    // every other field.
    bool FeldAnwenden(TTabelle& Tabelle, TDatensatz* Satz, uint16_t FeldId);
    // Sending the answers by mail: such buttons act once.
    bool Mailaktion() const;
    // The request of the action with what every clicked object hands over.
    TAktionsaufruf Aufruf(const std::string& Beschreibung) const;

    const unsigned Gehalten;
};

// Requests the action of `Objekt`: its mail address, description, script and document
// become the current action parameters, its menu number (0 without) the current menu
// number, the point just below its left part the pop-up point; then the action runs.
void AktionDurchfuehren(const TAktionsfelder& Felder, const std::string& Beschreibung,
                        const QWidget& Objekt);
// The click of a push button: its action is requested as above; a button that sends the
// answers by mail acts once and is disabled afterwards (unless the action removed it).
void KnopfaktionDurchfuehren(const TAktionsfelder& Felder, const std::string& Beschreibung,
                             QWidget& Knopf);
// A hyperlink area hands over only its mail address, description and document.
void LinkaktionDurchfuehren(const TAktionsfelder& Felder, const std::string& Beschreibung);
