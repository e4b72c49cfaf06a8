#include "objects/kern/Fokusmarke.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QWidget>

void FokusmarkeZeichnen(QPainter& Maler, const QWidget& Steuerelement) {
    if (!Steuerelement.hasFocus()) return;
    QStyleOptionFocusRect option;
    option.initFrom(&Steuerelement);
    option.rect = Steuerelement.rect().adjusted(1, 1, -1, -1);
    Steuerelement.style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &Maler,
                                         &Steuerelement);
}
