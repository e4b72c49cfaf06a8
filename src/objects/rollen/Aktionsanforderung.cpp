#include "objects/rollen/Aktionsanforderung.h"

#include "objects/rollen/TAktionsausfuehrung.h"
#include "objects/rollen/TAktionshorcher.h"
#include "objects/rollen/TAktionskontext.h"
#include "store/TAnwendungskontext.h"

int32_t Aktionscode(int32_t Code) {
    if (Code >= 0 && Code <= 34) return Code + 1000;
    if (Code >= 35 && Code <= 49) return Code + 1001;
    if (Code >= 50 && Code <= 999) return Code + 1000;
    return Code;
}

void TAktionskontext::Uebernehmen(const TAktionsaufruf& Aufruf) {
    if (Aufruf.Email) Email = *Aufruf.Email;
    if (Aufruf.Beschreibung) Beschreibung = *Aufruf.Beschreibung;
    if (Aufruf.Script) AnstehendesScript = *Aufruf.Script;
    if (Aufruf.Dokument) Dokument = *Aufruf.Dokument;
    if (Aufruf.Menuenummer) Menuenummer = *Aufruf.Menuenummer;
    if (Aufruf.Popuppunkt) Popuppunkt = *Aufruf.Popuppunkt;
}

void AktionUebergeben(const TAktionsaufruf& Aufruf) {
    Rolle<TAktionskontext>().Uebernehmen(Aufruf);
    Rolle<TAktionshorcher>().AktionGehoert(Aufruf);
}

void AktionAnfordern(const TAktionsaufruf& Aufruf) {
    AktionUebergeben(Aufruf);
    Rolle<TAktionsausfuehrung>().AktionAusfuehren(Aufruf);
}
