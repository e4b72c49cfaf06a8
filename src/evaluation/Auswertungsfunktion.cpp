#include "evaluation/Auswertungsfunktion.h"

#include "objects/rollen/Aktionsanforderung.h"
#include "objects/rollen/TAktionsaufruf.h"

#include <iterator>

namespace {

// The stored action of the functions 1-19, in the order of their numbers.
constexpr int32_t Aktionen[] = {1,  2,  3,  5,  8,  9,  10, 11, 12, 13,
                                15, 16, 17, 28, 30, 33, 49, 46, 47};

} // namespace

int32_t AuswertungsAktion(int32_t Typ) {
    if (Typ < 1 || Typ > static_cast<int32_t>(std::size(Aktionen))) return -1;
    return Aktionen[Typ - 1];
}

void Auswertungsfunktion(int32_t Typ, int32_t TextNr, int32_t Objektnummer, int32_t Ziel) {
    const int32_t aktion = AuswertungsAktion(Typ);
    if (aktion < 0) return;
    AktionAnfordern(TAktionsaufruf(Aktionscode(aktion), TextNr, Objektnummer, {}, 0, 0, Ziel));
}
