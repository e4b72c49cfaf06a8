#pragma once
// The focus mark of page objects that paint themselves: the style's dotted frame just inside
// the control, drawn only while the control holds the focus.

class QPainter;
class QWidget;

void FokusmarkeZeichnen(QPainter& Maler, const QWidget& Steuerelement);
