#pragma once
// Registers a participant of the page build for as long as it lives.

#include "objects/rollen/TSeitenteilnehmerliste.h"
#include "store/TAnwendungskontext.h"

#include <utility>

class TSeitenteilnahme {
public:
    explicit TSeitenteilnahme(TSeitenteilnehmer& Teilnehmer) : Teilnehmer(Teilnehmer) {
        Rolle<TSeitenteilnehmerliste>().Anmelden(Teilnehmer);
    }
    ~TSeitenteilnahme() { Rolle<TSeitenteilnehmerliste>().Abmelden(Teilnehmer); }
    TSeitenteilnahme(const TSeitenteilnahme&) = delete;
    TSeitenteilnahme& operator=(const TSeitenteilnahme&) = delete;

private:
    TSeitenteilnehmer& Teilnehmer;
};

// Calls `Tun` for every registered participant of the page build.
template <class F> void Seitenteilnehmer(F&& Tun) {
    Rolle<TSeitenteilnehmerliste>().Allen(std::forward<F>(Tun));
}
