#pragma once
// The check of a string evaluation: the value of its source object against its accepted
// values (with the "?" wildcard, date placeholders and data-record references) and its
// numeric bounds, or any source not yet judged (catch-all). On a match the source counts as
// consumed, the object's script becomes the pending one and its evaluation function runs.
// The helpers below are the steps of the check on plain Windows-1252 text.

#include <QDate>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class THStringAuswertung;
class TSeitenfenster;
struct TObjektliste;

// True when the object matched; `Liste` is the page's object list (containers' objects
// included) in which the source is looked up.
bool Pruefen(TSeitenfenster& Fenster, THStringAuswertung& Objekt, TObjektliste* Liste);

namespace Stringauswertung {

// `Wert` against one accepted value: "?" in the accepted value stands for any one
// character; an empty accepted value matches only the empty value. With `GrossKleinEgal`
// both are compared in upper case (Windows-1252, the accented letters included).
bool WertPasst(std::string_view Wert, std::string_view Muster, bool GrossKleinEgal);

// Whether `Wert` matches one of the accepted values.
bool WertInListe(std::string_view Wert, const std::vector<std::string>& Liste, bool GrossKleinEgal);

// The date the placeholders stand for in date mode `Modus` (1 today, 2 the first day of next
// month, 3 the last day of this month, any other mode today).
QDate Stichtag(int32_t Modus, QDate Heute);

// Replaces the first "tt", "t", "mm", "m", "jjjj", "jj" of `Wert`, in this order, by the
// parts of `Datum`.
std::string DatumEinsetzen(std::string Wert, QDate Datum);

// Deletes every character of `Zeichen` from `Wert`.
std::string ZeichenLoeschen(std::string_view Wert, std::string_view Zeichen);

// Whether the value lies outside the bounds or inside the range of the option lines
// `Unter`, `Ober`, `Anfang`, `Ende`; any comparison with a text that is no integer is
// skipped.
bool GrenzenPassen(std::string_view Wert, std::string_view Unter, std::string_view Ober,
                   std::string_view Anfang, std::string_view Ende);

} // namespace Stringauswertung
