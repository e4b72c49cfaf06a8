#pragma once
// The event object: a panel the learner never sees that carries out its action when the
// page event it listens to is raised by the source it listens to.

#include "objects/kern/THPanel.h"

#include <cstdint>
#include <string>

class THMessage : public THPanel {
    Q_OBJECT
public:
    explicit THMessage(QWidget* Eltern = nullptr);

    // The learner never sees an event object.

    int32_t TextNr = 0;
    int32_t Ziel = 0;
    int32_t Typ = 0;    // action code as stored
    int32_t Aktion = 0; // its internal code
    int32_t Objektnummer = 0;
    int32_t EreignisNr = 0;
    int32_t Datensatznummer = 0;
    int32_t Quelle = 0; // 0: every source
    int32_t Menuenummer = 0;
    std::string Email;
    std::string Script;
    std::string Dokumentname;

    // Whether an event raised by `Ausloeser` (0: the learner window) reaches this object.
    bool HoertAuf(int32_t Ausloeser) const { return Quelle == 0 || Quelle == Ausloeser; }
    // Whether event `Nr` raised by `Ausloeser` makes the object carry out its action.
    bool ReagiertAuf(int32_t Ausloeser, int Nr) const;
    // An event has reached the object: with its own event number it hands over its action
    // parameters and carries out its action; the mail action works once per page.
    void EreignisEmpfangen(int Nr);

protected:
    void FeldAnwenden(TTabelle& Tabelle, TDatensatz* Satz, uint16_t FeldId) override;

private:
    void ZahlfeldAnwenden(TTabelle& Tabelle, TDatensatz* Satz, uint16_t FeldId);
};
