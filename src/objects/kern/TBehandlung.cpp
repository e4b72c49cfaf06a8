#include "objects/kern/TBehandlung.h"

#include "objects/kern/TSeitenfenster.h"

TBehandlung::TBehandlung(TSeitenfenster* Fenster)
    : Fenster(Fenster), Lebt(Fenster ? Fenster->Fensterwidget() : nullptr) {
    if (Fenster) ++Fenster->LaufendeBehandlungen;
}

TBehandlung::~TBehandlung() {
    if (Lebt) --Fenster->LaufendeBehandlungen;
}
