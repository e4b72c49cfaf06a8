#include "objects/eingabe/Eingabedienste.h"

#include "objects/Aktionen.h"
#include "objects/Aktionsdienste.h"
#include "objects/Textdienste.h"

std::string Anzeigewert(int32_t Nr) {
    return Systemwert(Nr);
}

void PopuppunktMerken(QPoint Bildschirmpunkt) {
    Popuppunkt = Bildschirmpunkt;
}

void F4FensterOeffnen(int32_t Objektnummer) {
    Aktionsdienste().F4HilfeOeffnen(Objektnummer);
}

void SystemanzeigenAuffrischen() {
    Aktionsdienste().SystemanzeigenAktualisieren();
}
