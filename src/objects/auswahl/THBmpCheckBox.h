#pragma once
// The picture check box: four pieces of its strip show checked, unchecked, checked but
// inactive and unchecked and inactive. An inactive box keeps taking clicks; only an active
// one toggles. Boxes of one group on the page are checked one at a time.

#include "objects/auswahl/TAuswahlobjekt.h"
#include "objects/knoepfe/THBildknopf.h"

#include <cstdint>

class THBmpCheckBox : public THBildknopf, public TAuswahlobjekt {
    Q_OBJECT
public:
    enum Stueck { Markiert = 0, Leer = 1, MarkiertInaktiv = 2, LeerInaktiv = 3 };

    explicit THBmpCheckBox(QWidget* Eltern = nullptr);

    int32_t GroupIndex = 0;

    bool Checked() const { return Angekreuzt; }
    bool Gewaehlt() const override { return Angekreuzt; }
    void CheckedSetzen(bool Wert);
    bool Aktiv() const { return Bereit; }
    void AktivSetzen(bool Wert);

    // The learner's click (or Space); `MitMaus` moves the focus to the learner window, as
    // the focus would stay where it was on a picture.
    void Klick(bool MitMaus);

protected:
    int NormalesStueck() const override;
    void FeldAnwenden(TTabelle& Tabelle, TDatensatz* Satz, uint16_t FeldId) override;
    void MausLosgelassen(QMouseEvent& Ereignis) override;
    void keyPressEvent(QKeyEvent* Ereignis) override;
    void TastenKlick() override { Klick(false); }
    void FokusZeigen(QPainter& Maler) const override;

private:
    void GruppeFreigeben();

    bool Angekreuzt = false;
    bool Bereit = true;
};
