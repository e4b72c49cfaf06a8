#pragma once
// A text of the lesson's text table, drawn with its inline markup: style and colour words,
// line breaks, placeholders filled when the text is set, glossary words that open their
// explanation. It can have a background picture, a frame, a drop shadow, fade in and out,
// grey itself out when it stays on the next page, and be dragged.

#include "objects/kern/THXPaintBox.h"
#include "objects/kern/TVerschiebung.h"
#include "objects/texte/THSchatten.h"
#include "objects/texte/Textzerlegung.h"

#include <QColor>
#include <QFont>
#include <QGlyphRun>
#include <QImage>
#include <QRawFont>
#include <QRect>

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class QPainter;

class THText : public THXPaintBox {
    Q_OBJECT
    Q_PROPERTY(QColor Color READ Farbe WRITE ColorSetzen)
    Q_PROPERTY(int TextNr READ TextNummer WRITE TextNrSetzen)
    Q_PROPERTY(QString TextString READ TextStringLesen WRITE TextStringSetzen)
    Q_PROPERTY(int Randbreite READ RandbreiteLesen WRITE RandbreiteSetzen)
    Q_PROPERTY(bool Verschiebbar READ IstVerschiebbar WRITE VerschiebbarSetzen)
    Q_PROPERTY(bool HoeheAnpassen MEMBER HoeheAnpassen)
public:
    explicit THText(QWidget* Eltern = nullptr);
    ~THText() override;

    // Loads text `Nr` of the text table, cuts it into tokens and repaints; the number is
    // stored even when there is no such text, which leaves the object without tokens.
    void TextNrSetzen(int Nr);
    int TextNummer() const { return TextNr; }
    // Shows text `Nr` like TextNr, but the stored number stays.
    Q_INVOKABLE void SetTempTextNr(int Nr);
    // Shows the given text at once (Windows-1252 or Qt text); the object becomes visible.
    void TextStringSetzen(const std::string& Text);
    void TextStringSetzen(const QString& Text);
    QString TextStringLesen() const;

    QColor Farbe() const { return Color; }
    void ColorSetzen(const QColor& Farbe);
    int RandbreiteLesen() const { return Randbreite; }
    void RandbreiteSetzen(int Breite);
    void RahmenSetzen(bool An, const QColor& Farbe, int Breite);
    void TransparentSetzen(bool Wert);
    bool IstTransparent() const { return Transparent; }
    bool IstVerschiebbar() const { return Verschiebung.IstVerschiebbar(); }
    void VerschiebbarSetzen(bool Wert);
    void AbstandSetzen(int32_t Wert);
    // The base font: colour, face, size and style.
    void GrundschriftSetzen(const QFont& Schrift, const QColor& Farbe);
    const QFont& Grundschrift() const { return Schrift; }
    QColor Grundfarbe() const { return Schriftfarbe; }

    bool HoeheAnpassen = false; // kept; the height never follows the text
    bool AutoDeaktivieren = false;
    bool Lexikonfunktion = false;
    int32_t EffektAnzeigen = 0;
    int32_t EffektEntfernen = 0;
    int32_t Abstand = 0;
    std::string Pfadname; // background picture
    std::string Dateiname;

    // Grey from the moment a page change kept the text on screen.
    bool IstGrau() const { return Grau; }
    const std::vector<TToken>& Tokens() const { return Tokenliste; }

    // A glossary word found at the last painting, with the rectangle it was drawn in.
    struct TBegriffstreffer {
        std::string Wort; // Windows-1252, one trailing punctuation mark dropped
        QRect Rechteck;
    };
    const std::vector<TBegriffstreffer>& Begriffstreffer() const { return Treffer; }

    // A word as it is drawn: its text, font, colour, top-left corner and width.
    struct TWortlage {
        QString Text;
        QFont Schrift; // underlined when it is a marked glossary word
        QColor Farbe;
        QPoint Ort;
        int Breite = 0;
        int Oberlaenge = 0; // of the font: the baseline lies this far below `Ort`
        QGlyphRun Glyphen;  // the word's glyphs, positioned from its baseline origin
        bool Markiert = false;
        int Stil = 0; // bold, italic, underline bits of `Schrift`
    };
    // Lays the tokens out from the top-left margin, line by line, handing each word and
    // space drawn to `Zeichnen`; records the glossary words it meets.
    void Anordnen(const std::function<void(const TWortlage&)>& Zeichnen);
    std::vector<TWortlage> Anordnung();

    // Draws the whole object (background, frame, text) with `Maler`, which covers the
    // object's rectangle.
    void Rendern(QPainter& Maler);

    // Page build.
    void ZeigenMitEffekt(bool Wert) override;
    void Verbergen() override;
    void BegleiterHeben() override { Schatten.Heben(); }
    void BleibtAufSeite() override;

    THSchatten* RechterSchatten() const { return Schatten.Rechts(); }
    THSchatten* UntererSchatten() const { return Schatten.Unten(); }

protected:
    void FeldAnwenden(TTabelle& Tabelle, TDatensatz* Satz, uint16_t FeldId) override;
    void paintEvent(QPaintEvent* Ereignis) override;
    void moveEvent(QMoveEvent* Ereignis) override;
    void resizeEvent(QResizeEvent* Ereignis) override;
    bool event(QEvent* Ereignis) override;
    void MausGedrueckt(QMouseEvent& Ereignis) override;
    void MausBewegt(QMouseEvent& Ereignis) override;
    void MausLosgelassen(QMouseEvent&) override { Verschiebung.Losgelassen(); }

private:
    // The base font in the eight combinations of bold, italic and underline, made when
    // first needed.
    enum TStil { Fett = 1, Kursiv = 2, Unterstrichen = 4 };
    struct TSchriftschnitt {
        bool Bereit = false;
        QFont Schrift;
        QRawFont Roh; // its glyphs: words are measured and drawn glyph by glyph, unkerned
        int Oberlaenge = 0;
        int Unterstreichung = 0; // underline and strike-out: below / above the baseline
        int Durchstreichung = 0;
        int Strichstaerke = 1;
    };
    const TSchriftschnitt& Schnitt(int Stil);
    void WortZeichnen(QPainter& Maler, const TWortlage& Lage);

    void SchalterAnwenden(TTabelle& Tabelle, TDatensatz* Satz, uint16_t FeldId);
    void TextLaden(int32_t Nr);
    void Zerlegen(std::string_view Text);
    void HintergrundZeichnen(QPainter& Maler) const;
    void BildLaden();
    const TBegriffstreffer* TrefferBei(QPoint Punkt) const;
    void SchattenPlatzieren();
    QColor AktuelleSchriftfarbe() const;

    int32_t TextNr = 0;
    std::string TextString;
    QColor Color;
    int32_t Randbreite = 10;
    bool Rahmen = false;
    QColor Rahmenfarbe;
    int32_t Rahmenbreite = 0;
    bool Transparent = false;
    QFont Schrift;
    QColor Schriftfarbe;
    QImage Hintergrundbild;
    bool Grau = false;
    std::optional<QColor> Blendfarbe; // the font colour while a fade runs
    int Zeilenhoehe = -1;             // of the base font, measured once
    std::array<TSchriftschnitt, 8> Schnitte;

    std::vector<TToken> Tokenliste;
    std::vector<QString> Anzeigetexte; // the tokens as Qt text
    std::vector<TBegriffstreffer> Treffer;
    TVerschiebung Verschiebung;
    TSchlagschatten Schatten;
};
