#include "objects/Textdienste.h"

#include <utility>

namespace {

TSystemwertlieferant& Lieferant() {
    static TSystemwertlieferant lieferant;
    return lieferant;
}

TBegriffsfensterOeffner& Oeffner() {
    static TBegriffsfensterOeffner oeffner;
    return oeffner;
}

} // namespace

TSystemwertlieferant SystemwertlieferantSetzen(TSystemwertlieferant Neu) {
    return std::exchange(Lieferant(), std::move(Neu));
}

std::optional<std::string> Systemwert(int32_t Nr, int32_t Ziel, int32_t Objektnummer) {
    return Lieferant() ? Lieferant()(Nr, Ziel, Objektnummer) : std::nullopt;
}

std::string Systemwert(int32_t Nr) {
    return Systemwert(Nr, 0, 0).value_or(std::string());
}

TBegriffsfensterOeffner BegriffsfensterOeffnerSetzen(TBegriffsfensterOeffner Neu) {
    return std::exchange(Oeffner(), std::move(Neu));
}

void BegriffsfensterOeffnen(TDatensatz* Begriff, QPoint Bildschirmpunkt) {
    if (Oeffner()) Oeffner()(Begriff, Bildschirmpunkt);
}
