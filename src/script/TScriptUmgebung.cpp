#include "script/TScriptUmgebung.h"

std::time_t TScriptUmgebung::Jetzt() {
    return std::time(nullptr);
}
