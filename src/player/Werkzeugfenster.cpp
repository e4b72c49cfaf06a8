#include "player/Werkzeugfenster.h"

#include "player/TDebug.h"
#include "store/TAnwendungskontext.h"

#include <QPointer>

namespace {

// The test window once opened, held in the application context; it goes with the program.
struct TWerkzeugfenster {
    QPointer<QWidget> Testfenster;
};

QPointer<QWidget>& Testfenster() {
    return Rolle<TWerkzeugfenster>().Testfenster;
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
