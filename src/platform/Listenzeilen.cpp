#include "platform/Listenzeilen.h"

#include "platform/AnsiText.h"

QStringList Zeilen(const std::string& Inhalt) {
    QString text = AnsiNachQString(Inhalt);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QStringList zeilen = text.split(QLatin1Char('\n'));
    if (!zeilen.isEmpty() && zeilen.back().isEmpty()) zeilen.removeLast();
    return zeilen;
}
