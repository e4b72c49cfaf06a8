#include "script/TVariablen.h"

#include "script/Scriptzahl.h"

void TVariablen::Zuruecksetzen(int32_t Seitennummer) {
    Liste.clear();
    Liste.push_back({"vlm_sw", "1"});
    Liste.push_back({"vlm_snr", std::to_string(Seitennummer)});
}

std::string* TVariablen::Finden(std::string_view Name) {
    for (auto it = Liste.rbegin(); it != Liste.rend(); ++it)
        if (GleichOhneGrossKlein(it->Name, Name)) return &it->Wert;
    return nullptr;
}

bool TVariablen::Anlegen(std::string_view Name) {
    if (Finden(Name)) return false;
    Liste.push_back({Kleinschreibung(Name), {}});
    return true;
}
