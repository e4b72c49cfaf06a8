#include "objects/eingabe/Eingabedienste.h"

#include "objects/rollen/TAktionskontext.h"
#include "objects/rollen/TSystemwertdienst.h"
#include "objects/rollen/TWerkzeugfensterdienst.h"
#include "store/TAnwendungskontext.h"

std::string Anzeigewert(int32_t Nr) {
    return Rolle<TSystemwertdienst>().Systemwert(Nr);
}

void PopuppunktMerken(QPoint Bildschirmpunkt) {
    Rolle<TAktionskontext>().Popuppunkt = Bildschirmpunkt;
}

void F4FensterOeffnen(int32_t Objektnummer) {
    Rolle<TWerkzeugfensterdienst>().F4HilfeOeffnen(Objektnummer);
}

void SystemanzeigenAuffrischen() {
    Rolle<TSystemwertdienst>().SystemanzeigenAktualisieren();
}
