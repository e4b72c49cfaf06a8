#pragma once
// The hyperlink area: an invisible area over the page that carries out its object action
// when the left button goes down on it, and tells the page once when the mouse first
// enters it (event 202).

#include "objects/kern/Aktionsschritte.h"
#include "objects/kern/THXPaintBox.h"

class THHyperSensitive : public THXPaintBox {
    Q_OBJECT
public:
    explicit THHyperSensitive(QWidget* Eltern = nullptr);

    TAktionsfelder Aktionsfelder{TAktionsfelder::Grundfelder};
    bool Scharf = true; // event 202 not yet raised

protected:
    void FeldAnwenden(TTabelle& Tabelle, TDatensatz* Satz, uint16_t FeldId) override;
    void MausGedrueckt(QMouseEvent& Ereignis) override;
    void MausBewegt(QMouseEvent& Ereignis) override;
};
