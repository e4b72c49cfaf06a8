#include "objects/texte/Textdienste.h"

#include "objects/rollen/TBegriffsdienst.h"
#include "objects/rollen/TSystemwertdienst.h"
#include "store/TAnwendungskontext.h"

std::string Systemwert(int32_t Nr) {
    return Rolle<TSystemwertdienst>().Systemwert(Nr);
}

std::optional<std::string> Systemwert(int32_t Nr, int32_t Ziel, int32_t Objektnummer) {
    return Rolle<TSystemwertdienst>().SystemwertFuer(Nr, Ziel, Objektnummer);
}

void BegriffsfensterOeffnen(TDatensatz* Begriff, QPoint Bildschirmpunkt) {
    Rolle<TBegriffsdienst>().BegriffsfensterOeffnen(Begriff, Bildschirmpunkt);
}
