#pragma once
// The selection field of a simulated application screen: a button that marks the field
// and a read-only text beside it. Marking one field unmarks the others of its group.

#include "objects/kern/THPanel.h"

#include <cstdint>
#include <string>

class QLineEdit;
class QToolButton;

class THSB_Editfeld : public THPanel {
    Q_OBJECT
public:
    explicit THSB_Editfeld(QWidget* Eltern = nullptr);

    int32_t GroupIndex = 0; // 1249
    bool Bewertung = false; // 1251
    std::string Pfadname;   // 1273
    std::string Dateiname;  // 1210

    bool Markiert() const { return Marke; }
    // Marked: button down, dark blue with white text and the glyph; unmarked: button up,
    // grey with black text, no glyph.
    void MarkiertSetzen(bool Wert);

    QToolButton* Knopf() const { return Auswahlknopf; }
    QWidget* Flaeche() const { return Form; }
    QLineEdit* Feld() const { return Textfeld; }

protected:
    void FeldAnwenden(TTabelle& Tabelle, TDatensatz* Satz, uint16_t FeldId) override;
    void resizeEvent(QResizeEvent* Ereignis) override;

private:
    void Anordnen();
    void Geklickt(bool Unten);
    void GruppeAufheben();

    QToolButton* Auswahlknopf;
    QWidget* Form;
    QLineEdit* Textfeld;
    bool Marke = false;
};
