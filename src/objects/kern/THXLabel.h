#pragma once
// The common base of the one-line labels: alignment, the text of a data record, and mouse
// input passed on only when a button goes down or up.

#include "objects/kern/TSeitenobjekt.h"

#include <QLabel>

#include <cstdint>

class THXLabel : public QLabel, public TSeitenobjekt {
    Q_OBJECT
public:
    explicit THXLabel(QWidget* Eltern = nullptr);

    bool Fensterlos() const override { return true; }

    int32_t Ausrichtung = 0;     // alignment code as applied, also when it is not one of 0-2
    int32_t Datensatznummer = 0; // data record whose text the label shows
    int32_t EffektAnzeigen = 0;  // effect records for showing and hiding
    int32_t EffektEntfernen = 0;
    bool Groesseanpassen = true; // the caption label takes the size of its caption
    bool Durchsichtig = true;    // without a background the page shows through

    // 0 left, 1 centred, 2 right; any other code is kept but changes nothing.
    void AusrichtungSetzen(int32_t Code);
    // The caption becomes the contents (field 301) of data record `Nr`, when it exists.
    void DatensatzZeigen(int32_t Nr);
    // A new caption; a label that sizes itself to its caption takes the new size.
    void BeschriftungSetzen(const QString& Text);
    // The data record shown is read again (after a recalculation).
    void DatensatzAuffrischen() override;

    // Shows or hides the label; an effect record of type 4 fades the caption in 25 steps
    // between the label's colour and its font colour.
    void ZeigenMitEffekt(bool Wert) override;
    static constexpr int Blendschritte = 25;

protected:
    // 1245 (font), 1266 (alignment), 1268 (data record), then the common fields.
    void FeldAnwenden(TTabelle& Tabelle, TDatensatz* Satz, uint16_t FeldId) override;
    // The fields of a caption label (lesson label and system label): 1209 (colour), 1220
    // (auto size), 1221 (caption), 1222 (transparent), 1245 and 1268 fitting the size; then
    // the fields above.
    void BeschriftungsfeldAnwenden(TTabelle& Tabelle, TDatensatz* Satz, uint16_t FeldId);
    void GroesseanpassenSetzen(bool Wert);
    void DurchsichtigSetzen(bool Wert);
    // With `Groesseanpassen` the label takes the size of its caption.
    void Anpassen();
    // The caption changed.
    virtual void BeschriftungGeaendert() { Anpassen(); }
};
