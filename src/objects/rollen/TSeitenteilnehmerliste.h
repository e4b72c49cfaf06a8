#pragma once
// The registered participants of the page build, in order of registration. Held by the
// application context; `TSeitenteilnahme` registers one for as long as it lives.

#include "objects/rollen/TSeitenteilnehmer.h"

#include <algorithm>
#include <vector>

class TSeitenteilnehmerliste {
public:
    void Anmelden(TSeitenteilnehmer& Teilnehmer) { Liste.push_back(&Teilnehmer); }
    void Abmelden(TSeitenteilnehmer& Teilnehmer) { std::erase(Liste, &Teilnehmer); }

    // Calls `Tun` for every participant; one registered meanwhile waits for the next call.
    template <class F> void Allen(F&& Tun) const {
        const std::vector<TSeitenteilnehmer*> jetzt = Liste;
        for (TSeitenteilnehmer* t : jetzt)
            Tun(*t);
    }

private:
    std::vector<TSeitenteilnehmer*> Liste;
};
