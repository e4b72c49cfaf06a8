#pragma once
// The page chooser: an object the learner never sees that, when the page is evaluated,
// picks a page of its group the learner has not finished, at random or the next in order,
// and goes there.

#include "objects/kern/THXPaintBox.h"

#include <cstdint>

class THDialog : public THXPaintBox {
    Q_OBJECT
public:
    enum Modus { Zufall = 1, Naechste = 2 };

    explicit THDialog(QWidget* Eltern = nullptr);

    // Chooses an open page of the group and posts the branch to it; false when the group
    // is 0, the mode unknown or no page qualifies, so that the evaluation goes on.
    bool Waehlen();

    int32_t Ziel = 0;
    int32_t Typ = 0;        // the mode
    int32_t GroupIndex = 0; // the pages whose field 115 holds this value; 0: off

protected:
    void FeldAnwenden(TTabelle& Tabelle, TDatensatz* Satz, uint16_t FeldId) override;

private:
    int32_t ZufaelligeSeite();
    int32_t NaechsteSeite();
};
