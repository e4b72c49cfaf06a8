#pragma once
// A picture of the page, from a file of the lesson or the placeholder picture; movable onto
// the target areas of the page.

#include "objects/kern/TSeitenobjekt.h"
#include "objects/kern/TVerschiebung.h"

#include <QImage>
#include <QWidget>

#include <cstdint>
#include <string>

class THBitmap : public QWidget, public TSeitenobjekt {
    Q_OBJECT
    Q_PROPERTY(bool Verschiebbar READ IstVerschiebbar WRITE VerschiebbarSetzen)
    Q_PROPERTY(QString Beschreibung READ BeschreibungText WRITE BeschreibungTextSetzen)
public:
    explicit THBitmap(QWidget* Eltern = nullptr);

    bool Fensterlos() const override { return true; }

    bool IstVerschiebbar() const { return Verschiebung.IstVerschiebbar(); }
    void VerschiebbarSetzen(bool Wert);

    // An empty `Datei` or a picture that cannot be loaded gives the placeholder picture.
    void BildLaden(const std::string& Pfad, const std::string& Datei);
    const QImage& Bild() const { return Anzeige; }
    // The placeholder picture of a picture object without picture.
    static const QImage& Platzhalter();

    bool Stretch = true; // the picture fills the object; otherwise it is centred
    bool AutoSize = false;
    bool Transparent = false; // the colour of the lower left pixel lets the page through
    int32_t Abstand = 0;      // margin of the drop shadow
    int32_t EffektAnzeigen = 0;
    int32_t EffektEntfernen = 0;
    std::string Pfadname; // as applied, for the effects that load the picture again
    std::string Dateiname;

    void AutoSizeSetzen(bool Wert);
    void TransparentSetzen(bool Wert);

protected:
    void FeldAnwenden(TTabelle& Tabelle, TDatensatz* Satz, uint16_t FeldId) override;
    void paintEvent(QPaintEvent* Ereignis) override;
    void MausGedrueckt(QMouseEvent& Ereignis) override { Verschiebung.Gedrueckt(Ereignis); }
    void MausBewegt(QMouseEvent& Ereignis) override { Verschiebung.Bewegt(Ereignis); }
    void MausLosgelassen(QMouseEvent&) override { Verschiebung.Losgelassen(); }

private:
    void SchalterAnwenden(TTabelle& Tabelle, TDatensatz* Satz, uint16_t FeldId);
    void BildSetzen(const QImage& Neu);
    void AnzeigeAufbauen();

    TVerschiebung Verschiebung;
    QImage Geladen;
    QImage Anzeige;
};
