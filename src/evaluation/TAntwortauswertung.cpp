#include "evaluation/TAntwortauswertung.h"

#include "evaluation/Seitenauswertung.h"
#include "objects/kern/TSeitenfenster.h"

bool TAntwortauswertung::SeiteAuswerten(TSeitenfenster& Fenster) {
    return Auswerten(Fenster, Fenster.Objektliste());
}
