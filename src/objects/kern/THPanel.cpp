#include "objects/kern/THPanel.h"

#include "objects/kern/Feldregeln.h"
#include "platform/Farben.h"

#include <QPainter>

namespace {
constexpr int32_t Schaltflaechenfarbe = -16777201; // the system's button face
}

THPanel::THPanel(QWidget* Eltern) : QFrame(Eltern), TSeitenobjekt(this) {
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(1);
    HintergrundfarbeSetzen(*this, Lektionsfarbe(Schaltflaechenfarbe));
    resize(185, 41);
}

void THPanel::CaptionSetzen(const QString& Text) {
    Beschriftung = Text;
    update();
}

void THPanel::paintEvent(QPaintEvent* Ereignis) {
    QFrame::paintEvent(Ereignis);
    QPainter maler(this);
    maler.setPen(palette().color(QPalette::WindowText));
    maler.drawText(contentsRect(), Qt::AlignCenter, Beschriftung);
}
