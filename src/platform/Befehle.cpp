#include "platform/Befehle.h"

#include "platform/TBefehlspost.h"
#include "platform/TPlattformstand.h"
#include "store/TAnwendungskontext.h"

#include <QCoreApplication>
#include <QPointer>

#include <memory>

namespace {
QEvent::Type Registriert(int& Art) {
    if (Art == 0) Art = QEvent::registerEventType();
    return static_cast<QEvent::Type>(Art);
}
int Fenster = 0, Host = 0, Fern = 0;

bool Posten(QObject* Ziel, QEvent* Befehl) {
    return Rolle<TBefehlspost>().Posten(Ziel, Befehl);
}
} // namespace

// The queue takes the event unless there is no application to run it.
bool TBefehlspost::Posten(QObject* Ziel, QEvent* Befehl) {
    if (!QCoreApplication::instance()) return false;
    QCoreApplication::postEvent(Ziel, Befehl);
    return true;
}

QEvent::Type FensterbefehlArt() {
    return Registriert(Fenster);
}
QEvent::Type HostbefehlArt() {
    return Registriert(Host);
}
QEvent::Type FernbefehlArt() {
    return Registriert(Fern);
}

QObject*& Hostformular() {
    return Rolle<TPlattformstand>().Hostformular;
}

void BefehlSenden(QObject* Ziel, QEvent::Type Art, int Code, int32_t Parameter) {
    if (!Ziel) return;
    auto befehl = std::make_unique<TBefehl>(Art, Code, Parameter);
    if (Posten(Ziel, befehl.get())) {
        befehl.release(); // the queue owns it now
        return;
    }
    // Processing events may release the target.
    const QPointer<QObject> ziel = Ziel;
    if (QCoreApplication::instance()) QCoreApplication::processEvents();
    if (ziel && Posten(ziel, befehl.get())) befehl.release();
}
