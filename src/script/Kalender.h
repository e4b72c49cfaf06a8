#pragma once
// The working-day calendar of the date values: weekends and the public holidays that the
// lessons count as days off; the movable ones follow Easter Sunday.

#include <QDate>

// Easter Sunday of `Jahr` by Gauss's rule (its century constants are known for 1700-2199).
QDate Ostersonntag(int Jahr);

// Not a working day: Saturday, Sunday, 1 and 6 January, 1 May, 15 August, 3 and 31 October,
// 1 November, 25 and 26 December, Good Friday, Easter Monday, Ascension Day, Whit Monday and
// Corpus Christi.
bool IstArbeitstag(const QDate& Tag);

// The first working day met going from `Start` (itself included) by `Schritt` days (1 or -1).
QDate ArbeitstagAb(QDate Start, int Schritt);

// The last closed week day: going back from yesterday, the first day that is a Sunday or
// whose day of the month is not smaller than today's.
QDate LetzterAbgeschlossenerWochentag(const QDate& Heute);
