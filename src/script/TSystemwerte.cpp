#include "script/TSystemwerte.h"

#include "platform/TUhr.h"
#include "script/Betragswerte.h"
#include "script/Datumstext.h"
#include "script/Kalender.h"

#include <algorithm>

namespace {

using Text = std::optional<std::string>;

const std::string Unbekannt = "unbekannt";
const std::string Aktiv = "aktiv";
const std::string NichtAktiv = "nicht aktiv";

std::string Zahl(long long Wert) {
    return std::to_string(Wert);
}

const std::string& Schalter(bool An) {
    return An ? Aktiv : NichtAktiv;
}

QDateTime AmTag(const QDate& Tag) {
    return QDateTime(Tag, QTime(0, 0));
}

// Values 5-18, 29 and 35-46: today, now, and days counted from today.
Text Kalenderwert(int32_t Wert, const QDateTime& Jetzt) {
    const QDate heute = Jetzt.date();
    const auto tag = [](const QDate& Tag, const char* Muster) {
        return Datumstext(AmTag(Tag), Muster);
    };
    switch (Wert) {
    case 5: return Datumstext(Jetzt, "d.m.yyyy");
    case 6: return Datumstext(Jetzt, "dd.mm.yyyy");
    case 7: return Datumstext(Jetzt, "ddd d.mmm. yyyy");
    case 8: return Datumstext(Jetzt, "dddd, d. mmmm yyyy");
    case 9: return Datumstext(Jetzt, "d");
    case 10: return Datumstext(Jetzt, "dddd");
    case 11: return Datumstext(Jetzt, "mmmm");
    case 12: return Datumstext(Jetzt, "yyyy");
    case 13: return Datumstext(Jetzt, "h:n");
    case 14: return Datumstext(Jetzt, "hh:nn");
    case 15: return Datumstext(Jetzt, "hh:nn:ss");
    case 16: return Datumstext(Jetzt, "h");
    case 17: return Datumstext(Jetzt, "n");
    case 18: return Datumstext(Jetzt, "s");
    case 29: return Datumstext(Jetzt, "dd.mm.yy");
    case 35: return tag(QDate(heute.year(), heute.month(), 1).addMonths(1), "dd.mm.yyyy");
    case 36: return tag(QDate(heute.year(), heute.month(), heute.daysInMonth()), "dd.mm.yyyy");
    case 37: return tag(ArbeitstagAb(heute.addDays(-1), -1), "dd.mm.yy");
    case 38: return tag(ArbeitstagAb(heute.addDays(-1), -1), "dd.mm.yyyy");
    case 40: return tag(ArbeitstagAb(heute.addDays(1), 1), "dd.mm.yy");
    case 41: return tag(ArbeitstagAb(heute.addDays(1), 1), "dd.mm.yyyy");
    case 42: return tag(ArbeitstagAb(heute.addDays(5), 1), "dd.mm.yy");
    case 43: return tag(ArbeitstagAb(heute.addDays(5), 1), "dd.mm.yyyy");
    case 44: return Datumstext(Jetzt, "ddd");
    case 45: return tag(heute.addDays(-1), "dd.mm.yy");
    case 46: return tag(LetzterAbgeschlossenerWochentag(heute), "dd.mm.yy");
    default: return std::nullopt;
    }
}

// The learning time as a time of day in the long time format.
std::string Lernzeit(long long Sekunden) {
    constexpr long long Tag = 24 * 60 * 60;
    const long long s = ((Sekunden % Tag) + Tag) % Tag;
    return Datumstext(QDateTime(QDate(2000, 1, 1), QTime(0, 0).addSecs(static_cast<int>(s))),
                      "hh:nn:ss");
}

} // namespace

TSystemwerte::TSystemwerte(TSystemwertquellen& Quellen, const TUhr& Uhr)
    : Quellen(Quellen), Uhr(Uhr), Programmstart(Uhr.Jetzt()) {}

std::optional<std::string> TSystemwerte::Systemwert(int32_t Wert, int32_t Ziel,
                                                    int32_t Objektnummer) const {
    if (Wert == 0) return "SystemLabel";
    if (Wert == 30 || Wert == 1006) return Quellen.GeschriebenerWert(Wert, Objektnummer);
    if (Wert >= 220 && Wert <= 228)
        return Quellen.GeschriebenerWert(Wert, Objektnummer).value_or(Unbekannt);
    for (auto teil : {&TSystemwerte::Zeitwert, &TSystemwerte::Fensterwert,
                      &TSystemwerte::Lernplattformwert, &TSystemwerte::Antwortwert})
        if (Text t = (this->*teil)(Wert)) return t;
    if (Text t = Lernwert(Wert, Ziel)) return t;
    if (Text t = Objektwert(Wert, Objektnummer)) return t;
    if (Text t = Betragswert(Wert, Objektnummer)) return t;
    return Unbekannt;
}

std::optional<std::string> TSystemwerte::Zeitwert(int32_t Wert) const {
    return Kalenderwert(Wert, Uhr.Jetzt());
}

