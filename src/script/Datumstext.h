#pragma once
// Dates and times written in the patterns of the system values, with German weekday and
// month names, as Windows-1252 text.

#include <QDateTime>

#include <string>
#include <string_view>

// Pattern letters: d, dd day; ddd, dddd weekday short/long; m, mm month; mmm, mmmm month name
// short/long; yy, yyyy year; h, hh hour; n, nn minute; s, ss second. Anything else is copied.
std::string Datumstext(const QDateTime& Zeitpunkt, std::string_view Muster);
