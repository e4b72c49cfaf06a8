#pragma once
// The object actions: what a clicked object, a menu entry or an event object carries out.

#include "objects/rollen/Aktionsanforderung.h"
#include "objects/rollen/TAktionsaufruf.h"

// Carries out the requested action (stored or internal code) after handing over its
// parameters and telling the listener, as a request of an object does. Navigation is posted
// as window commands to the current learner window and host commands to the host form; what
// else the learner window or other parts of the program must do is asked of their roles.
// Action 1 sets the published property "TextNr" of the page's first text object.
void AktionAusfuehren(const TAktionsaufruf& Aufruf);

// The action alone, its parameters already handed over: one handler per action 0-49.
void AktionDurchfuehren(const TAktionsaufruf& Aufruf);
