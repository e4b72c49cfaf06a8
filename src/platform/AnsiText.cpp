#include "platform/AnsiText.h"

#include "store/Zeichensatz.h"

QString AnsiNachQString(std::string_view Ansi) {
    const std::string utf8 = AnsiNachUtf8(Ansi);
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::string QStringNachAnsi(const QString& Text) {
    const QByteArray utf8 = Text.toUtf8();
    return Utf8NachAnsiErsetzt(
        std::string_view(utf8.constData(), static_cast<size_t>(utf8.size())));
}
