#pragma once
// The common rules by which fields of an object record become properties of a control:
// colours, fonts, hints, cursors and places on the window (picture files: Bilddateien.h).

#include <QColor>
#include <QRect>

#include <cstdint>
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

// The control's rectangle in the coordinates of its top-level window.
QRect RechteckImFenster(const QWidget& Steuerelement);
