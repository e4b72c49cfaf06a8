#include "evaluation/Stringauswertung.h"

#include "evaluation/Auswertungsfunktion.h"
#include "objects/auswahl/TAuswahlobjekt.h"
#include "objects/auswahl/THListBox.h"
#include "objects/auswertung/THStringAuswertung.h"
#include "objects/bereiche/THMouseSensitive.h"
#include "objects/eingabe/THEingabezeile.h"
#include "objects/kern/TObjektliste.h"
#include "objects/kern/TSeitenfenster.h"
#include "objects/kern/TSeitenobjekt.h"
#include "objects/kern/TZielbereich.h"
#include "objects/rollen/TAktionskontext.h"
#include "platform/AnsiText.h"
#include "platform/TUhr.h"
#include "store/Datensaetze.h"
#include "store/Objekttyp.h"
#include "store/TAnwendungskontext.h"
#include "store/Zahlen.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>

#include <algorithm>
#include <array>
#include <cstring>
#include <optional>

using namespace Stringauswertung;

namespace {

// Windows-1252 upper case: a-z, the accented small letters à-þ (not ÷), š, œ, ž and ÿ.
constexpr std::array<unsigned char, 256> GrossTabelle = [] {
    std::array<unsigned char, 256> t{};
    for (int i = 0; i < 256; ++i)
        t[i] = static_cast<unsigned char>(i);
    for (int i = 'a'; i <= 'z'; ++i)
        t[i] = static_cast<unsigned char>(i - 32);
    for (int i = 0xE0; i <= 0xFE; ++i)
        if (i != 0xF7) t[i] = static_cast<unsigned char>(i - 32);
    t[0x9A] = 0x8A;
    t[0x9C] = 0x8C;
    t[0x9E] = 0x8E;
    t[0xFF] = 0x9F;
    return t;
}();

unsigned char Gross(char Zeichen) {
    return GrossTabelle[static_cast<unsigned char>(Zeichen)];
}

std::string Grossschreibung(std::string_view Text) {
    std::string gross(Text.size(), '\0');
    std::transform(Text.begin(), Text.end(), gross.begin(),
                   [](char z) { return static_cast<char>(Gross(z)); });
    return gross;
}

bool AchtGleich(const char* a, const char* b) {
    return std::memcmp(a, b, 8) == 0;
}

// `Wert` against an accepted value; "?" stands for any one character, and with `GrossKlein`
// both are compared in upper case (`WertGross` is the value in upper case then). Long lists
// of long values are the load here: runs of equal bytes, the usual case between a learner's
// answer and the accepted values, are passed eight at a time.
template <bool GrossKlein>
bool GleichBisAufFragezeichen(std::string_view Wert, std::string_view WertGross,
                              std::string_view Muster) {
    if (Muster.empty()) return Wert.empty();
    if (Muster.size() != Wert.size()) return false;
    const char* w = Wert.data();
    const char* g = WertGross.data();
    const char* m = Muster.data();
    const size_t n = Muster.size();
    for (size_t i = 0; i < n;) {
        if (i + 8 <= n && (AchtGleich(m + i, w + i) || (GrossKlein && AchtGleich(m + i, g + i)))) {
            i += 8;
            continue;
        }
        const bool gleich = GrossKlein ? Gross(m[i]) == Gross(w[i]) : m[i] == w[i];
        if (m[i] != '?' && !gleich) return false;
        ++i;
    }
    return true;
}

// Whether `Wert` matches one of `Liste`, the value in upper case made once for the whole list.
template <bool GrossKlein>
bool EinesPasst(std::string_view Wert, const std::vector<std::string>& Liste) {
    const std::string gross = GrossKlein ? Grossschreibung(Wert) : std::string();
    return std::any_of(Liste.begin(), Liste.end(), [&](const std::string& muster) {
        return GleichBisAufFragezeichen<GrossKlein>(Wert, gross, muster);
    });
}

std::optional<int32_t> Ganzzahl(std::string_view Text) {
    return Zahlen::MitVorzeichen(Text);
}

// The sources whose consumed flag keeps them from being judged twice; combo and list boxes
// are judged by every string evaluation that names them.
bool VerbrauchSperrt(int16_t Typ) {
    return Verbrauchbar(Typ) && Typ != Objekttyp::SAPComboBox;
}

// The input objects that carry a consumed flag.
bool Eingabeobjekt(int16_t Typ) {
    return Verbrauchbar(Typ) || Typ == Objekttyp::ListBox;
}

void Verbrauchen(TObjektliste& Quelle) {
    if (TSeitenobjekt* s = Quelle.Seitenobjekt(); s && Eingabeobjekt(Quelle.Typ))
        s->Verbraucht = true;
}

std::string Nummer(bool Gewaehlt, int32_t Nr) {
    return Gewaehlt ? std::to_string(Nr) : std::string();
}

std::string Eingabetext(const QWidget* w) {
    const auto* feld = dynamic_cast<const THEingabezeile*>(w);
    if (!feld) return {};
    std::string text = QStringNachAnsi(feld->text());
    // What a password field shows may have been stored with it; its padding is no answer.
    if (!feld->PasswortZeichen.empty()) {
        const size_t ende = text.find_last_not_of(feld->PasswortZeichen.front());
        text.erase(ende == std::string::npos ? 0 : ende + 1);
    }
    return text;
}

std::string Listenwahl(const QWidget* w) {
    const auto* liste = dynamic_cast<const QListWidget*>(w);
    if (!liste) return {};
    const QList<QListWidgetItem*> gewaehlt = liste->selectedItems();
    return gewaehlt.isEmpty() ? std::string() : QStringNachAnsi(gewaehlt.front()->text());
}

std::string Belegung(const QWidget* w) {
    const auto* ziel = dynamic_cast<const TZielbereich*>(w);
    return ziel ? Nummer(ziel->Belegung != 0, ziel->Belegung) : std::string();
}

std::string Memotext(const QWidget* w) {
    const auto* memo = dynamic_cast<const QPlainTextEdit*>(w);
    if (!memo) return {};
    QString text = memo->toPlainText();
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return QStringNachAnsi(text);
}

template <class K> std::string Anzeigetext(const QWidget* w) {
    const auto* k = dynamic_cast<const K*>(w);
    return k ? QStringNachAnsi(k->text()) : std::string();
}

std::string Kombitext(const QWidget* w) {
    const auto* k = dynamic_cast<const QComboBox*>(w);
    return k ? QStringNachAnsi(k->currentText()) : std::string();
}

// The value of the source as text, by its object type.
std::string Quellwert(const TObjektliste& Quelle) {
    const QWidget* w = Quelle.Objekt;
    switch (static_cast<Objekttyp>(Quelle.Typ)) {
    case Objekttyp::Editfeld: return Eingabetext(w);
    case Objekttyp::SAPComboBox: return Kombitext(w);
    case Objekttyp::SystemLabel: return Anzeigetext<QLabel>(w);
    case Objekttyp::Memo: return Memotext(w);
    case Objekttyp::CheckBox:
    case Objekttyp::RadioButton: {
        const auto* a = dynamic_cast<const TAuswahlobjekt*>(w);
        return Nummer(a && a->Gewaehlt(), Quelle.Nummer);
    }
    case Objekttyp::MouseSensitive: {
        const auto* m = dynamic_cast<const THMouseSensitive*>(w);
        return Nummer(m && m->Markiert(), Quelle.Nummer);
    }
    case Objekttyp::ListBox: return Listenwahl(w);
    case Objekttyp::ZielBereich: return Belegung(w);
    default: return {};
    }
}

// Data reference "@n@": the contents of data record n, when n is a number above 0 and the
// record exists.
void DatenEinsetzen(std::string& Wert) {
    if (Wert.size() <= 2 || Wert.front() != '@') return;
    std::string_view nummer(Wert);
    nummer.remove_prefix(1);
    if (nummer.back() == '@') nummer.remove_suffix(1);
    const int32_t nr = Zahlen::Feldwert(nummer);
    if (nr <= 0) return;
    if (std::optional<std::string> inhalt = Datensatzinhalt(nr)) Wert = std::move(*inhalt);
}

bool Verweis(const std::string& Wert) {
    return Wert.size() > 2 && Wert.front() == '@';
}

// The accepted values with date placeholders and data references in place, worked on a
// copy so that the object's own list stays as loaded. Without either the list itself.
const std::vector<std::string>& Vergleichswerte(const THStringAuswertung& Objekt,
                                                std::vector<std::string>& Kopie) {
    const std::optional<int32_t> modus =
        Ganzzahl(Objekt.OptionZeile(THStringAuswertung::Datumsmodus));
    const bool datum = modus && *modus > 0;
    const auto& liste = Objekt.Stringliste;
    if (!datum && std::none_of(liste.begin(), liste.end(), Verweis)) return liste;
    Kopie = liste;
    const QDate tag = datum ? Stichtag(*modus, Rolle<TUhr>().Jetzt().date()) : QDate();
    for (std::string& wert : Kopie) {
        if (datum) wert = DatumEinsetzen(std::move(wert), tag);
        DatenEinsetzen(wert);
    }
    return Kopie;
}

// A list box with multiple selection: its chosen items (or all of them) must be exactly the
// accepted values in number, and each accepted value one of them.
bool AuswahlPasst(const QListWidget& Liste, const std::vector<std::string>& Werte, bool Alle) {
    std::vector<std::string> eintraege;
    for (int i = 0; i < Liste.count(); ++i)
        if (Alle || Liste.item(i)->isSelected())
            eintraege.push_back(QStringNachAnsi(Liste.item(i)->text()));
    if (eintraege.size() != Werte.size()) return false;
    return std::all_of(Werte.begin(), Werte.end(), [&](const std::string& w) {
        return std::find(eintraege.begin(), eintraege.end(), w) != eintraege.end();
    });
}

const THListBox* Mehrfachliste(const TObjektliste& Quelle) {
    if (Quelle.Typ != Objekttyp::ListBox) return nullptr;
    const auto* liste = dynamic_cast<const THListBox*>(Quelle.Objekt.data());
    return liste && liste->MehrfachAuswahl ? liste : nullptr;
}

bool Schalter(const THStringAuswertung& Objekt, THStringAuswertung::Option Nr) {
    return Objekt.OptionZeile(Nr) == "1";
}

// An object with nothing to compare and date mode "0" takes the empty value.
bool LeerErwartet(const THStringAuswertung& Objekt, const std::string& Wert) {
    using O = THStringAuswertung;
    const auto leer = [&](O::Option Nr) { return Objekt.OptionZeile(Nr).empty(); };
    return Wert.empty() && Objekt.Stringliste.empty() && leer(O::Untergrenze) &&
           leer(O::Obergrenze) && leer(O::Bereichsanfang) && leer(O::Bereichsende) &&
           Objekt.OptionZeile(O::Datumsmodus) == "0";
}

// Whether the value of the source matches the accepted values or the bounds.
bool Vergleichen(const THStringAuswertung& Objekt, const TObjektliste& Quelle) {
    using O = THStringAuswertung;
    std::vector<std::string> kopie;
    const std::vector<std::string>& werte = Vergleichswerte(Objekt, kopie);
    if (const THListBox* liste = Mehrfachliste(Quelle))
        return AuswahlPasst(*liste, werte, Schalter(Objekt, O::AlleEintraege));
    const std::string wert =
        ZeichenLoeschen(Quellwert(Quelle), Objekt.OptionZeile(O::Loeschzeichen));
    return WertInListe(wert, werte, Schalter(Objekt, O::GrossKleinEgal)) ||
           GrenzenPassen(wert, Objekt.OptionZeile(O::Untergrenze),
                         Objekt.OptionZeile(O::Obergrenze), Objekt.OptionZeile(O::Bereichsanfang),
                         Objekt.OptionZeile(O::Bereichsende)) ||
           LeerErwartet(Objekt, wert);
}

void ErsetzenErstes(std::string& Wert, std::string_view Platzhalter, const std::string& Teil) {
    const size_t stelle = Wert.find(Platzhalter);
    if (stelle != std::string::npos) Wert.replace(stelle, Platzhalter.size(), Teil);
}

std::string ZweiStellen(int Zahl) {
    return (Zahl < 10 ? "0" : "") + std::to_string(Zahl);
}

} // namespace

