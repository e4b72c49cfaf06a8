#include "platform/Bildschirm.h"

#include "store/TAnwendungskontext.h"

#include <QGuiApplication>
#include <QScreen>

QSize TBildschirm::Groesse() {
    const QScreen* s = QGuiApplication::primaryScreen();
    return s ? s->geometry().size() : QSize(800, 600);
}

QSize Bildschirmgroesse() {
    return Rolle<TBildschirm>().Groesse();
}
