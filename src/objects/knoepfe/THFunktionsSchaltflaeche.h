#pragma once
// The picture button with a fixed function: the sound switch of the host's media player,
// or a step back or forward through the window's history. Seven pictures from its strip
// show the state.

#include "objects/knoepfe/Navigationslage.h"
#include "objects/knoepfe/THBildknopf.h"

class THFunktionsSchaltflaeche : public THBildknopf {
    Q_OBJECT
public:
    enum Funktion { Klang = 1, VerlaufZurueck = 2, VerlaufVor = 3 };
    // Sound: 0 no sound, 1 playing, 2 stopped. History: 0 not possible, 1 possible.
    explicit THFunktionsSchaltflaeche(QWidget* Eltern = nullptr);

    int32_t Typ = 0; // the function
    int Zustand() const { return Stand; }
    // Sets the state and shows its picture; a sound button has no sound while the host's
    // sound switch is off.
    void ZustandSetzen(int Z);
    // History buttons: possible or not, as the window's history stands.
    void NavigationSetzen(const TNavigationslage& Lage);
    // What a click on the button does: the sound switches, the history steps.
    void Ausloesen();
    void TastenKlick() override { Ausloesen(); }

protected:
    int NormalesStueck() const override;
    void FeldAnwenden(TTabelle& Tabelle, TDatensatz* Satz, uint16_t FeldId) override;
    bool Weiterleiten(QEvent::Type Art) const override;
    void MausGedrueckt(QMouseEvent& Ereignis) override;
    void MausBewegt(QMouseEvent& Ereignis) override;
    void MausLosgelassen(QMouseEvent& Ereignis) override;

private:
    bool Verlauf() const { return Typ == VerlaufZurueck || Typ == VerlaufVor; }

    int Stand = 0;
    bool BewegungWeitergeben = true; // decided by the last mouse move
};
