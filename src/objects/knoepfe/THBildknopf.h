#pragma once
// The common base of the picture buttons: a picture strip from a file of the lesson, cut
// from the left into equal pieces, one per state of the button; the button is where its
// picture is not of the strip's transparent colour.

#include "objects/kern/TSeitenobjekt.h"

#include <QImage>
#include <QWidget>

#include <cstdint>
#include <string>
#include <vector>

class THBildknopf : public QWidget, public TSeitenobjekt {
    Q_OBJECT
public:
    bool Fensterlos() const override { return true; }

    std::string Pfadname;   // field 1273
    std::string Dateiname;  // field 1210
    int32_t Bildbreite = 0; // width of one piece; 0: the whole strip
    bool Transparent = false;

    // Loads the strip and cuts it; a file that cannot be loaded shows the placeholder
    // picture, and the state pictures are not used any more.
    void StreifenLaden();
    // Cuts the loaded strip again into pieces of `Breite`.
    void BildbreiteSetzen(int32_t Breite);
    int Stueckzahl() const { return static_cast<int>(Stuecke.size()); }
    bool OhneZustandsbilder() const { return Platzhalter; }
    // Shows piece `Nr`; a piece the strip does not hold shows nothing. Without state
    // pictures the picture stays as it is.
    void StueckZeigen(int Nr);
    int GezeigtesStueck() const { return Gezeigt; }
    const QImage& Bild() const { return Anzeige; }
    // Whether `Punkt` lies on the button's pixels: its pixel of the normal picture differs
    // from the one at (1, height − 1), the strip's transparent colour.
    bool AufKnopf(QPoint Punkt) const;
    void TransparentSetzen(bool Wert);

    bool Anklickbar() const override { return true; }

protected:
    THBildknopf(QWidget* Eltern, int HoechsteStueckzahl);
    void FeldAnwenden(TTabelle& Tabelle, TDatensatz* Satz, uint16_t FeldId) override;
    void paintEvent(QPaintEvent* Ereignis) override;
    // Only presses and releases are passed on here; the classes decide about moves.
    bool Weiterleiten(QEvent::Type Art) const override;
    // The piece the button shows at rest in its present state.
    virtual int NormalesStueck() const { return 0; }
    // Shows that the button has the keyboard focus: the style's focus mark.
    virtual void FokusZeigen(QPainter& Maler) const { FokusmarkeZeichnen(Maler); }

private:
    void Schneiden();
    void AnzeigeSetzen(const QImage& Bild);
    void GemaltAktualisieren();

    const int HoechsteStueckzahl;
    QImage Streifen;
    std::vector<QImage> Stuecke;
    QImage Anzeige;
    QImage Gemalt; // what is painted: the picture shown, keyed out when transparent
    int Gezeigt = 0;
    bool Platzhalter = false;
};
