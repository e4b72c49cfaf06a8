#pragma once
// The radio button; the buttons of one parent are exclusive. `AutoDeaktivieren` lets the
// page build enable it only on pages that evaluate it.

#include "objects/TSeitenobjekt.h"

#include <QRadioButton>

class THRadioButton : public QRadioButton, public TSeitenobjekt {
    Q_OBJECT
public:
    explicit THRadioButton(QWidget* Eltern = nullptr);

    bool Bewertung = false; // the button takes part in the page's evaluation
    bool AutoDeaktivieren = false;

protected:
    void FeldAnwenden(TTabelle& Tabelle, TDatensatz* Satz, uint16_t FeldId) override;
};
