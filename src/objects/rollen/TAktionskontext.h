#pragma once
// The action parameters that the objects hand over and the actions use, kept until the next
// object hands over its own (Windows-1252 text). Held by the application context.

#include "objects/rollen/TAktionsaufruf.h"

#include <QPoint>

#include <cstdint>
#include <string>

struct TAktionskontext {
    std::string Email;
    std::string Beschreibung;
    std::string AnstehendesScript;
    std::string Dokument;
    int32_t Menuenummer = 0;
    QPoint Popuppunkt;

    // Takes over what the request hands over.
    void Uebernehmen(const TAktionsaufruf& Aufruf);
};
