#pragma once
// Page events reach the event objects of the page.

#include <cstdint>

struct TObjektliste;

// Hands event `EreignisNr` raised by object `Quelle` (0: the learner window) to every event
// object of the list, containers' objects included, in page order, that listens to that
// source.
void EreignisVerteilen(TObjektliste* Kopf, int32_t Quelle, int EreignisNr);

// Whether some event object of the list would carry out its action for that event.
bool EreignisWirdGehoert(TObjektliste* Kopf, int32_t Quelle, int EreignisNr);
