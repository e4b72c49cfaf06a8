#include "objects/Aktionsdienste.h"

namespace {

TAktionsdienste Ohne;
TAktionsdienste* Installiert = nullptr;

} // namespace

TAktionsdienste& Aktionsdienste() {
    return Installiert ? *Installiert : Ohne;
}

TAktionsdienste* AktionsdiensteSetzen(TAktionsdienste* Dienste) {
    TAktionsdienste* vorher = Installiert;
    Installiert = Dienste;
    return vorher;
}
