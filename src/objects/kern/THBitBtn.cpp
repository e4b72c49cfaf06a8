#include "objects/kern/THBitBtn.h"

#include "objects/kern/Bilddateien.h"
#include "objects/kern/Feldregeln.h"
#include "store/Feldnummern.h"
#include "store/TTabelle.h"

#include <QImage>
#include <QPixmap>

THBitBtn::THBitBtn(QWidget* Eltern) : QPushButton(Eltern), TSeitenobjekt(this) {}

void THBitBtn::GlyphLaden(const std::string& Pfad, const std::string& Datei) {
    Pfadname = Pfad;
    Dateiname = Datei;
    if (Datei.empty()) return;
    const QImage glyph = Bilddateien::BildLaden(Bilddateien::Bilddatei(Pfad, Datei));
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
    case Feld::Objekte::Dateiname:
        GlyphLaden(Tabelle.LeseText(Satz, Feld::Objekte::Pfadname),
                   Tabelle.LeseText(Satz, Feld::Objekte::Dateiname));
        break;
    case Feld::Objekte::Schriftfarbe: SchriftUebernehmen(*this, Tabelle, Satz); break;
    default: TSeitenobjekt::FeldAnwenden(Tabelle, Satz, FeldId); break;
    }
}
