#pragma once
// The object actions: what a clicked object, a menu entry or an event object carries out,
// and the action parameters that objects hand over before they carry out their action.

#include <QPoint>

#include <cstdint>
#include <functional>
#include <string>

// The current action parameters (Windows-1252 text), kept until the next object sets them.
extern std::string AktuelleEmail;
extern std::string AktuelleBeschreibung;
extern std::string AnstehendesScript;
extern std::string AktuellesDokument;
extern int32_t AktuelleMenuenummer;
extern QPoint Popuppunkt;

// A stored action code as the internal code (1000-1050 for the actions 0-49).
int32_t Aktionscode(int32_t Code);

// Carries out action `Aktion` (stored or internal code) with its arguments; callers pass 0
// or "" for what they do not have. Navigation is posted as window commands to the current
// learner window and host commands to the host form; what else the learner window or parts
// above the page objects must do is asked of `Aktionsdienste()`. Action 1 sets the
// published property "TextNr" of the page's first text object.
void AktionAusfuehren(int32_t Aktion, int32_t TextNr, int32_t Objektnummer,
                      const std::string& Hilfedatei, int32_t HilfeContext,
                      int32_t Datensatznummer, int32_t Ziel);

// One call of `AktionAusfuehren`, as a listener hears it.
struct TAktionsaufruf {
    int32_t Aktion = 0;
    int32_t TextNr = 0;
    int32_t Objektnummer = 0;
    std::string Hilfedatei;
    int32_t HilfeContext = 0;
    int32_t Datensatznummer = 0;
    int32_t Ziel = 0;
};

// A listener told of every action before it is carried out (for tests and tracing);
// an empty function removes it.
void AktionshorcherSetzen(std::function<void(const TAktionsaufruf&)> Horcher);
