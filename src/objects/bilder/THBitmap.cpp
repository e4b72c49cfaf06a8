#include "objects/bilder/THBitmap.h"

#include "objects/kern/Bilddateien.h"
#include "objects/kern/Feldregeln.h"
#include "platform/Mauszeiger.h"
#include "store/Feldnummern.h"
#include "store/TTabelle.h"

#include <QPainter>

namespace {

constexpr int Handzeiger = -21;

// The picture with every pixel of colour `Schluessel` see-through.
QImage OhneFarbe(const QImage& Bild, QRgb Schluessel) {
    QImage ergebnis = Bild.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < ergebnis.height(); ++y) {
        auto* zeile = reinterpret_cast<QRgb*>(ergebnis.scanLine(y));
        for (int x = 0; x < ergebnis.width(); ++x)
            if (qRgb(qRed(zeile[x]), qGreen(zeile[x]), qBlue(zeile[x])) ==
                (Schluessel | 0xFF000000))
                zeile[x] = 0;
    }
    return ergebnis;
}

} // namespace

THBitmap::THBitmap(QWidget* Eltern)
    : QWidget(Eltern), TSeitenobjekt(this),
      Verschiebung(*this, TVerschiebung::Art::MitZielbereichen) {
    resize(50, 50);
    BildSetzen(Platzhalter());
}

const QImage& THBitmap::Platzhalter() {
    static const QImage bild = [] {
        QImage b(50, 50, QImage::Format_RGB32);
        b.fill(QColor(0xE0, 0xE0, 0xE0));
        QPainter p(&b);
        p.setPen(QColor(0x80, 0x80, 0x80));
        p.drawRect(0, 0, 49, 49);
        p.setBrush(QColor(0xF0, 0xC0, 0x30));
        p.drawEllipse(QPoint(34, 15), 6, 6);
        p.setBrush(QColor(0x40, 0x80, 0x40));
        const QPoint berge[] = {{4, 44}, {18, 22}, {27, 34}, {33, 27}, {46, 44}};
        p.drawPolygon(berge, 5);
        return b;
    }();
    return bild;
}

void THBitmap::VerschiebbarSetzen(bool Wert) {
    Verschiebung.VerschiebbarSetzen(Wert);
    MausWeiterleitung = Wert ? Weiterleitung::Keine : Weiterleitung::Alle;
    CursorSetzen(*this, Wert ? Handzeiger : 0);
}

void THBitmap::BildLaden(const std::string& Pfad, const std::string& Datei) {
    Pfadname = Pfad;
    Dateiname = Datei;
    const QImage bild = Bilddateien::BildLaden(Pfad, Datei);
    BildSetzen(bild.isNull() ? Platzhalter() : bild);
}

void THBitmap::BildSetzen(const QImage& Neu) {
    Geladen = Neu;
    AnzeigeAufbauen();
    if (AutoSize && !Anzeige.isNull()) resize(Anzeige.size());
}

void THBitmap::AutoSizeSetzen(bool Wert) {
    AutoSize = Wert;
    if (AutoSize && !Anzeige.isNull()) resize(Anzeige.size());
}

void THBitmap::TransparentSetzen(bool Wert) {
    Transparent = Wert;
    AnzeigeAufbauen();
}

void THBitmap::AnzeigeAufbauen() {
    Anzeige = Geladen;
    if (Transparent && !Geladen.isNull() && !Geladen.hasAlphaChannel())
        Anzeige = OhneFarbe(Geladen, Geladen.pixel(0, Geladen.height() - 1));
    update();
}

void THBitmap::paintEvent(QPaintEvent*) {
    if (Anzeige.isNull()) return;
    QPainter maler(this);
    if (Stretch) {
        maler.drawImage(rect(), Anzeige);
        return;
    }
    const QSize rest = size() - Anzeige.size();
    maler.drawImage(QPoint(rest.width() / 2, rest.height() / 2), Anzeige);
}

void THBitmap::FeldAnwenden(TTabelle& Tabelle, TDatensatz* Satz, uint16_t FeldId) {
    switch (FeldId) {
    case Feld::Objekte::Dateiname:
        BildLaden(Tabelle.LeseText(Satz, Feld::Objekte::Pfadname),
                  Tabelle.LeseText(Satz, Feld::Objekte::Dateiname));
        break;
    case Feld::Objekte::Effekt_Anzeigen: EffektAnzeigen = Tabelle.LeseZahl(Satz, FeldId); break;
    case Feld::Objekte::Effekt_Entfernen: EffektEntfernen = Tabelle.LeseZahl(Satz, FeldId); break;
    case Feld::Objekte::Abstand: Abstand = Tabelle.LeseZahl(Satz, FeldId); break;
    default: SchalterAnwenden(Tabelle, Satz, FeldId); break;
    }
}

void THBitmap::SchalterAnwenden(TTabelle& Tabelle, TDatensatz* Satz, uint16_t FeldId) {
    const bool an = Tabelle.LeseSchalter(Satz, FeldId);
    switch (FeldId) {
    case Feld::Objekte::Verschiebbar: VerschiebbarSetzen(an); break;
    case Feld::Objekte::Stretch:
        Stretch = an;
        update();
        break;
    case Feld::Objekte::AutoSize: AutoSizeSetzen(an); break;
    case Feld::Objekte::Transparent: TransparentSetzen(an); break;
    default: TSeitenobjekt::FeldAnwenden(Tabelle, Satz, FeldId); break;
    }
}
