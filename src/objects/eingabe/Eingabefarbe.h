#pragma once
// The background of an input control: the colour its text is typed on.

class QColor;
class QWidget;

void EingabefarbeSetzen(QWidget& Feld, const QColor& Farbe);
