#pragma once
// The common base of the push buttons with a picture (glyph) from a file of the lesson.

#include "objects/kern/TSeitenobjekt.h"

#include <QPushButton>

#include <string>

class THBitBtn : public QPushButton, public TSeitenobjekt {
    Q_OBJECT
public:
    explicit THBitBtn(QWidget* Eltern = nullptr);

    std::string Pfadname;  // field 1273
    std::string Dateiname; // field 1210

    // Loads the glyph from the lesson directory + `Pfadname` + `Dateiname`; a picture that
    // cannot be loaded clears it, an empty `Dateiname` leaves it as it is.
    void GlyphLaden(const std::string& Pfad, const std::string& Datei);

    bool Anklickbar() const override { return true; }
    void TastenKlick() override { click(); }

protected:
    // 1210 (glyph, with 1273), 1245 (font), then the common fields.
    void FeldAnwenden(TTabelle& Tabelle, TDatensatz* Satz, uint16_t FeldId) override;
};
