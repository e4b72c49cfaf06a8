#include "platform/Bildschirm.h"

#include <QGuiApplication>
#include <QScreen>

namespace {
QSize& Vorgabe() {
    static QSize groesse;
    return groesse;
}
} // namespace

QSize Bildschirmgroesse() {
    if (Vorgabe().isValid()) return Vorgabe();
    const QScreen* s = QGuiApplication::primaryScreen();
    return s ? s->geometry().size() : QSize(800, 600);
}

void BildschirmgroesseSetzen(QSize Groesse) { Vorgabe() = Groesse; }
