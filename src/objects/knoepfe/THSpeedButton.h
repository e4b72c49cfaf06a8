#pragma once
// The speed button that carries out an object action. Buttons with the same group index
// under one parent stay down one at a time, and a down button goes up again when clicked,
// so that all of a group may be up.

#include "objects/kern/Aktionsschritte.h"
#include "objects/kern/TSeitenobjekt.h"

#include <QPixmap>
#include <QToolButton>

#include <string>

class THSpeedButton : public QToolButton, public TSeitenobjekt {
    Q_OBJECT
public:
    explicit THSpeedButton(QWidget* Eltern = nullptr);

    TAktionsfelder Aktionsfelder{TAktionsfelder::Script | TAktionsfelder::Menue};
    int32_t GroupIndex = 0;
    int32_t Layout = 0; // glyph 0 left, 1 right, 2 above, 3 below the caption
    bool Transparent = false;
    std::string Pfadname;  // field 1273
    std::string Dateiname; // field 1210

    bool Unten() const { return Down && GroupIndex != 0; }
    // Buttons of a group: down only one at a time; without a group a button never stays down.
    void UntenSetzen(bool Wert);
    void FlatSetzen(bool Wert);
    void TransparentSetzen(bool Wert);
    // Loads the glyph from the lesson directory + `Pfadname` + `Dateiname`; a file that
    // cannot be loaded leaves the button without glyph.
    void GlyphLaden();
    void GlyphEntfernen();
    const QPixmap& Glyph() const { return Glyphbild; }
    // Where glyph and caption lie on the button by `Layout`, the pair centred.
    void Anordnen(QRect& Glyphfeld, QRect& Textfeld) const;

    // The toolkit's click: the down state changes within the group, then the action runs,
    // the mail button acts once, and the tool-bar buttons of a simulated screen that are not
    // down drop their glyph.
    void Klick();
    bool Anklickbar() const override { return true; }
    void TastenKlick() override { click(); }

protected:
    void FeldAnwenden(TTabelle& Tabelle, TDatensatz* Satz, uint16_t FeldId) override;
    // The glyph file has been named by the record (1210 with 1273): the glyph is loaded.
    virtual void GlyphdateiUebernommen() { GlyphLaden(); }
    // Last step of the click, once the action has run and the button still exists.
    virtual void NachKlick() {}
    void paintEvent(QPaintEvent* Ereignis) override;

private:
    void GruppeUmschalten();
    void ScreenknoepfeOhneGlyph();

    bool Down = false;
    QPixmap Glyphbild;
};
