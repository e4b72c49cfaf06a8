#include "script/Kalender.h"

#include <algorithm>
#include <iterator>

namespace {

struct TJahrhundertwerte {
    int Von, Bis, M, N;
};

// Gauss's constants per century; years outside the table take 0, 0.
constexpr TJahrhundertwerte Jahrhunderte[] = {
    {1700, 1799, 23, 3},
    {1800, 1899, 23, 4},
    {1900, 2099, 24, 5},
    {2100, 2199, 24, 6},
};

struct TFesterFeiertag {
    int Monat, Tag;
};

constexpr TFesterFeiertag FesteFeiertage[] = {
    {1, 1}, {1, 6}, {5, 1}, {8, 15}, {10, 3}, {10, 31}, {11, 1}, {12, 25}, {12, 26},
};

// Good Friday, Easter Monday, Ascension Day, Whit Monday, Corpus Christi.
constexpr int OsterAbstaende[] = {-2, 1, 39, 50, 60};

} // namespace

QDate Ostersonntag(int Jahr) {
    int m = 0, n = 0;
    for (const auto& j : Jahrhunderte)
        if (Jahr >= j.Von && Jahr <= j.Bis) {
            m = j.M;
            n = j.N;
        }
    const int a = Jahr % 19, b = Jahr % 4, c = Jahr % 7;
    const int d = (19 * a + m) % 30;
    const int e = (2 * b + 4 * c + 6 * d + n) % 7;
    if (d + e < 10) return QDate(Jahr, 3, 22 + d + e);
    int tag = d + e - 9;
    if (tag == 26) tag = 19;
    if (tag == 25 && d == 28 && a > 10) tag = 18;
    return QDate(Jahr, 4, tag);
}

bool IstArbeitstag(const QDate& Tag) {
    if (Tag.dayOfWeek() >= Qt::Saturday) return false;
    const bool fest = std::any_of(
        std::begin(FesteFeiertage), std::end(FesteFeiertage),
        [&](const TFesterFeiertag& f) { return f.Monat == Tag.month() && f.Tag == Tag.day(); });
    if (fest) return false;
    const qint64 abstand = Ostersonntag(Tag.year()).daysTo(Tag);
    return std::find(std::begin(OsterAbstaende), std::end(OsterAbstaende), abstand) ==
           std::end(OsterAbstaende);
}

QDate ArbeitstagAb(QDate Start, int Schritt) {
    while (Start.isValid() && !IstArbeitstag(Start))
        Start = Start.addDays(Schritt);
    return Start;
}

QDate LetzterAbgeschlossenerWochentag(const QDate& Heute) {
    QDate tag = Heute.addDays(-1);
    while (tag.isValid() && tag.dayOfWeek() != Qt::Sunday && tag.day() < Heute.day())
        tag = tag.addDays(-1);
    return tag;
}
