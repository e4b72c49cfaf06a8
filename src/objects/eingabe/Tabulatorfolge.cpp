#include "objects/eingabe/Tabulatorfolge.h"

#include "objects/kern/TObjektliste.h"

#include <QWidget>

void TabulatorfolgeSetzen(TObjektliste* Kopf, QWidget* Anfang) {
    QWidget* vorher = Anfang;
    TiefDurchlaufen(Kopf, [&](TObjektliste& e) {
        QWidget* w = e.Objekt.data();
        if (w && w->focusProxy()) w = w->focusProxy();
        if (!w || !(w->focusPolicy() & Qt::TabFocus)) return true;
        if (vorher && vorher->window() == w->window()) QWidget::setTabOrder(vorher, w);
        vorher = w;
        return true;
    });
}
