#pragma once
// The actions library's answer to the object's requests; `src/app` installs it.

#include "objects/rollen/TAktionsausfuehrung.h"

class TAktionsausfuehrer : public TAktionsausfuehrung {
public:
    void AktionAusfuehren(const TAktionsaufruf& Aufruf) override;
};
