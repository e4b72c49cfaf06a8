#include "objects/texte/Textdienste.h"

#include "objects/rollen/TBegriffsdienst.h"
#include "objects/rollen/TSystemwertdienst.h"
#include "store/TAnwendungskontext.h"

std::string Systemwert(int32_t Nr) {
    return Rolle<TSystemwertdienst>().Systemwert(Nr);
}

void BegriffsfensterOeffnen(TDatensatz* Begriff, QPoint Bildschirmpunkt) {
    Rolle<TBegriffsdienst>().BegriffsfensterOeffnen(Begriff, Bildschirmpunkt);
}
