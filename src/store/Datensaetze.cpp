#include "store/Datensaetze.h"

#include "store/Datenlexikon.h"
#include "store/Feldnummern.h"
#include "store/Lektion.h"
#include "store/Lektionsdateien.h"
#include "store/TAnwendungskontext.h"
#include "store/TDatenanzeige.h"
#include "store/TTabelle.h"
#include "store/Zahlen.h"

#include <algorithm>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr uint16_t FeldInhalt = Feld::Daten::Inhalt;
constexpr uint16_t FeldWert1 = Feld::Daten::Wert1;
constexpr uint16_t FeldOperator = Feld::Daten::Operator;
constexpr uint16_t FeldWert2 = Feld::Daten::Wert2;
constexpr const char* UngueltigesDatum = "00.00.0000";

struct TDatum {
    int64_t Jahr;
    int64_t Monat;
    int64_t Tag;
};

bool Schaltjahr(int64_t Jahr) {
    return (Jahr % 4 == 0 && Jahr % 100 != 0) || Jahr % 400 == 0;
}

int64_t TageImMonat(int64_t Jahr, int64_t Monat) {
    constexpr int tage[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return Monat == 2 && Schaltjahr(Jahr) ? 29 : tage[Monat - 1];
}

// The range of dates the regional date functions can represent.
bool Gueltig(const TDatum& d) {
    return d.Jahr >= 1 && d.Jahr <= 9999 && d.Monat >= 1 && d.Monat <= 12 && d.Tag >= 1 &&
           d.Tag <= TageImMonat(d.Jahr, d.Monat);
}

// The German short date "dd.mm.yyyy" (day and month also with one digit).
std::optional<TDatum> DatumLesen(std::string_view s) {
    while (!s.empty() && s.front() == ' ')
        s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ')
        s.remove_suffix(1);
    const size_t p1 = s.find('.');
    const size_t p2 = p1 == std::string_view::npos ? p1 : s.find('.', p1 + 1);
    if (p2 == std::string_view::npos) return std::nullopt;
    const auto tag = Zahlen::Ziffern(s.substr(0, p1), 1, 2);
    const auto monat = Zahlen::Ziffern(s.substr(p1 + 1, p2 - p1 - 1), 1, 2);
    const auto jahr = Zahlen::Ziffern(s.substr(p2 + 1), 4, 4);
    if (!tag || !monat || !jahr) return std::nullopt;
    const TDatum d{*jahr, *monat, *tag};
    return Gueltig(d) ? std::optional(d) : std::nullopt;
}

std::string DatumText(const std::optional<TDatum>& d) {
    if (!d || !Gueltig(*d)) return UngueltigesDatum;
    char text[16];
    std::snprintf(text, sizeof text, "%02d.%02d.%04d", static_cast<int>(d->Tag),
                  static_cast<int>(d->Monat), static_cast<int>(d->Jahr));
    return text;
}

// Days since 1 March of year 0 and back (proleptic Gregorian calendar).
int64_t Tageszahl(const TDatum& d) {
    const int64_t j = d.Monat <= 2 ? d.Jahr - 1 : d.Jahr;
    const int64_t era = (j >= 0 ? j : j - 399) / 400;
    const int64_t jahrInEra = j - era * 400;
    const int64_t tagImJahr = (153 * (d.Monat + (d.Monat > 2 ? -3 : 9)) + 2) / 5 + d.Tag - 1;
    return era * 146097 + jahrInEra * 365 + jahrInEra / 4 - jahrInEra / 100 + tagImJahr;
}

TDatum AusTageszahl(int64_t z) {
    const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const int64_t tagInEra = z - era * 146097;
    const int64_t jahrInEra =
        (tagInEra - tagInEra / 1460 + tagInEra / 36524 - tagInEra / 146096) / 365;
    const int64_t tagImJahr = tagInEra - (365 * jahrInEra + jahrInEra / 4 - jahrInEra / 100);
    const int64_t mp = (5 * tagImJahr + 2) / 153;
    const int64_t tag = tagImJahr - (153 * mp + 2) / 5 + 1;
    const int64_t monat = mp < 10 ? mp + 3 : mp - 9;
    return {jahrInEra + era * 400 + (monat <= 2 ? 1 : 0), monat, tag};
}

void TagKuerzen(TDatum& d) {
    if (d.Monat >= 1 && d.Monat <= 12) d.Tag = std::min(d.Tag, TageImMonat(d.Jahr, d.Monat));
}

TDatum MonateAddieren(TDatum d, int64_t n) {
    d.Monat += n;
    if (d.Monat > 12) {
        d.Jahr += (d.Monat - 1) / 12;
        d.Monat = (d.Monat - 1) % 12 + 1;
    } else if (d.Monat < 1) {
        const int64_t jahre = (12 - d.Monat) / 12;
        d.Jahr -= jahre;
        d.Monat += 12 * jahre;
    }
    TagKuerzen(d);
    return d;
}

std::optional<TDatum> DatumRechnen(const std::string& Operator, TDatum d, int64_t n) {
    if (Operator == "+ Tage") return AusTageszahl(Tageszahl(d) + n);
    if (Operator == "+ Monate") return MonateAddieren(d, n);
    if (Operator == "+ Jahre") {
        d.Jahr += n;
        TagKuerzen(d);
    } else if (Operator == "= Tag") {
        d.Tag = std::clamp<int64_t>(n, 1, TageImMonat(d.Jahr, d.Monat));
    } else if (Operator == "= Monat") {
        d.Monat = std::clamp<int64_t>(n, 1, 12);
    } else if (Operator == "= Jahr") {
        d.Jahr = n;
    } else {
        return std::nullopt;
    }
    return d;
}

bool Datumsoperator(const std::string& Operator) {
    return Operator == "+ Tage" || Operator == "+ Monate" || Operator == "+ Jahre" ||
           Operator == "= Tag" || Operator == "= Monat" || Operator == "= Jahr";
}

int64_t Betrag(int32_t Nr) {
    return Nr < 0 ? -int64_t{Nr} : Nr;
}

int64_t Summe(TTabelle& Tabelle, int64_t Von, int64_t Bis) {
    int64_t summe = 0;
    for (TDatensatz* s = Tabelle.Erster(); s; s = s->Naechster)
        if (Betrag(s->Nr) >= Von && Betrag(s->Nr) <= Bis) summe += Tabelle.LeseZahl(s, FeldInhalt);
    return summe;
}

// The new content of a formula record; none for an operator that is none of the nine.
// Sums and differences are exact, whatever their size.
std::optional<std::string> Ergebnis(TTabelle& Tabelle, TDatensatz* Satz,
                                    const std::string& Operator) {
    const int32_t wert1 = Tabelle.LeseZahl(Satz, FeldWert1);
    const int32_t wert2 = Tabelle.LeseZahl(Satz, FeldWert2);
    if (Operator == "SUMME") return std::to_string(Summe(Tabelle, wert1, wert2));
    TDatensatz* operand1 = Tabelle.Datensatz(wert1);
    TDatensatz* operand2 = Tabelle.Datensatz(wert2);
    const int64_t zahl1 = Tabelle.LeseZahl(operand1, FeldInhalt);
    const int64_t zahl2 = Tabelle.LeseZahl(operand2, FeldInhalt);
    if (Operator == "PLUS") return std::to_string(zahl1 + zahl2);
    if (Operator == "MINUS") return std::to_string(zahl1 - zahl2);
    if (!Datumsoperator(Operator)) return std::nullopt;
    const auto datum = DatumLesen(Tabelle.LeseText(operand1, FeldInhalt));
    if (!datum) return UngueltigesDatum;
    return DatumText(DatumRechnen(Operator, *datum, zahl2));
}

// Ascending record numbers even where the engine's sort gives up on a very large table.
std::vector<TDatensatz*> NachNummer(TTabelle& Tabelle) {
    Tabelle.SortiereNachZahl(0);
    std::vector<TDatensatz*> saetze;
    for (TDatensatz* s = Tabelle.Erster(); s; s = s->Naechster)
        saetze.push_back(s);
    std::stable_sort(saetze.begin(), saetze.end(),
                     [](TDatensatz* a, TDatensatz* b) { return Betrag(a->Nr) < Betrag(b->Nr); });
    return saetze;
}

} // namespace

