#pragma once
// The picture button: four pictures from its strip for normal, inactive, pointed at and
// pressed; a click carries out its object action.

#include "objects/kern/Aktionsschritte.h"
#include "objects/knoepfe/THBildknopf.h"

class THSchaltflaeche : public THBildknopf {
    Q_OBJECT
public:
    enum Stueck { Normal = 0, Inaktiv = 1, Hover = 2, Gedrueckt = 3 };

    explicit THSchaltflaeche(QWidget* Eltern = nullptr);

    TAktionsfelder Aktionsfelder{TAktionsfelder::Hilfe | TAktionsfelder::Script};
    int32_t Effekt = 0;      // click effect (field 1279)
    std::string Fenstername; // window target (field 1285), kept

    bool Aktiv() const { return isEnabled(); }
    // Active shows the normal picture and takes mouse input; inactive shows the inactive
    // picture and takes none.
    void AktivSetzen(bool Wert);
    // Drops the pointed-at or pressed look.
    void NormalZeigen() { StueckZeigen(NormalesStueck()); }

    void Klick();
    void TastenKlick() override { Klick(); }

protected:
    int NormalesStueck() const override { return Aktiv() ? Normal : Inaktiv; }
    void FeldAnwenden(TTabelle& Tabelle, TDatensatz* Satz, uint16_t FeldId) override;
    void MausGedrueckt(QMouseEvent& Ereignis) override;
    void MausBewegt(QMouseEvent& Ereignis) override;
    void MausLosgelassen(QMouseEvent& Ereignis) override;

private:
    void AndereNormalZeigen();

    bool Druck = false; // the left button went down on the button's pixels
};