std::optional<std::string> TSystemwerte::Fensterwert(int32_t Wert) const {
    switch (Wert) {
    case 1: return Zahl(Quellen.Bildschirmgroesse().width());
    case 2: return Zahl(Quellen.Bildschirmgroesse().height());
    case 3: return Zahl(Quellen.Fenstergroesse().width());
    case 4: return Zahl(Quellen.Fenstergroesse().height());
    case 19:
        switch (Quellen.Zustand()) {
        case TSystemwertquellen::Fensterzustand::Minimiert: return "minimiert";
        case TSystemwertquellen::Fensterzustand::Maximiert: return "maximiert";
        case TSystemwertquellen::Fensterzustand::Normal: break;
        }
        return "normal";
    case 22: return Zahl(Quellen.BildpunkteProZoll());
    case 23:
        return Quellen.LesezeichenfensterOffen() ? "ge\xF6"
                                                   "ffnet"
                                                 : "nicht ge\xF6"
                                                   "ffnet";
    case 25: return Zahl(Quellen.Farbtiefe());
    case 26: return Zahl(Quellen.Seitennummer());
    case 27: {
        const int32_t vorher = Quellen.VorherigeSeitennummer();
        return Zahl(vorher == Quellen.Seitennummer() ? 0 : vorher);
    }
    case 34: return Schalter(Quellen.MailserverErreichbar());
    case 39: return Schalter(Quellen.KlangAn());
    case 1003:
        return Quellen.Ueberschreibmodus() ? "\xDC"
                                             "berschreiben"
                                           : "Einf\xFC"
                                             "gen";
    case 1004: return Zahl(Quellen.Fensteranzahl());
    case 1005: return Zahl(Quellen.Fensterposition());
    case 1007: return Zahl(Quellen.LeereZielbereiche());
    case 1008: return Zahl(Quellen.SeiteImErstenFenster());
    case 1120: return Zahl(Quellen.Versuchszaehler());
    default: return std::nullopt;
    }
}

std::optional<std::string> TSystemwerte::Lernwert(int32_t Wert, int32_t Ziel) const {
    switch (Wert) {
    case 24: return Zahl(Quellen.Fortschritt());
    case 31: return Zahl(Quellen.Gruppenseiten().Alle);
    case 32: return Zahl(Quellen.Gruppenseiten().Offen);
    case 33: return Zahl(Quellen.Gruppenseiten().Unerledigt);
    case 200: return Quellen.EndgueltigAbgehakt(Ziel) ? "abgehakt" : "nicht abgehakt";
    default: return std::nullopt;
    }
}

std::optional<std::string> TSystemwerte::Lernplattformwert(int32_t Wert) const {
    switch (Wert) {
    case 305: return Zahl(Quellen.Punktzahl());
    case 306: return Lernzeit(Quellen.LernzeitBeimStart() + Programmstart.secsTo(Uhr.Jetzt()));
    case 314: return Schalter(Quellen.LernplattformAktiv());
    default: break;
    }
    if (Wert < 300 || Wert > 313) return std::nullopt;
    return Quellen.Lernplattformwert(Wert);
}

std::optional<std::string> TSystemwerte::Objektwert(int32_t Wert, int32_t Objektnummer) const {
    switch (Wert) {
    case 28: {
        const auto laeufe = Quellen.RestlicheLaeufe(Objektnummer);
        return laeufe ? Zahl(*laeufe) : std::string();
    }
    case 1000:
    case 1001:
    case 1002: {
        const auto lage = Quellen.Bildlaufposition(Wert, Objektnummer);
        return lage ? Zahl(*lage) : std::string("SystemLabel");
    }
    case 1110: return Zahl(Quellen.Trefferabstand(Objektnummer).value_or(-1));
    case 1205:
    case 1206: {
        const auto ort = Quellen.Objektposition(Objektnummer);
        if (!ort) return "SystemLabel";
        return Zahl(Wert == 1205 ? ort->x() : ort->y());
    }
    default: break;
    }
    if (Wert < 1115 || Wert > 1118) return std::nullopt;
    const auto zelle = Quellen.Tabellenzelle(Objektnummer);
    if (!zelle) return std::string();
    switch (Wert) {
    case 1115: return Zahl(zelle->Zeile);
    case 1116: return Zahl(zelle->Spalte);
    case 1117: return Zahl(zelle->Spalte) + "," + Zahl(zelle->Zeile);
    default: return zelle->Text;
    }
}

std::optional<std::string> TSystemwerte::Antwortwert(int32_t Wert) const {
    if (Wert >= 1100 && Wert <= 1103) {
        std::string muster;
        for (const auto& a : Quellen.Auswahlobjekte())
            muster += a.Bewertung && a.Gewaehlt ? '1' : '0';
        const auto einsen = std::count(muster.begin(), muster.end(), '1');
        switch (Wert) {
        case 1100: return muster;
        case 1101: return Zahl(einsen);
        case 1102: return Zahl(static_cast<long long>(muster.size()) - einsen);
        default: return Zahl(static_cast<long long>(muster.size()));
        }
    }
    if (Wert < 1105 || Wert > 1109) return std::nullopt;
    const auto zellen = Quellen.Zeichenzellen();
    const int werte[] = {zellen.Anzahl, zellen.Leer, zellen.Gefuellt, zellen.Richtig,
                         zellen.Falsch};
    return Zahl(werte[Wert - 1105]);
}

std::optional<std::string> TSystemwerte::Betragswert(int32_t Wert, int32_t Objektnummer) const {
    if (Wert < 3000 || Wert > 3005) return std::nullopt;
    const auto inhalt = Quellen.Eingabefeldinhalt(Objektnummer);
    if (!inhalt) return std::string();
    if (Wert == 3005) return *inhalt;
    const auto zahl = DezimalzahlLesen(*inhalt);
    if (Wert == 3000) return zahl ? BetragText(*zahl) : std::string();
    if (!zahl) return "0";
    const int prozent = Wert <= 3002 ? 116 : 16;
    return Wert % 2 ? Ganzzahlanteil(*zahl, prozent) : Hundertstelanteil(*zahl, prozent);
}