bool FormelnBerechnen(TTabelle& DatenTabelle) {
    bool gespeichert = true;
    for (TDatensatz* satz : NachNummer(DatenTabelle)) {
        const std::string op = DatenTabelle.LeseText(satz, FeldOperator);
        if (op.empty()) continue;
        if (const auto inhalt = Ergebnis(DatenTabelle, satz, op))
            DatenTabelle.SchreibeText(satz, FeldInhalt, *inhalt);
        gespeichert = DatenTabelle.Speichern(satz) && gespeichert;
    }
    return gespeichert;
}

bool Berechnen(TTabelle& DatenTabelle) {
    const bool gespeichert = FormelnBerechnen(DatenTabelle);
    Rolle<TDatenanzeige>().Auffrischen();
    return gespeichert;
}

bool Berechnen() {
    for (TTabelle* t : TTabelle::Tabellenliste())
        if (t->Tabellenart() == ArtDaten) return Berechnen(*t);
    return true;
}

std::optional<std::string> Datensatzinhalt(int32_t Nr) {
    TTabelle* daten = Tabelle(ArtDaten);
    TDatensatz* satz = daten ? daten->Datensatz(Nr) : nullptr;
    if (!satz) return std::nullopt;
    return daten->LeseText(satz, Feld::Daten::Inhalt);
}

bool BerechnenDatei(const fs::path& LektionsVerzeichnis) {
    const fs::path datei =
        LektionsdateiFinden(LektionsVerzeichnis, Tabellenbeschreibung(ArtDaten).Dateiname);
    std::error_code fehler;
    const bool vorhanden = fs::exists(datei, fehler);
    TTabelle tabelle(ArtDaten, datei);
    tabelle.Laden(2);
    return vorhanden && FormelnBerechnen(tabelle);
}
