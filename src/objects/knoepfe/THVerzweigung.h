#pragma once
// The push button that carries out an object action (branching).

#include "objects/kern/Aktionsschritte.h"
#include "objects/kern/THBitBtn.h"

class THVerzweigung : public THBitBtn {
    Q_OBJECT
public:
    explicit THVerzweigung(QWidget* Eltern = nullptr);

    TAktionsfelder Aktionsfelder{TAktionsfelder::Hilfe | TAktionsfelder::Script};

    // The toolkit's click has happened: the action runs; the mail button acts once.
    void Klick();

protected:
    void FeldAnwenden(TTabelle& Tabelle, TDatensatz* Satz, uint16_t FeldId) override;
    // A button with an action keeps its mouse input from the learner window.
    bool Weiterleiten(QEvent::Type Art) const override;
};
