#pragma once
// The system label: a transparent one-line label whose text is a system value chosen by
// number (its `Anzeige`), computed when its record is applied and again at every refresh of
// the page's system labels.

#include "objects/kern/THXLabel.h"

#include <cstdint>

struct TObjektliste;

class THSystemLabel : public THXLabel {
    Q_OBJECT
public:
    explicit THSystemLabel(QWidget* Eltern = nullptr);

    int32_t Anzeige = 0;      // the value number
    int32_t Ziel = 0;         // page argument of the value (value 200)
    int32_t Objektnummer = 0; // object argument of the value
    int32_t GroupIndex = 0;
    bool Sichtbar = true; // shown in learner mode

    // Sets the value number and shows the value at once; 0 keeps the label's own text.
    void AnzeigeSetzen(int32_t Wert);
    // Computes the value again, unless the value number is 0; then the data record's
    // contents, when one is named, win.
    void Aktualisieren();

    // Shows `Text` until the value is computed again (the text a learner clicked).
    void TextZeigen(const QString& Text) { TextSetzen(Text); }

    // Every system label of the list, containers' objects included, refreshes.
    static void AlleAktualisieren(TObjektliste* Kopf);

protected:
    void FeldAnwenden(TTabelle& Tabelle, TDatensatz* Satz, uint16_t FeldId) override;

private:
    void WertZeigen();
    void TextSetzen(const QString& Text);
};