namespace Stringauswertung {

bool WertPasst(std::string_view Wert, std::string_view Muster, bool GrossKleinEgal) {
    return WertInListe(Wert, {std::string(Muster)}, GrossKleinEgal);
}

bool WertInListe(std::string_view Wert, const std::vector<std::string>& Liste,
                 bool GrossKleinEgal) {
    return GrossKleinEgal ? EinesPasst<true>(Wert, Liste) : EinesPasst<false>(Wert, Liste);
}

QDate Stichtag(int32_t Modus, QDate Heute) {
    if (Modus != 2 && Modus != 3) return Heute;
    const QDate ersterNaechster = QDate(Heute.year(), Heute.month(), 1).addMonths(1);
    return Modus == 2 ? ersterNaechster : ersterNaechster.addDays(-1);
}

std::string DatumEinsetzen(std::string Wert, QDate Datum) {
    ErsetzenErstes(Wert, "tt", ZweiStellen(Datum.day()));
    ErsetzenErstes(Wert, "t", std::to_string(Datum.day()));
    ErsetzenErstes(Wert, "mm", ZweiStellen(Datum.month()));
    ErsetzenErstes(Wert, "m", std::to_string(Datum.month()));
    ErsetzenErstes(Wert, "jjjj", std::to_string(Datum.year()));
    ErsetzenErstes(Wert, "jj", ZweiStellen(Datum.year() % 100));
    return Wert;
}

std::string ZeichenLoeschen(std::string_view Wert, std::string_view Zeichen) {
    std::string ergebnis;
    ergebnis.reserve(Wert.size());
    for (char z : Wert)
        if (Zeichen.find(z) == std::string_view::npos) ergebnis.push_back(z);
    return ergebnis;
}

bool GrenzenPassen(std::string_view Wert, std::string_view Unter, std::string_view Ober,
                   std::string_view Anfang, std::string_view Ende) {
    const std::optional<int32_t> wert = Ganzzahl(Wert);
    if (!wert) return false;
    const std::optional<int32_t> unter = Ganzzahl(Unter);
    const std::optional<int32_t> ober = Ganzzahl(Ober);
    const std::optional<int32_t> anfang = Ganzzahl(Anfang);
    const std::optional<int32_t> ende = Ganzzahl(Ende);
    return (unter && *wert < *unter) || (ober && *wert > *ober) ||
           (anfang && ende && *anfang <= *wert && *wert <= *ende);
}

} // namespace Stringauswertung

bool Pruefen(TSeitenfenster& Fenster, THStringAuswertung& Objekt, TObjektliste* Liste) {
    if (Objekt.Versuch > 0 && Fenster.Versuchszaehler() != Objekt.Versuch) return false;
    TObjektliste* quelle = ObjektMitNummer(Liste, Objekt.Quellnummer());
    if (!quelle) return false;
    const TSeitenobjekt* s = quelle->Seitenobjekt();
    if (s && s->Verbraucht && VerbrauchSperrt(quelle->Typ)) return false;
    if (!Objekt.AllesUebrige && !Vergleichen(Objekt, *quelle)) return false;
    Verbrauchen(*quelle);
    Rolle<TAktionskontext>().AnstehendesScript = Objekt.Script;
    if (Objekt.Versuch > 0 && Objekt.Typ > 0) Fenster.VersuchWeiterzaehlen();
    Auswertungsfunktion(Objekt.Typ, Objekt.TextNr, Objekt.Objektnummer, Objekt.Ziel);
    return true;
}
