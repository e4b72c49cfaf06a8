#include "platform/Listenzeilen.h"

#include "platform/AnsiText.h"

QStringList Zeilen(const std::string& Inhalt) {
    QString text = AnsiNachQString(Inhalt);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QStringList zeilen = text.split(QLatin1Char('\n'));
    if (!zeilen.isEmpty() && zeilen.back().isEmpty()) zeilen.removeLast();
    return zeilen;
}

std::vector<std::string> AnsiZeilen(std::string_view Inhalt) {
    std::vector<std::string> zeilen;
    size_t anfang = 0;
    while (anfang <= Inhalt.size()) {
        const size_t lf = Inhalt.find('\n', anfang);
        const size_t ende = lf == std::string_view::npos ? Inhalt.size() : lf;
        const size_t schnitt = ende > anfang && Inhalt[ende - 1] == '\r' ? ende - 1 : ende;
        zeilen.emplace_back(Inhalt.substr(anfang, schnitt - anfang));
        if (lf == std::string_view::npos) break;
        anfang = lf + 1;
    }
    if (!zeilen.empty() && zeilen.back().empty()) zeilen.pop_back();
    return zeilen;
}
