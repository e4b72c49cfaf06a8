#pragma once
// The push button of a simulated application screen: a small picture button that carries
// out its object action (without help file or script); a button that sends the answers by
// mail acts once.

#include "objects/kern/Aktionsschritte.h"
#include "objects/kern/THBitBtn.h"

class THSAPButton : public THBitBtn {
    Q_OBJECT
public:
    explicit THSAPButton(QWidget* Eltern = nullptr);

    TAktionsfelder Aktionsfelder{TAktionsfelder::Grundfelder};

    void Klick();

protected:
    // The action fields and 1224 (enabled), then the glyph, font and common fields.
    void FeldAnwenden(TTabelle& Tabelle, TDatensatz* Satz, uint16_t FeldId) override;
};
