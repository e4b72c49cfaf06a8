#pragma once
// A one-line label of the page: its caption from the record or from a data record, movable
// onto target areas, and a double click leads to its target page.

#include "objects/kern/THXLabel.h"
#include "objects/kern/TVerschiebung.h"

#include <cstdint>

class THLabel : public THXLabel {
    Q_OBJECT
    Q_PROPERTY(bool Verschiebbar READ IstVerschiebbar WRITE VerschiebbarSetzen)
public:
    explicit THLabel(QWidget* Eltern = nullptr);

    bool IstVerschiebbar() const { return Verschiebung.IstVerschiebbar(); }
    void VerschiebbarSetzen(bool Wert);

    int32_t Ziel = 0; // page a double click goes to, 0 for none

protected:
    void FeldAnwenden(TTabelle& Tabelle, TDatensatz* Satz, uint16_t FeldId) override;
    // The mouse going down reaches the label's own handling only after the label has
    // taken it.
    bool EigeneBehandlungZuerst(QEvent::Type Art) const override;
    // The window hears the mouse going down while the target areas under the label are
    // still occupied; the label empties them afterwards.
    bool FensterZuerst(QEvent::Type Art) const override { return !EigeneBehandlungZuerst(Art); }
    // Besides taking the label, a press places the click marker of simulated screens.
    void MausGedrueckt(QMouseEvent& Ereignis) override;
    void MausBewegt(QMouseEvent& Ereignis) override { Verschiebung.Bewegt(Ereignis); }
    void MausLosgelassen(QMouseEvent&) override { Verschiebung.Losgelassen(); }
    void Doppelklick(QMouseEvent& Ereignis) override;

private:
    TVerschiebung Verschiebung;
};
