#include "objects/kern/Feldregeln.h"

#include "platform/AnsiText.h"
#include "platform/Farben.h"
#include "platform/Mauszeiger.h"
#include "platform/Schriften.h"
#include "store/TTabelle.h"

#include <QWidget>

QColor FeldFarbe(TTabelle& Tabelle, TDatensatz* Satz, uint16_t FeldId) {
    return Lektionsfarbe(Tabelle.LeseZahl(Satz, FeldId));
}

void HintergrundfarbeSetzen(QWidget& Steuerelement, const QColor& Farbe) {
    QPalette farben = Steuerelement.palette();
    farben.setColor(QPalette::Window, Farbe);
    farben.setColor(QPalette::Button, Farbe);
    Steuerelement.setPalette(farben);
    Steuerelement.setAutoFillBackground(true);
}

void SchriftfarbeSetzen(QWidget& Steuerelement, const QColor& Farbe) {
    QPalette farben = Steuerelement.palette();
    for (const auto rolle : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        farben.setColor(rolle, Farbe);
    Steuerelement.setPalette(farben);
}

void SchriftUebernehmen(QWidget& Steuerelement, TTabelle& Tabelle, TDatensatz* Satz) {
    const TSchriftangaben angaben = Tabelle.LeseSchrift(Satz);
    Steuerelement.setFont(Lektionsschrift(angaben, Steuerelement.font()));
    SchriftfarbeSetzen(Steuerelement, Lektionsfarbe(angaben.Farbe));
}

void HinweisSetzen(QWidget& Steuerelement, const std::string& Hilfe) {
    Steuerelement.setToolTip(AnsiNachQString(Hilfe));
}

void CursorSetzen(QWidget& Steuerelement, int Cursornummer) {
    if (Cursornummer == 0)
        Steuerelement.unsetCursor();
    else
        Steuerelement.setCursor(Standardcursor(Cursornummer));
}

QRect RechteckImFenster(const QWidget& Steuerelement) {
    const QWidget* fenster = Steuerelement.window();
    const QWidget* eltern = Steuerelement.parentWidget();
    if (!eltern || &Steuerelement == fenster) return Steuerelement.geometry();
    return QRect(eltern->mapTo(fenster, Steuerelement.pos()), Steuerelement.size());
}
