#include "objects/bilder/THBevel.h"

THBevel::THBevel(QWidget* Eltern) : QFrame(Eltern), TSeitenobjekt(this) {
    // A sunken box is the etched double line of the lessons' frame, whatever the style.
    setFrameStyle(QFrame::Box | QFrame::Sunken);
    setLineWidth(1);
    setMidLineWidth(0);
    resize(50, 50);
}
