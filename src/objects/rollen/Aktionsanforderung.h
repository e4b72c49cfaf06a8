#pragma once
// How an object asks for its action: the parameters it hands over go into the action
// context, the listener hears the request, and the installed `TAktionsausfuehrung` carries
// it out.

#include "objects/rollen/TAktionsaufruf.h"

#include <cstdint>

// A stored action code as the internal code (1000-1050 for the actions 0-49).
int32_t Aktionscode(int32_t Code);

void AktionAnfordern(const TAktionsaufruf& Aufruf);

// The first two steps alone: hands over the parameters and tells the listener.
void AktionUebergeben(const TAktionsaufruf& Aufruf);
