#include "objects/kern/THBitBtn.h"

#include "objects/kern/Feldregeln.h"
#include "store/TTabelle.h"

#include <QImage>
#include <QPixmap>

THBitBtn::THBitBtn(QWidget* Eltern) : QPushButton(Eltern), TSeitenobjekt(this) {}

void THBitBtn::GlyphLaden(const std::string& Pfad, const std::string& Datei) {
    Pfadname = Pfad;
    Dateiname = Datei;
    if (Datei.empty()) return;
    const QImage glyph = BildLaden(Bilddatei(Pfad, Datei));
    if (!glyph.isNull()) {
        setIcon(QPixmap::fromImage(glyph));
        setIconSize(glyph.size());
    } else {
        setIcon(QIcon());
    }
    update();
}

void THBitBtn::FeldAnwenden(TTabelle& Tabelle, TDatensatz* Satz, uint16_t FeldId) {
    switch (FeldId) {
    case 1210: GlyphLaden(Tabelle.LeseText(Satz, 1273), Tabelle.LeseText(Satz, 1210)); break;
    case 1245: SchriftUebernehmen(*this, Tabelle, Satz); break;
    default: TSeitenobjekt::FeldAnwenden(Tabelle, Satz, FeldId); break;
    }
}
