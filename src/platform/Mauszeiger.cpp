#include "platform/Mauszeiger.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <iterator>
#include <map>

namespace {

std::map<int, QCursor>& Slots() {
    static std::map<int, QCursor> belegung;
    return belegung;
}

QPixmap Leer() {
    QPixmap bild(32, 32);
    bild.fill(Qt::transparent);
    return bild;
}

// A pointing hand; `Variante` 0-3 tilts the finger and changes the cuff.
QCursor Hand(int Variante) {
    QPixmap bild = Leer();
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 1.2));
    p.setBrush(Variante == 3 ? QColor(255, 255, 200) : Qt::white);
    QPainterPath hand;
    const qreal neigung = Variante == 1 ? -2 : Variante == 2 ? 2 : 0;
    hand.moveTo(9 + neigung, 2);
    hand.lineTo(12 + neigung, 2);
    hand.lineTo(12, 13);
    hand.lineTo(22, 14);
    hand.lineTo(24, 18);
    hand.lineTo(22, 27);
    hand.lineTo(11, 27);
    hand.lineTo(5, 18);
    hand.lineTo(9, 16);
    hand.closeSubpath();
    p.drawPath(hand);
    p.drawLine(QPointF(15, 14), QPointF(15, 20));
    p.drawLine(QPointF(19, 14.5), QPointF(19, 20));
    if (Variante == 2) p.fillRect(QRectF(11, 25, 11, 3), Qt::black);
    return QCursor(bild, 10 + static_cast<int>(neigung), 2);
}

QCursor Kreuz(bool Diagonal) {
    QPixmap bild = Leer();
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    for (const auto& [farbe, breite] : {std::pair{QColor(Qt::white), 4.0}, {Qt::black, 2.0}}) {
        p.setPen(QPen(farbe, breite, Qt::SolidLine, Qt::RoundCap));
        if (Diagonal) {
            p.drawLine(6, 6, 26, 26);
            p.drawLine(26, 6, 6, 26);
        } else {
            p.drawLine(16, 4, 16, 28);
            p.drawLine(4, 16, 28, 16);
        }
    }
    return QCursor(bild, 16, 16);
}

} // namespace

void CursorSlotsLaden() {
    auto& s = Slots();
    for (int v = 0; v < 4; ++v)
        s[10 + v] = Hand(v);
    s[14] = Kreuz(true);
    s[15] = Kreuz(false);
}

void CursorSlotsFreigeben() {
    Slots().erase(10);
    Slots().erase(11);
}

QCursor CursorSlot(int Nr) {
    const auto it = Slots().find(Nr);
    return it == Slots().end() ? QCursor(Qt::ArrowCursor) : it->second;
}

bool CursorSlotBelegt(int Nr) {
    return Slots().count(Nr) > 0;
}

QCursor Standardcursor(int Nr) {
    if (Nr >= 10 && Nr <= 15) return CursorSlot(Nr);
    // Index −Nr; the toolkit's crSize (−5) and crNo (−18) have no own shape here.
    static const Qt::CursorShape formen[] = {
        Qt::ArrowCursor,     Qt::BlankCursor,        Qt::ArrowCursor,     Qt::CrossCursor,
        Qt::IBeamCursor,     Qt::SizeAllCursor,      Qt::SizeBDiagCursor, Qt::SizeVerCursor,
        Qt::SizeFDiagCursor, Qt::SizeHorCursor,      Qt::UpArrowCursor,   Qt::WaitCursor,
        Qt::DragMoveCursor,  Qt::ForbiddenCursor,    Qt::SplitHCursor,    Qt::SplitVCursor,
        Qt::DragCopyCursor,  Qt::BusyCursor,         Qt::ForbiddenCursor, Qt::BusyCursor,
        Qt::WhatsThisCursor, Qt::PointingHandCursor, Qt::SizeAllCursor,
    };
    const int index = -Nr;
    if (index < 0 || index >= static_cast<int>(std::size(formen))) return QCursor(Qt::ArrowCursor);
    return QCursor(formen[index]);
}

int CursornummerAusCode(int Code) {
    static const int nummern[] = {0,   10,  -3,  -4,  -22, -6, -7, -8, -9, -10, -11,
                                  -12, -13, -14, -15, -16, 11, -1, 12, 13, 14,  15};
    if (Code < 0 || Code >= static_cast<int>(std::size(nummern))) return 0;
    return nummern[Code];
}

QCursor Objektcursor(int Code) {
    return Standardcursor(CursornummerAusCode(Code));
}
