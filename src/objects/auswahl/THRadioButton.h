#pragma once
// The radio button; the buttons of one parent are exclusive. `AutoDeaktivieren` lets the
// page build enable it only on pages that evaluate it.

#include "objects/auswahl/TAuswahlobjekt.h"
#include "objects/kern/TSeitenobjekt.h"

#include <QRadioButton>

class THRadioButton : public QRadioButton, public TSeitenobjekt, public TAuswahlobjekt {
    Q_OBJECT
public:
    explicit THRadioButton(QWidget* Eltern = nullptr);

    bool AutoDeaktivieren = false;
    bool Gewaehlt() const override { return isChecked(); }

protected:
    void FeldAnwenden(TTabelle& Tabelle, TDatensatz* Satz, uint16_t FeldId) override;
};
