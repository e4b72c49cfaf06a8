#pragma once
// The interactive label: underlined text like a link that goes to its target page, or
// opens the web page or document its caption names.

#include "objects/kern/THXLabel.h"

#include <cstdint>

class THILabel : public THXLabel {
    Q_OBJECT
    Q_PROPERTY(bool Aktiv READ IstAktiv WRITE AktivSetzen)
public:
    explicit THILabel(QWidget* Eltern = nullptr);

    int32_t Ziel = 0;
    bool AutoSize = true;

    bool IstAktiv() const { return Aktiv; }
    // Active: underlined, with the hand cursor; inactive: plain, with the default cursor.
    void AktivSetzen(bool Wert);
    void AutoSizeSetzen(bool Wert);
    // The label takes the height its words need at its width.
    void GroesseAnpassen();

    void Klick();
    bool Anklickbar() const override { return Aktiv; }
    void TastenKlick() override { Klick(); }

protected:
    void FeldAnwenden(TTabelle& Tabelle, TDatensatz* Satz, uint16_t FeldId) override;
    void MausGedrueckt(QMouseEvent& Ereignis) override;
    void MausLosgelassen(QMouseEvent& Ereignis) override;
    void BeschriftungGeaendert() override { GroesseAnpassen(); }
    void paintEvent(QPaintEvent* Ereignis) override;

private:
    bool Aktiv = true;
    bool Druck = false;
};
