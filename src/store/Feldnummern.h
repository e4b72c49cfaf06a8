#pragma once
// Named field identifiers, one namespace per table: Feld::Seiten::State is field 100,
// Feld::Objekte::Typ field 1231. The list itself lives in Feldnummern.def.

#include <cstdint>

namespace Feld {
#define VELMORA_FELD(Tabelle, Name, Id)                                                            \
    namespace Tabelle {                                                                            \
    constexpr uint16_t Name = Id;                                                                  \
    }
#include "store/Feldnummern.def"
#undef VELMORA_FELD
} // namespace Feld
