#include "player/Werkzeugfenster.h"

#include "player/TDebug.h"

#include <QPointer>

namespace {

QPointer<QWidget>& Testfenster() {
    static QPointer<QWidget> fenster;
    return fenster;
}

// The window of a tag, none when it does not exist.
QWidget* Werkzeug(int Tag) {
    return Tag == TDebug::Formtag ? Testfenster().data() : nullptr;
}

} // namespace

bool FensterSichtbar(int Tag) {
    const QWidget* w = Werkzeug(Tag);
    return w && w->isVisible();
}

void WerkzeugfensterZeigen(int Tag) {
    if (!FensterSichtbar(Tag) && Tag == TDebug::Formtag) {
        if (!Testfenster()) Testfenster() = new TDebug();
        Testfenster()->show();
    }
    if (QWidget* w = Werkzeug(Tag)) {
        w->raise();
        w->activateWindow();
    }
}

void WerkzeugfensterSchliessen(int Tag) {
    if (QWidget* w = Werkzeug(Tag); w && w->isVisible()) w->close();
}
