#pragma once
// The tool-bar button of a simulated application screen: a speed button that shows its
// glyph only while it is down. The record names the glyph file, but nothing is loaded until
// a click leaves the button down.

#include "objects/knoepfe/THSpeedButton.h"

class THSAPSpeedButton : public THSpeedButton {
    Q_OBJECT
public:
    explicit THSAPSpeedButton(QWidget* Eltern = nullptr);

protected:
    void GlyphdateiUebernommen() override {}
    // Down: the glyph is loaded from its file; up: it is cleared.
    void NachKlick() override;
};
