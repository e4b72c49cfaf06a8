#include "objects/TSeitenfenster.h"

namespace {
TSeitenfenster* Aktuelles = nullptr;
}

TSeitenfenster* AktuellesSeitenfenster() {
    return Aktuelles;
}

void AktuellesSeitenfensterSetzen(TSeitenfenster* Fenster) {
    Aktuelles = Fenster;
}
