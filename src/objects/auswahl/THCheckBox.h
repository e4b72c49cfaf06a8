#pragma once
// The check box. Boxes of one group under one parent are checked one at a time; the group
// is enforced whenever the checked state changes, by the learner or by a field.

#include "objects/auswahl/TAuswahlobjekt.h"
#include "objects/kern/TSeitenobjekt.h"

#include <QCheckBox>

#include <cstdint>

class THCheckBox : public QCheckBox, public TSeitenobjekt, public TAuswahlobjekt {
    Q_OBJECT
public:
    explicit THCheckBox(QWidget* Eltern = nullptr);

    int32_t GroupIndex = 0;
    bool Gewaehlt() const override { return isChecked(); }

protected:
    void FeldAnwenden(TTabelle& Tabelle, TDatensatz* Satz, uint16_t FeldId) override;

private:
    void Klick();
    void GruppeFreigeben();
    void SchriftteilAnwenden(TTabelle& Tabelle, TDatensatz* Satz, uint16_t FeldId);

    // Set while the group of another box unchecks this one, so that the group is not
    // walked again from here.
    bool VonGruppeGeaendert = false;
};
