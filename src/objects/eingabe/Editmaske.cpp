#include "objects/eingabe/Editmaske.h"

#include <QStringList>

namespace {

// The characters that mean something in a Qt input mask; as literals they are escaped.
const QString QtZeichen = QStringLiteral("AaNnXx90Dd#HhBb><!;[]{}\\");
// Qt mask characters that take an input character.
const QString QtEingabestellen = QStringLiteral("AaNnXx90Dd#HhBb");

QChar Eingabestelle(QChar Zeichen) {
    switch (Zeichen.unicode()) {
    case 'L': return QLatin1Char('A'); // letter required
    case 'l': return QLatin1Char('a'); // letter allowed
    case 'A': return QLatin1Char('N'); // letter or digit required
    case 'a': return QLatin1Char('n'); // letter or digit allowed
    case 'C': return QLatin1Char('X'); // any character required
    case 'c': return QLatin1Char('x'); // any character allowed
    case '0': return QLatin1Char('9'); // digit required
    case '9': return QLatin1Char('0'); // digit allowed
    case '#': return QLatin1Char('#'); // digit or sign allowed
    default: return {};
    }
}

QString Literal(QChar Zeichen) {
    if (QtZeichen.contains(Zeichen)) return QStringLiteral("\\") + Zeichen;
    return Zeichen;
}

// The mask part before the first ";" that is not escaped, and the rest.
qsizetype Teilende(const QString& Maske) {
    for (qsizetype i = 0; i < Maske.size(); ++i) {
        if (Maske[i] == QLatin1Char('\\'))
            ++i;
        else if (Maske[i] == QLatin1Char(';'))
            return i;
    }
    return Maske.size();
}

QString Zeichenteil(const QString& Teil) {
    QString qt;
    for (qsizetype i = 0; i < Teil.size(); ++i) {
        const QChar z = Teil[i];
        if (z == QLatin1Char('\\')) {
            if (++i < Teil.size()) qt += Literal(Teil[i]);
        } else if (z == QLatin1Char('<') && i + 1 < Teil.size() &&
                   Teil[i + 1] == QLatin1Char('>')) {
            qt += QLatin1Char('!'); // "<>": no case conversion from here on
            ++i;
        } else if (z == QLatin1Char('>') || z == QLatin1Char('<')) {
            qt += z;
        } else if (z == QLatin1Char('!')) {
            // Blanks trimmed from the front instead of the end: Qt keeps blanks out of the
            // value on both sides anyway.
        } else if (z == QLatin1Char('_')) {
            qt += QLatin1Char(' ');
        } else if (z == QLatin1Char('/')) {
            qt += QLatin1Char('.'); // the date separator of the lessons' regional settings
        } else if (const QChar stelle = Eingabestelle(z); !stelle.isNull()) {
            qt += stelle;
        } else {
            qt += Literal(z);
        }
    }
    return qt;
}

} // namespace

TEditmaske EditmaskeUebersetzen(const QString& Maske) {
    TEditmaske ergebnis;
    if (Maske.isEmpty()) return ergebnis;
    const qsizetype ende = Teilende(Maske);
    ergebnis.Qtmaske = Zeichenteil(Maske.left(ende));
    const QStringList rest = Maske.mid(ende + 1).split(QLatin1Char(';'));
    if (ende < Maske.size() && !rest.value(0).isEmpty())
        ergebnis.LiteraleSpeichern = rest.value(0) != QLatin1String("0");
    const QString leer = rest.value(1);
    ergebnis.Qtmaske += QLatin1Char(';');
    ergebnis.Qtmaske += leer.isEmpty() ? QChar(QLatin1Char('_')) : leer[0];
    return ergebnis;
}

QString OhneLiterale(const QString& Anzeigetext, const QString& Qtmaske) {
    QString wert;
    qsizetype stelle = 0;
    const qsizetype ende = Teilende(Qtmaske);
    for (qsizetype i = 0; i < ende && stelle < Anzeigetext.size(); ++i) {
        const QChar z = Qtmaske[i];
        if (z == QLatin1Char('>') || z == QLatin1Char('<') || z == QLatin1Char('!')) continue;
        if (z == QLatin1Char('\\')) {
            ++i;
        } else if (QtEingabestellen.contains(z)) {
            wert += Anzeigetext[stelle];
        }
        ++stelle;
    }
    return wert;
}
