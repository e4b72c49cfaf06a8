#include "platform/Befehle.h"

#include <QCoreApplication>

namespace {
QEvent::Type Registriert(int& Art) {
    if (Art == 0) Art = QEvent::registerEventType();
    return static_cast<QEvent::Type>(Art);
}
int Fenster = 0, Host = 0, Fern = 0;
} // namespace

QEvent::Type FensterbefehlArt() { return Registriert(Fenster); }
QEvent::Type HostbefehlArt() { return Registriert(Host); }
QEvent::Type FernbefehlArt() { return Registriert(Fern); }

QObject*& Hostformular() {
    static QObject* host = nullptr;
    return host;
}

void BefehlSenden(QObject* Ziel, QEvent::Type Art, int Code, int32_t Parameter) {
    if (Ziel) QCoreApplication::postEvent(Ziel, new TBefehl(Art, Code, Parameter));
}
