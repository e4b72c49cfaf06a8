#include "objects/eingabe/THF4Button.h"

#include "objects/eingabe/Eingabebilder.h"

#include <QPainter>

THF4Button::THF4Button(QWidget* Eltern, bool Tastenbild)
    : QToolButton(Eltern), AlsTaste(Tastenbild) {
    setFocusPolicy(Qt::NoFocus);
    setAccessibleName(QStringLiteral("F4"));
    if (AlsTaste) {
        setAutoRaise(true);
        resize(F4Taste().size());
    } else {
        setIcon(QIcon(F4Pfeil()));
    }
}

void THF4Button::paintEvent(QPaintEvent* Ereignis) {
    if (!AlsTaste) {
        QToolButton::paintEvent(Ereignis);
        return;
    }
    QPainter maler(this);
    maler.drawPixmap(0, 0, F4Taste());
}
