#pragma once
// The mouse-sensitive area: a click toggles its mark, and a marked area shows what lies
// under it inverted. Areas of one group under one parent are marked one at a time.

#include "objects/kern/THXPaintBox.h"

#include <cstdint>

class THMouseSensitive : public THXPaintBox {
    Q_OBJECT
public:
    explicit THMouseSensitive(QWidget* Eltern = nullptr);

    int32_t GroupIndex = 0;
    bool Bewertung = false; // the area takes part in the page's evaluation

    bool Markiert() const { return Marke; }
    void MarkiertSetzen(bool Wert);

protected:
    void FeldAnwenden(TTabelle& Tabelle, TDatensatz* Satz, uint16_t FeldId) override;
    void paintEvent(QPaintEvent* Ereignis) override;
    // The press is passed on by the area itself, before it raises event 218.
    bool Weiterleiten(QEvent::Type Art) const override;
    void MausGedrueckt(QMouseEvent& Ereignis) override;

private:
    void GruppeFreigeben();

    bool Marke = false;
};
