#pragma once
// The check box. Boxes of one group under one parent are checked one at a time; the group
// is enforced whenever the checked state changes, by the learner or by a field.

#include "objects/TSeitenobjekt.h"

#include <QCheckBox>

#include <cstdint>

class THCheckBox : public QCheckBox, public TSeitenobjekt {
    Q_OBJECT
public:
    explicit THCheckBox(QWidget* Eltern = nullptr);

    int32_t GroupIndex = 0;
    bool Bewertung = false; // the box takes part in the page's evaluation

protected:
    void FeldAnwenden(TTabelle& Tabelle, TDatensatz* Satz, uint16_t FeldId) override;

private:
    void Klick();
    void GruppeFreigeben();

    // Set while the group of another box unchecks this one, so that the group is not
    // walked again from here.
    bool VonGruppeGeaendert = false;
};
