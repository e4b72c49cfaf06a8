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

std::string Systemwert(int32_t Nr) {
    return Lieferant() ? Lieferant()(Nr) : std::string();
}

TBegriffsfensterOeffner BegriffsfensterOeffnerSetzen(TBegriffsfensterOeffner Neu) {
    return std::exchange(Oeffner(), std::move(Neu));
}

void BegriffsfensterOeffnen(TDatensatz* Begriff, QPoint Bildschirmpunkt) {
    if (Oeffner()) Oeffner()(Begriff, Bildschirmpunkt);
}
