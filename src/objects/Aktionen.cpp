#include "objects/Aktionen.h"

std::string AktuelleEmail;
std::string AktuelleBeschreibung;
std::string AnstehendesScript;
std::string AktuellesDokument;
int32_t AktuelleMenuenummer = 0;
QPoint Popuppunkt;

namespace {

std::function<void(const TAktionsaufruf&)>& Aktionshorcher() {
    static std::function<void(const TAktionsaufruf&)> horcher;
    return horcher;
}

} // namespace

int32_t Aktionscode(int32_t Code) {
    if (Code >= 0 && Code <= 34) return Code + 1000;
    if (Code >= 35 && Code <= 49) return Code + 1001;
    if (Code >= 50 && Code <= 999) return Code + 1000;
    return Code;
}

void AktionAusfuehren(int32_t Aktion, int32_t TextNr, int32_t Objektnummer,
                      const std::string& Hilfedatei, int32_t HilfeContext,
                      int32_t Datensatznummer, int32_t Ziel) {
    if (const auto& horcher = Aktionshorcher())
        horcher({Aktion, TextNr, Objektnummer, Hilfedatei, HilfeContext, Datensatznummer, Ziel});
    // Nothing is carried out yet: the dispatcher of the actions is still to come.
}

void AktionshorcherSetzen(std::function<void(const TAktionsaufruf&)> Horcher) {
    Aktionshorcher() = std::move(Horcher);
}
