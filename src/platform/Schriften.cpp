#include "platform/Schriften.h"

#include "platform/AnsiText.h"
#include "store/TTabelle.h"

#include <QStringList>

#include <cmath>

void SchriftersatzRegistrieren() {
    static bool registriert = false;
    if (registriert) return;
    registriert = true;
    const QStringList serifenlos{QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")};
    QFont::insertSubstitutions(QStringLiteral("Arial"), serifenlos);
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"), serifenlos);
    QFont::insertSubstitutions(QStringLiteral("Ms Sans Serif"), serifenlos);
    for (const char* name : {"Courier", "Courier New"})
        QFont::insertSubstitution(QString::fromLatin1(name), QStringLiteral("Liberation Mono"));
    for (const char* name : {"FixedSys", "Fixedsys"})
        QFont::insertSubstitution(QString::fromLatin1(name), QStringLiteral("DejaVu Sans Mono"));
    QFont::insertSubstitution(QStringLiteral("Times New Roman"),
                              QStringLiteral("Liberation Serif"));
}

int PixelgroesseAusPunkten(int32_t Punkte) {
    // Halves round to even, as everywhere in lesson arithmetic.
    return static_cast<int>(std::nearbyint(static_cast<double>(Punkte) * 96.0 / 72.0));
}

QFont Lektionsschrift(const TSchriftangaben& Angaben, const QFont& Vorher) {
    SchriftersatzRegistrieren();
    QFont schrift(Vorher);
    schrift.setFamily(AnsiNachQString(Angaben.Name));
    if (Angaben.Groesse > 0) schrift.setPixelSize(PixelgroesseAusPunkten(Angaben.Groesse));
    schrift.setBold(Angaben.Fett);
    schrift.setItalic(Angaben.Kursiv);
    schrift.setUnderline(Angaben.Unterstrichen);
    schrift.setStrikeOut(Angaben.Durchgestrichen);
    return schrift;
}
