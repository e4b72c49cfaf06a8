#include "objects/auswahl/Auswahlhilfen.h"

#include "objects/TSeitenobjekt.h"
#include "platform/AnsiText.h"

#include <QPalette>
#include <QWidget>

QStringList Zeilen(const std::string& Inhalt) {
    QString text = AnsiNachQString(Inhalt);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QStringList zeilen = text.split(QLatin1Char('\n'));
    if (!zeilen.isEmpty() && zeilen.back().isEmpty()) zeilen.removeLast();
    return zeilen;
}

void EintragsfarbeSetzen(QWidget& Steuerelement, const QColor& Farbe) {
    QPalette farben = Steuerelement.palette();
    for (const auto rolle : {QPalette::Base, QPalette::Window, QPalette::Button})
        farben.setColor(rolle, Farbe);
    Steuerelement.setPalette(farben);
}

void ZugangsnameSetzen(TSeitenobjekt& Objekt, const QString& Beschriftung) {
    if (QWidget* w = Objekt.Steuerelement())
        w->setAccessibleName(Objekt.Beschreibung.empty() ? Beschriftung
                                                         : Objekt.BeschreibungText());
}
