#pragma once
// The common rules by which fields of an object record become properties of a control:
// colours, fonts, hints, cursors, picture files and places on the window.

#include <QColor>
#include <QImage>
#include <QRect>

#include <cstdint>
#include <filesystem>
#include <string>

class QWidget;
class TTabelle;
struct TDatensatz;

// A colour field (number, 0x00BBGGRR or a system colour).
QColor FeldFarbe(TTabelle& Tabelle, TDatensatz* Satz, uint16_t FeldId);

// Fills the control's background with `Farbe`.
void HintergrundfarbeSetzen(QWidget& Steuerelement, const QColor& Farbe);

// Fields 1245 to 1248: font colour, face, size and style.
void SchriftUebernehmen(QWidget& Steuerelement, TTabelle& Tabelle, TDatensatz* Satz);
// The colour of text on the control, whatever role its kind of control draws text with.
void SchriftfarbeSetzen(QWidget& Steuerelement, const QColor& Farbe);

// Field 1252: the tool tip, shown exactly when the text is not empty.
void HinweisSetzen(QWidget& Steuerelement, const std::string& Hilfe);

// A cursor number of the form toolkit (0: the default, the parent's).
void CursorSetzen(QWidget& Steuerelement, int Cursornummer);

// A picture named by `Pfadname` (1273) and `Dateiname` (1210): the lesson directory and
// both names concatenated as stored, found case-insensitively.
std::filesystem::path Bilddatei(const std::string& Pfadname, const std::string& Dateiname);

// Loads a picture file by its bytes, so that a name in any encoding is found; a null
// image when it cannot be read or decoded.
QImage BildLaden(const std::filesystem::path& Datei);
// The picture an object record names by directory and file name; none without a file name.
QImage BildLaden(const std::string& Pfadname, const std::string& Dateiname);

// The control's rectangle in the coordinates of its top-level window.
QRect RechteckImFenster(const QWidget& Steuerelement);
