#include "script/Datumstext.h"

#include <cstdio>

namespace {

// Windows-1252: "März" carries 0xE4.
constexpr const char* Wochentage[] = {"Montag",  "Dienstag", "Mittwoch", "Donnerstag",
                                      "Freitag", "Samstag",  "Sonntag"};
constexpr const char* WochentageKurz[] = {"Mo", "Di", "Mi", "Do", "Fr", "Sa", "So"};
constexpr const char* Monate[] = {"Januar",    "Februar", "M\xE4rz",  "April",
                                  "Mai",       "Juni",    "Juli",     "August",
                                  "September", "Oktober", "November", "Dezember"};
constexpr const char* MonateKurz[] = {"Jan", "Feb", "Mrz", "Apr", "Mai", "Jun",
                                      "Jul", "Aug", "Sep", "Okt", "Nov", "Dez"};

std::string Zahl(int Wert, int Stellen) {
    char puffer[16];
    std::snprintf(puffer, sizeof puffer, "%0*d", Stellen, Wert);
    return puffer;
}

std::string Feld(const QDateTime& Zeitpunkt, char Buchstabe, size_t Anzahl) {
    const QDate datum = Zeitpunkt.date();
    const QTime zeit = Zeitpunkt.time();
    const int zwei = Anzahl >= 2 ? 2 : 1;
    switch (Buchstabe) {
    case 'd':
        if (Anzahl >= 4) return Wochentage[datum.dayOfWeek() - 1];
        if (Anzahl == 3) return WochentageKurz[datum.dayOfWeek() - 1];
        return Zahl(datum.day(), zwei);
    case 'm':
        if (Anzahl >= 4) return Monate[datum.month() - 1];
        if (Anzahl == 3) return MonateKurz[datum.month() - 1];
        return Zahl(datum.month(), zwei);
    case 'y': return Anzahl >= 3 ? Zahl(datum.year(), 4) : Zahl(datum.year() % 100, 2);
    case 'h': return Zahl(zeit.hour(), zwei);
    case 'n': return Zahl(zeit.minute(), zwei);
    case 's': return Zahl(zeit.second(), zwei);
    default: return std::string(Anzahl, Buchstabe);
    }
}

} // namespace

std::string Datumstext(const QDateTime& Zeitpunkt, std::string_view Muster) {
    std::string text;
    for (size_t i = 0; i < Muster.size();) {
        const char buchstabe = Muster[i];
        size_t anzahl = 1;
        while (i + anzahl < Muster.size() && Muster[i + anzahl] == buchstabe)
            ++anzahl;
        text += Feld(Zeitpunkt, buchstabe, anzahl);
        i += anzahl;
    }
    return text;
}
