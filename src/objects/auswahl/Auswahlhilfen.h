#pragma once
// Small rules the choice objects share: the colour of a list or combo box, and the name
// assistive tools read.

#include <QColor>
#include <QString>

class QWidget;
class TSeitenobjekt;

// The background of a control that shows entries: the entries' ground and the frame's.
void EintragsfarbeSetzen(QWidget& Steuerelement, const QColor& Farbe);

// The description (field 1201) names the control for assistive tools; without one its
// caption does.
void ZugangsnameSetzen(TSeitenobjekt& Objekt, const QString& Beschriftung = QString());
