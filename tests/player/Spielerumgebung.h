#pragma once
// What a test of learner windows needs around them: the program's own wiring of the
// application context, and a platform state, window list and player state of its own, so
// that nothing of one test reaches the next.

#include "app/TVerdrahtung.h"
#include "platform/Bildschirm.h"
#include "platform/TPlattformstand.h"
#include "player/TFensterliste.h"
#include "player/TSpielerstand.h"
#include "store/TAnwendungskontext.h"

struct TSpielerumgebung {
    TVerdrahtung Verdrahtung;
    TPlattformstand Plattform;
    TRollenersatz<TPlattformstand> PlattformErsatz{Plattform};
    TFensterliste Fensterliste;
    TRollenersatz<TFensterliste> FensterlisteErsatz{Fensterliste};
    TSpielerstand Spielerstand;
    TRollenersatz<TSpielerstand> SpielerstandErsatz{Spielerstand};
};

// A screen of a fixed size for as long as it lives.
class TFesterBildschirm : public TBildschirm {
public:
    explicit TFesterBildschirm(QSize Groesse) : Feste(Groesse) {}
    QSize Groesse() override { return Feste; }

private:
    QSize Feste;
    TRollenersatz<TBildschirm> Ersatz{*this};
};
