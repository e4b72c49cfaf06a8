#pragma once
// Small rules the choice objects share: the colour of a list or combo box, the name
// assistive tools read, and the fields of check boxes and radio buttons.

#include <QColor>
#include <QString>

#include <cstdint>

class QAbstractButton;
class QWidget;
class TAuswahlobjekt;
class TSeitenobjekt;
class TTabelle;
struct TDatensatz;

// The background of a control that shows entries: the entries' ground and the frame's.
void EintragsfarbeSetzen(QWidget& Steuerelement, const QColor& Farbe);

// The description (field 1201) names the control for assistive tools; without one its
// caption does.
void ZugangsnameSetzen(TSeitenobjekt& Objekt, const QString& Beschriftung = QString());

// The fields check boxes and radio buttons share: checked (1212), active (1224), font (1245
// with 1246 to 1248) and `Bewertung` (1251). False for any other field.
bool KnopffeldAnwenden(QAbstractButton& Knopf, TAuswahlobjekt& Auswahl, TTabelle& Tabelle,
                       TDatensatz* Satz, uint16_t FeldId);
