#pragma once
// The text button of a simulated application screen's dynamic menu: a push button of the
// screen with a caption.

#include "objects/sap/THSAPButton.h"

class THSAPDynMenu : public THSAPButton {
    Q_OBJECT
public:
    explicit THSAPDynMenu(QWidget* Eltern = nullptr);

protected:
    // 1221 (caption), then the fields of the push button.
    void FeldAnwenden(TTabelle& Tabelle, TDatensatz* Satz, uint16_t FeldId) override;
};
