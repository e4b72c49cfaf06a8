#pragma once
// Connects the learner data to the learner windows: offers the role the objects and actions
// use (`TLernerdatendienst`) and takes part in the page build, where showing a progress page
// creates its learner record and the window's progress is computed anew and shown on the
// page's gauges; the same follows a reset. Put in place by the wiring.

#include "evaluation/Lernfortschritt.h"
#include "objects/rollen/TLernerdatendienst.h"
#include "objects/rollen/TSeitenteilnehmer.h"

class TLernerdatenanbindung : public TLernerdatendienst, public TSeitenteilnehmer {
public:
    TLernerdatenanbindung() = default;
    TLernerdatenanbindung(const TLernerdatenanbindung&) = delete;
    TLernerdatenanbindung& operator=(const TLernerdatenanbindung&) = delete;

    // TLernerdatendienst
    void LernerdatenZuruecksetzen() override;
    void AbhakmarkenAktualisieren() override;
    bool SeiteOffen(int32_t Seite) override;
    int Menuestatus(int32_t Seite) override;

    // TSeitenteilnehmer
    void ObjekteAufgebaut(TSeitenfenster& Fenster) override;
    void LernerdatenGeloescht(TSeitenfenster& Fenster) override;

private:
    void FortschrittErfassen(TSeitenfenster& Fenster);

    TFortschrittsseiten Fortschrittsseiten;
};
