#include "actions/TAktionsausfuehrer.h"

#include "actions/Aktionen.h"

void TAktionsausfuehrer::AktionAusfuehren(const TAktionsaufruf& Aufruf) {
    AktionDurchfuehren(Aufruf);
}
