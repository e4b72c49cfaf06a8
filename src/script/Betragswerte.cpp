#include "script/Betragswerte.h"

#include <QLocale>
#include <QString>

#include <algorithm>
#include <cmath>

namespace {

constexpr int Genauigkeit = 7; // significant digits
constexpr int Nachkommastellen = 2;

const QLocale& Deutsch() {
    static const QLocale deutsch(QLocale::German, QLocale::Germany);
    return deutsch;
}

// Multiplying by the whole percentage first keeps 100 × 116 / 100 at exactly 116, where
// 100 × 1.16 in binary falls just short of it.
double Anteil(double Zahl, int Prozent) {
    return Zahl * Prozent / 100.0;
}

} // namespace

std::optional<double> DezimalzahlLesen(std::string_view Text) {
    // Only ASCII digits and signs make a number, so the bytes need no conversion.
    const QString text = QString::fromLatin1(Text.data(), static_cast<qsizetype>(Text.size()));
    bool gut = false;
    const double zahl = Deutsch().toDouble(text.trimmed(), &gut);
    if (!gut || !std::isfinite(zahl)) return std::nullopt;
    return zahl;
}

std::string BetragText(double Zahl) {
    if (Zahl == 0) Zahl = 0; // no "-0,00"
    const int vorkomma =
        Zahl == 0 ? 1 : static_cast<int>(std::floor(std::log10(std::fabs(Zahl)))) + 1;
    if (vorkomma > Genauigkeit) return Deutsch().toString(Zahl, 'E', Genauigkeit - 1).toStdString();
    const int stellen = std::min(Nachkommastellen, Genauigkeit - vorkomma);
    const double faktor = std::pow(10.0, stellen);
    const double gerundet = std::round(Zahl * faktor) / faktor;
    return Deutsch().toString(gerundet, 'f', Nachkommastellen).toStdString();
}

std::string Ganzzahlanteil(double Zahl, int Prozent) {
    const double wert = std::trunc(Anteil(Zahl, Prozent));
    // Beyond what an integer holds the amount is no number to show.
    if (!(std::fabs(wert) < 9e18)) return "0";
    return std::to_string(static_cast<long long>(wert));
}

std::string Hundertstelanteil(double Zahl, int Prozent) {
    const double wert = Anteil(Zahl, Prozent);
    const double bruch = wert - std::trunc(wert);
    return std::to_string(static_cast<long long>(std::nearbyint(bruch * 100)));
}
