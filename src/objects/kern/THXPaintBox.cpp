#include "objects/kern/THXPaintBox.h"

THXPaintBox::THXPaintBox(QWidget* Eltern) : QWidget(Eltern), TSeitenobjekt(this) {}
