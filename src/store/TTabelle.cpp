#include "store/TTabelle.h"

#include "store/DialogDienst.h"
#include "store/Feldnummern.h"
#include "store/Lektionsdateien.h"
#include "store/TDatei.h"
#include "store/TJournal.h"
#include "store/Zahlen.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <fcntl.h>
#include <limits>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

constexpr char Satzende = 0x1B;
constexpr char Wertende = 0x00;

std::vector<TTabelle*>& Liste() {
    static std::vector<TTabelle*> liste;
    return liste;
}

uint32_t Betrag(int32_t Nr) {
    return Nr < 0 ? static_cast<uint32_t>(-static_cast<int64_t>(Nr)) : static_cast<uint32_t>(Nr);
}

int32_t NummerAus(const char* p) {
    uint32_t v = 0;
    for (int i = 3; i >= 0; --i)
        v = (v << 8) | static_cast<unsigned char>(p[i]);
    return static_cast<int32_t>(v);
}

void NummerSchreiben(char* p, int32_t Nr) {
    const auto v = static_cast<uint32_t>(Nr);
    for (int i = 0; i < 4; ++i)
        p[i] = static_cast<char>((v >> (8 * i)) & 0xFF);
}

// Where a record stands in the file and how much room it has there.
struct TAlterPlatz {
    bool Gueltig = false; // start mark and number as expected
    char Nummer[4] = {};  // the number bytes as they stand in the file
    size_t T = 0;         // length through its closing 0x1B
    size_t A = 0;         // T plus the free bytes that directly follow (counted up to a need)
    std::string Bytes;    // the file from the record's start, at least through T and A
};

// Reads the record at `Position` in blocks until its end and the free run behind it are
// known. `Bedarf` bounds how far the free run is followed.
std::optional<TAlterPlatz> AltenPlatzVermessen(TDatei& Datei, off_t Position, int32_t Nr,
                                               size_t Bedarf) {
    TAlterPlatz platz;
    std::string satz;
    // Appends up to `Anzahl` bytes that follow what has been read; 0 at the end of the file.
    auto nachlesen = [&](size_t Anzahl) -> std::optional<size_t> {
        const size_t alt = satz.size();
        satz.resize(alt + Anzahl);
        const auto n = Datei.LesenAn(satz.data() + alt, Anzahl, Position + static_cast<off_t>(alt));
        satz.resize(alt + (n ? *n : 0));
        return n;
    };
    // A record saved in place mostly keeps its length: read that much and a little more
    // first, further blocks only when its end is not among them.
    auto n = nachlesen(std::min(TTabelle::Puffergroesse, std::max<size_t>(Bedarf, 64) + 64));
    if (!n) return std::nullopt;
    if (satz.size() < 5 || satz[0] != Wertende || Betrag(NummerAus(&satz[1])) != Betrag(Nr))
        return platz;
    platz.Gueltig = true;
    std::memcpy(platz.Nummer, &satz[1], 4);
    size_t ende = satz.find(Satzende, 5);
    while (ende == std::string::npos && *n > 0) {
        const size_t alt = satz.size();
        n = nachlesen(TTabelle::Puffergroesse);
        if (!n) return std::nullopt;
        ende = satz.find(Satzende, alt);
    }
    platz.T = ende == std::string::npos ? satz.size() : ende + 1;
    size_t a = platz.T;
    while (a < Bedarf) {
        if (a == satz.size()) {
            n = nachlesen(std::min(TTabelle::Puffergroesse, Bedarf - a));
            if (!n) return std::nullopt;
            if (*n == 0) break;
        }
        if (satz[a] != Satzende) break;
        ++a;
    }
    platz.A = a;
    platz.Bytes = std::move(satz);
    return platz;
}

// First fit from offset 100: a record's closing 0x1B (or a stray 0x1B) opens a candidate
// run made of the 0x1B bytes that directly follow it. The first run that is long enough,
// or that reaches the end of the file, takes the record. Record heads are stepped over
// whole, so number bytes that happen to be 0x1B never look like free space.
struct TFreierPlatz {
    size_t Position;
    bool Offen; // the file ends inside a record or stray bytes that lack their 0x1B
};

TFreierPlatz ErsterFreierPlatz(std::string_view Inhalt, size_t Bedarf) {
    const size_t n = Inhalt.size();
    size_t i = TTabelle::Kopflaenge;
    auto laufPruefen = [&](size_t Oeffner, size_t& Weiter) -> std::optional<size_t> {
        size_t lauf = Oeffner + 1;
        while (lauf < n && Inhalt[lauf] == Satzende && lauf - (Oeffner + 1) < Bedarf)
            ++lauf;
        if (lauf - (Oeffner + 1) >= Bedarf || lauf == n) return Oeffner + 1;
        while (lauf < n && Inhalt[lauf] == Satzende)
            ++lauf;
        Weiter = lauf;
        return std::nullopt;
    };
    while (i < n) {
        size_t oeffner;
        if (Inhalt[i] == Satzende) {
            oeffner = i;
        } else {
            const size_t suchab = Inhalt[i] == Wertende ? std::min(i + 5, n) : i;
            const size_t e = Inhalt.find(Satzende, suchab);
            if (e == std::string_view::npos) return {n, true};
            oeffner = e;
        }
        size_t weiter = n;
        if (auto platz = laufPruefen(oeffner, weiter)) return {*platz, false};
        i = weiter;
    }
    return {n, false};
}

constexpr const char* NummerStimmtNicht =
    "Die Nummer des Datensatzes im Speicher stimmt nicht mit der auf der Festplatte \u00fcberein.";

std::string Bereinigt(std::string_view Wert) {
    std::string s;
    s.reserve(Wert.size());
    for (const char c : Wert)
        if (c != Wertende && c != Satzende) s += c;
    return s;
}

int32_t Gerundet(double x) {
    const double r = std::nearbyint(x); // the default rounding mode: halves to even
    if (r > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
    if (r < std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(r);
}

unsigned char Gefaltet(unsigned char c) {
    if (c >= 'A' && c <= 'Z') return static_cast<unsigned char>(c - 'A' + 'a');
    switch (c) {
    case 0xC4:
    case 0xE4: return 'a';
    case 0xD6:
    case 0xF6: return 'o';
    case 0xDC:
    case 0xFC: return 'u';
    default: return c;
    }
}

int GefaltetVergleichen(std::string_view a, std::string_view b) {
    const size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i) {
        const unsigned char x = Gefaltet(static_cast<unsigned char>(a[i]));
        const unsigned char y = Gefaltet(static_cast<unsigned char>(b[i]));
        if (x != y) return x < y ? -1 : 1;
    }
    return a.size() < b.size() ? -1 : a.size() > b.size() ? 1 : 0;
}

int NummernVergleichen(const TDatensatz* a, const TDatensatz* b) {
    const uint32_t x = Betrag(a->Nr), y = Betrag(b->Nr);
    return x < y ? -1 : x > y ? 1 : 0;
}

// Start of the value at 1-based `Pos` in field data `d`, or npos when the record ends
// before it.
// Where the value at position `Pos` begins, walking on from the value at position `Von`,
// which begins at `Ab`.
size_t WertAnfang(std::string_view d, int Von, size_t Ab, int Pos) {
    size_t s = Ab;
    for (int k = Von; k < Pos; ++k) {
        while (s < d.size() && d[s] != Wertende && d[s] != Satzende)
            ++s;
        if (s >= d.size() || d[s] == Satzende) return std::string_view::npos;
        ++s;
    }
    if (s >= d.size() || d[s] == Satzende) return std::string_view::npos;
    return s;
}

std::string_view WertAb(std::string_view d, size_t s) {
    size_t e = s;
    while (e < d.size() && d[e] != Wertende && d[e] != Satzende)
        ++e;
    return d.substr(s, e - s);
}

// The values of field data, in order.
std::vector<std::string_view> Werte(std::string_view d) {
    std::vector<std::string_view> werte;
    size_t s = 0;
    while (s < d.size() && d[s] != Satzende) {
        const std::string_view w = WertAb(d, s);
        werte.push_back(w);
        s += w.size();
        if (s < d.size() && d[s] == Wertende) ++s;
    }
    return werte;
}

} // namespace

std::string Dateikopf() {
    std::string kopf = "Datei f\xFCr Velmora XXX";
    kopf.resize(TTabelle::Kopflaenge, Satzende);
    return kopf;
}

std::string FelddatenAus(const std::vector<std::string>& Werte) {
    std::string d;
    for (const auto& w : Werte) {
        d += Bereinigt(w);
        d += Wertende;
    }
    d += Satzende;
    return d;
}

// ---------------------------------------------------------------------------------------
// Construction

TTabelle::TTabelle(int Art) : Art(Art) {
    FeldlisteAufbauen();
    Geaendert();
    auto& orte = Lektionsorte();
    const std::string name = Tabellenbeschreibung(Art).Dateiname;
    if (orte.SchreibgeschuetzteLektion) {
        const fs::path kopie = LektionsdateiFinden(orte.Arbeitsverzeichnis, name);
        const fs::path original = LektionsdateiFinden(orte.Lektionsverzeichnis, name);
        std::error_code fehler;
        if (!fs::exists(kopie, fehler) && fs::exists(original, fehler)) {
            fs::copy_file(original, kopie, fehler);
            fs::permissions(kopie, fs::perms::owner_write, fs::perm_options::add, fehler);
        }
        Datei = kopie;
    } else {
        Datei = LektionsdateiFinden(orte.Lektionsverzeichnis, name);
    }
    NameFuerMeldungen = name;
    DateiSicherstellen();
    Liste().push_back(this);
}

TTabelle::TTabelle(int Art, fs::path Pfad) : Art(Art), Datei(std::move(Pfad)) {
    FeldlisteAufbauen();
    Geaendert();
    Liste().push_back(this);
    NameFuerMeldungen = Datei.filename().string();
}

TTabelle::~TTabelle() {
    AllesVerwerfen();
    auto& liste = Liste();
    liste.erase(std::remove(liste.begin(), liste.end(), this), liste.end());
}

const std::vector<TTabelle*>& TTabelle::Tabellenliste() {
    return Liste();
}

void TTabelle::Geaendert() {
    // Tables are used from the program's one thread only; a locked counter would cost more
    // than the rest of appending a record while a large table loads.
    static uint64_t zaehler = 0;
    Stand = ++zaehler;
}

std::string TTabelle::Dateiname() const {
    return NameFuerMeldungen;
}

void TTabelle::FeldlisteAufbauen() {
    const TTabellenbeschreibung b = Tabellenbeschreibung(Art);
    Titel = b.Titel;
    Feldliste.assign(b.Vorspann.begin(), b.Vorspann.end());
    Feldliste.insert(Feldliste.end(), b.Felder.begin(), b.Felder.end());
    if (Feldliste.empty()) return;
    int kleinste = Feldliste.front().FeldId, groesste = kleinste;
    for (const auto& f : Feldliste) {
        kleinste = std::min<int>(kleinste, f.FeldId);
        groesste = std::max<int>(groesste, f.FeldId);
    }
    ErsteId = kleinste;
    PositionVonId.assign(groesste - kleinste + 1, 0);
    for (size_t i = 0; i < Feldliste.size(); ++i)
        PositionVonId[Feldliste[i].FeldId - kleinste] = static_cast<int16_t>(i + 1);
}

void TTabelle::DateiSicherstellen() {
    {
        TDatei probe(*Zugriff);
        if (probe.Oeffnen(Datei, O_RDONLY)) return;
        auto& orte = Lektionsorte();
        if (!orte.NeuAnlegenOhneFrage) {
            const Knopf antwort = Dialoge().Nachricht(
                Symbol::Warnung, "",
                probe.Fehlertext + "\nDie Datei " + NameFuerMeldungen + " wird neu erstellt.",
                KnopfOK | KnopfAbbrechen | KnopfAlle, KnopfOK);
            if (antwort == KnopfAbbrechen) Dialoge().SofortBeenden(1);
            if (antwort == KnopfAlle) orte.NeuAnlegenOhneFrage = true;
        }
    }
    if (!DateiAnlegen())
        Dialoge().Nachricht(Symbol::Warnung, "",
                            LetzterFehler + "\nFehler beim Erstellen der Datei " +
                                NameFuerMeldungen,
                            KnopfOK, KnopfOK);
}

bool TTabelle::DateiAnlegen() {
    TDatei datei(*Zugriff);
    if (!datei.Oeffnen(Datei, O_WRONLY | O_CREAT | O_TRUNC)) {
        std::error_code fehler;
        fs::create_directories(Datei.parent_path(), fehler);
        if (!datei.Oeffnen(Datei, O_WRONLY | O_CREAT | O_TRUNC)) {
            LetzterFehler = datei.Fehlertext;
            return false;
        }
    }
    if (!datei.SchreibenAn(Dateikopf(), 0)) {
        LetzterFehler = datei.Fehlertext;
        return false;
    }
    // A journal left for the former file would put its bytes into the new one.
    TJournal(*Zugriff, Datei).Entfernen();
    return true;
}

// ---------------------------------------------------------------------------------------
// The record list

TDatensatz* TTabelle::Anhaengen(int32_t Nr) {
    TDatensatz* satz;
    if (!FreieSaetze.empty()) {
        satz = FreieSaetze.back();
        FreieSaetze.pop_back();
        *satz = TDatensatz{};
    } else {
        if (Speicher.empty() || Speicher.back()->Voll())
            Speicher.push_back(std::make_unique<TSatzblock>(
                Speicher.empty() ? Blockgroesse : Blockgroesse * (Speicher.size() == 1 ? 8 : 16)));
        satz = Speicher.back()->Neuer();
    }
    satz->Nr = Nr;
    satz->Tabelle = this;
    satz->Vorheriger = Ende;
    if (Ende)
        Ende->Naechster = satz;
    else
        Kopf = satz;
    Ende = satz;
    ++Satzanzahl;
    if (IndexGueltig) IndexEinfuegen(satz);
    Geaendert();
    return satz;
}

void TTabelle::Aushaengen(TDatensatz* Satz) {
    if (IndexGueltig) IndexEntfernen(Satz);
    (Satz->Vorheriger ? Satz->Vorheriger->Naechster : Kopf) = Satz->Naechster;
    (Satz->Naechster ? Satz->Naechster->Vorheriger : Ende) = Satz->Vorheriger;
    --Satzanzahl;
    Satz->Daten.Freigeben();
    ++Datenstand;
    Satz->Tabelle = nullptr;
    Satz->Naechster = Satz->Vorheriger = nullptr;
    FreieSaetze.push_back(Satz);
    Geaendert();
}

void TTabelle::AllesVerwerfen() {
    Speicher.clear();
    FreieSaetze.clear();
    Ladepuffer.clear();
    Index.Leeren();
    IndexGueltig = false;
    Kopf = Ende = Aktuell = nullptr;
    Satzanzahl = 0;
    ++Datenstand;
    Geaendert();
}

void TTabelle::IndexAufbauen() {
    Index.Leeren(static_cast<size_t>(Satzanzahl));
    for (TDatensatz* s = Kopf; s; s = s->Naechster)
        Index.Einfuegen(Betrag(s->Nr), s);
    IndexGueltig = true;
}

void TTabelle::IndexEinfuegen(TDatensatz* Satz) {
    Index.Einfuegen(Betrag(Satz->Nr), Satz); // appended at the end: the earlier one stays first
}

void TTabelle::IndexEntfernen(TDatensatz* Satz) {
    const uint32_t nr = Betrag(Satz->Nr);
    TNummernindex::TEintrag* e = Index.Finden(nr);
    if (!e) return;
    if (--e->Anzahl == 0) {
        Index.Entfernen(*e);
        return;
    }
    if (e->Erster != Satz) return;
    // The next one in list order becomes first; it can only come after the removed one.
    TDatensatz* s = Satz->Naechster;
    while (s && Betrag(s->Nr) != nr)
        s = s->Naechster;
    e->Erster = s;
}

TDatensatz* TTabelle::Datensatz(int32_t Nr) {
    if (!IndexGueltig) IndexAufbauen();
    const TNummernindex::TEintrag* e = Index.Finden(Betrag(Nr));
    return e ? e->Erster : nullptr;
}

TDatensatz* TTabelle::Suche(uint16_t FeldId, std::string_view Wert) {
    for (TDatensatz* s = Kopf; s; s = s->Naechster)
        if (this->Wert(s, FeldId) == Wert) return s;
    return nullptr;
}

int TTabelle::Zaehle(uint16_t FeldId, std::string_view Teiltext) {
    int anzahl = 0;
    for (TDatensatz* s = Kopf; s; s = s->Naechster) {
        if (!Teiltext.empty() && Wert(s, FeldId).find(Teiltext) == std::string_view::npos) continue;
        ++anzahl;
        if (s->Nr < 0 && s->Nr != std::numeric_limits<int32_t>::min()) {
            s->Nr = -s->Nr;
            Geaendert();
        }
    }
    return anzahl;
}

int32_t TTabelle::FreieNummer(int32_t Start) const {
    int64_t groesste = 0;
    for (const TDatensatz* s = Kopf; s; s = s->Naechster)
        groesste = std::max<int64_t>(groesste, Betrag(s->Nr));
    const int64_t frei = std::min<int64_t>(groesste + 1, std::numeric_limits<int32_t>::max());
    return static_cast<int32_t>(std::max<int64_t>(Start, frei));
}

TDatensatz* TTabelle::NeuerDatensatz(int32_t Nr) {
    TDatensatz* satz = Anhaengen(Nr);
    satz->Daten.Setzen(std::string{Wertende, Satzende});
    ++Datenstand;
    return satz;
}

// ---------------------------------------------------------------------------------------
// Loading

TTabelle::TSatzblock::TSatzblock(size_t Platz)
    : Speicher(RohspeicherAnlegen(Platz * sizeof(TDatensatz))), Platz(Platz) {}

TTabelle::TSatzblock::~TSatzblock() {
    std::destroy_n(reinterpret_cast<TDatensatz*>(Speicher.get()), Belegt);
}

TDatensatz* TTabelle::TSatzblock::Neuer() {
    return new (reinterpret_cast<TDatensatz*>(Speicher.get()) + Belegt++) TDatensatz{};
}

void TTabelle::Laden(int NeueStufe) {
    NeueStufe = std::clamp(NeueStufe, 0, 2);
    if (NeueStufe == Stufe) return;
    WarteCursorAn warten;
    Geaendert();
    if (Stufe == 1 || NeueStufe == 0) {
        AllesVerwerfen();
    } else if (Stufe == 2 && NeueStufe == 1) {
        for (TDatensatz* s = Kopf; s; s = s->Naechster)
            s->Daten.Freigeben();
        ++Datenstand;
        Ladepuffer.clear();
    }
    if (NeueStufe < Stufe) {
        Stufe = NeueStufe;
        return;
    }
    Stufe = NeueStufe;

    // A save interrupted by a crash is rolled back before anything is read.
    if (!JournalAufloesen())
        Dialoge().Fehler("Fehler beim Lesen in der Datei " + NameFuerMeldungen + ": \n" +
                         LetzterFehler);
    TDatei datei(*Zugriff);
    // Left uninitialised: the read fills it, and clearing 20 MB first costs a fifth of a load.
    TRohspeicher inhalt;
    size_t laenge = 0;
    bool fehler = !datei.Oeffnen(Datei, O_RDONLY);
    if (!fehler) {
        const auto groesse = datei.Groesse();
        fehler = !groesse;
        if (groesse) {
            inhalt = RohspeicherAnlegen(static_cast<size_t>(*groesse));
            const auto gelesen = datei.LesenAn(inhalt.get(), static_cast<size_t>(*groesse), 0);
            fehler = !gelesen;
            laenge = gelesen ? *gelesen : 0;
        }
    }
    if (fehler)
        Dialoge().Fehler("Fehler beim Lesen in der Datei " + NameFuerMeldungen + ": \n" +
                         datei.Fehlertext);

    // Offsets are 32-bit in the record; nothing beyond that can be addressed.
    const char* p = inhalt.get();
    const size_t n = std::min<size_t>(laenge, std::numeric_limits<int32_t>::max());
    size_t i = Kopflaenge;
    while (i < n) {
        if (p[i] == Satzende) {
            ++i;
            continue;
        }
        if (p[i] != Wertende) {
            const void* e = std::memchr(p + i, Satzende, n - i);
            i = e ? static_cast<size_t>(static_cast<const char*>(e) - p) + 1 : n;
            continue;
        }
        char nummer[4] = {};
        std::memcpy(nummer, p + i + 1, std::min<size_t>(4, n - i - 1));
        TDatensatz* satz = Anhaengen(NummerAus(nummer));
        satz->Dateiposition = static_cast<int32_t>(i);
        const size_t daten = std::min(i + 5, n);
        const void* e = std::memchr(p + daten, Satzende, n - daten);
        const size_t ende = e ? static_cast<size_t>(static_cast<const char*>(e) - p) + 1 : n;
        if (NeueStufe == 2) {
            if (e)
                satz->Daten.Verweisen(p + daten, ende - daten);
            else // cut off by the end of the file: it ends there
                satz->Daten.Setzen(std::string(p + daten, ende - daten) + Satzende);
        }
        i = ende;
    }
    ++Datenstand;
    if (NeueStufe == 2 && inhalt) Ladepuffer.push_back(std::move(inhalt));
}

void TTabelle::LadeDaten(TDatensatz* Satz) {
    if (!Satz) return;
    ++Datenstand;
    if (Satz->Dateiposition == 0) {
        Satz->Daten.Setzen(std::string(1, Satzende));
        return;
    }
    TDatei datei(*Zugriff);
    std::string puffer(Puffergroesse, '\0');
    std::optional<size_t> gelesen;
    if (datei.Oeffnen(Datei, O_RDONLY))
        gelesen = datei.LesenAn(puffer.data(), puffer.size(), Satz->Dateiposition + off_t{5});
    if (!gelesen) {
        Dialoge().Fehler("Fehler beim Lesen in der Datei " + NameFuerMeldungen + ": \n" +
                         datei.Fehlertext);
        Satz->Daten.Freigeben();
        return;
    }
    puffer.resize(*gelesen);
    const size_t ende = puffer.find(Satzende);
    if (ende != std::string::npos)
        puffer.resize(ende + 1);
    else if (puffer.empty())
        puffer = std::string(1, Satzende);
    else
        puffer.back() = Satzende;
    Satz->Daten.Setzen(std::move(puffer));
}

// ---------------------------------------------------------------------------------------
// Fields

int TTabelle::Position(uint16_t FeldId) const {
    if (FeldId < 100) return FeldId == 0 ? 1 : FeldId;
    const int i = FeldId - ErsteId;
    if (i < 0 || i >= static_cast<int>(PositionVonId.size())) return 0;
    return PositionVonId[i];
}

void TTabelle::AktuellMachen(TDatensatz* Satz) {
    if (Satz != Aktuell) {
        if (Stufe < 2 && Aktuell) {
            Aktuell->Daten.Freigeben();
            ++Datenstand;
        }
        Aktuell = Satz;
    }
    if (!Satz->Daten.Vorhanden()) LadeDaten(Satz);
}

std::string_view TTabelle::Wert(TDatensatz* Satz, uint16_t FeldId, bool* Gefunden) {
    if (Gefunden) *Gefunden = false;
    if (!Satz) return {};
    const int pos = Position(FeldId);
    if (pos == 0) return {};
    AktuellMachen(Satz);
    if (!Satz->Daten.Vorhanden()) return {};
    const std::string_view d = Satz->Daten.Ansicht();
    const TLesemerker& m = Lesemerker;
    const bool weiter = m.Satz == Satz && m.Stand == Datenstand && m.Pos <= pos;
    const size_t s = weiter ? WertAnfang(d, m.Pos, m.Anfang, pos) : WertAnfang(d, 1, 0, pos);
    if (s == std::string_view::npos) return {};
    Lesemerker = {Satz, Datenstand, pos, s};
    if (Gefunden) *Gefunden = true;
    return WertAb(d, s);
}

std::string TTabelle::LeseText(TDatensatz* Satz, uint16_t FeldId) {
    return std::string(Wert(Satz, FeldId));
}

int32_t TTabelle::LeseZahl(TDatensatz* Satz, uint16_t FeldId) {
    return Zahlen::Feldwert(Wert(Satz, FeldId));
}

bool TTabelle::LeseSchalter(TDatensatz* Satz, uint16_t FeldId) {
    return Wert(Satz, FeldId) == "1";
}

int32_t TTabelle::LeseKoordinate(TDatensatz* Satz, uint16_t FeldId) {
    return Gerundet(LeseZahl(Satz, FeldId) * Anzeigefaktor1 * Anzeigefaktor2);
}

int32_t TTabelle::LeseSchriftgroesse(TDatensatz* Satz, uint16_t FeldId) {
    return Gerundet(LeseZahl(Satz, FeldId) * Anzeigefaktor2);
}

std::optional<std::string> TTabelle::LeseTextPuffer(TDatensatz* Satz, uint16_t FeldId) {
    bool gefunden = false;
    const std::string_view w = Wert(Satz, FeldId, &gefunden);
    if (!gefunden) return std::nullopt;
    return std::string(w);
}

int TTabelle::AnzahlWerte(TDatensatz* Satz) {
    if (!Satz) return 0;
    AktuellMachen(Satz);
    return Satz->Daten.Vorhanden() ? static_cast<int>(Werte(Satz->Daten.Ansicht()).size()) : 0;
}

std::vector<std::string> TTabelle::AlleWerte(TDatensatz* Satz) {
    if (!Satz) return {};
    AktuellMachen(Satz);
    if (!Satz->Daten.Vorhanden()) return {};
    const std::vector<std::string_view> werte = Werte(Satz->Daten.Ansicht());
    return {werte.begin(), werte.end()};
}

void TTabelle::SchriftstilDeuten(std::string_view Stil, TSchriftangaben& Schrift) {
    std::string s(Stil.substr(0, 4));
    s.resize(4, '0');
    Schrift.Fett = s[0] == '1';
    Schrift.Kursiv = s[1] == '1';
    Schrift.Unterstrichen = s[2] == '1';
    Schrift.Durchgestrichen = s[3] == '1';
}

TSchriftangaben TTabelle::LeseSchrift(TDatensatz* Satz) {
    TSchriftangaben schrift;
    schrift.Farbe = LeseZahl(Satz, Feld::Objekte::Schriftfarbe);
    schrift.Name = LeseText(Satz, Feld::Objekte::Schriftart);
    schrift.Groesse = LeseSchriftgroesse(Satz, Feld::Objekte::Schriftgroesse);
    // The style is field 1248 of the object table; other tables are read at its place there.
    constexpr uint16_t StilPositionImObjekt = 49;
    SchriftstilDeuten(Wert(Satz, Position(Feld::Objekte::Schriftstil) ? Feld::Objekte::Schriftstil
                                                                      : StilPositionImObjekt),
                      schrift);
    return schrift;
}

void TTabelle::SchreibeText(TDatensatz* Satz, uint16_t FeldId, std::string_view Wert) {
    if (!Satz) return;
    const int pos = Position(FeldId);
    if (pos == 0) return;
    AktuellMachen(Satz);
    const std::string_view alt =
        Satz->Daten.Vorhanden() ? Satz->Daten.Ansicht() : std::string_view(&Satzende, 1);
    std::vector<std::string_view> werte = Werte(alt);
    const std::string neu = Bereinigt(Wert);
    if (static_cast<int>(werte.size()) < pos) werte.resize(pos);
    werte[pos - 1] = neu;
    size_t laenge = 1;
    for (const auto& w : werte)
        laenge += w.size() + 1;
    if (laenge > MaxFelddaten) {
        Dialoge().Fehler("Ein einzelner Datensatz darf h\u00f6chstens 64KBytes gro\u00df werden. "
                         "Die \u00c4nderungen wurden nicht \u00fcbernommen.");
        return;
    }
    std::string d;
    d.reserve(laenge);
    for (const auto& w : werte) {
        d += w;
        d += Wertende;
    }
    d += Satzende;
    Satz->Daten.Setzen(std::move(d));
    ++Datenstand;
    Geaendert();
}

void TTabelle::SchreibeTextPuffer(TDatensatz* Satz, uint16_t FeldId, const char* Puffer) {
    SchreibeText(Satz, FeldId, Puffer ? std::string_view(Puffer) : std::string_view());
}

void TTabelle::SchreibeSchalter(TDatensatz* Satz, uint16_t FeldId, bool Wert) {
    SchreibeText(Satz, FeldId, Wert ? "1" : "0");
}

// ---------------------------------------------------------------------------------------
// Writing records

bool TTabelle::SchreibfehlerMelden(const std::string& Text) {
    Dialoge().Fehler("Fehler beim Zugreifen auf die Datei " + NameFuerMeldungen + ": \n" + Text);
    return false;
}

bool TTabelle::Aendern(TDatei& Datei, off_t AlteGroesse, const std::vector<TAenderung>& Aenderungen,
                       bool MitJournal) {
    // Every change is put back from memory when a write fails. A record saved in place is
    // one write that a crash cannot split between records. Anything else is first recorded
    // in the journal, so that a crash between the writes (or in the middle of a long one)
    // leaves nothing a later load would misread: the next opening rolls it back.
    TJournal journal(*Zugriff, this->Datei);
    if (MitJournal && !journal.Schreiben(AlteGroesse, Aenderungen))
        return SchreibfehlerMelden(journal.Fehlertext);
    bool geschrieben = true;
    for (const TAenderung& a : Aenderungen)
        if (geschrieben) geschrieben = Datei.SchreibenAn(a.Neu, a.Position);
    if (geschrieben && (!MitJournal || (Datei.Synchronisieren() && journal.Entfernen())))
        return true;
    const std::string text = Datei.Fehlertext.empty() ? journal.Fehlertext : Datei.Fehlertext;
    // Put back what was there; should that fail too, the journal stays for the next opening.
    if (Zuruecknehmen(Datei, AlteGroesse, Aenderungen) && MitJournal && Datei.Synchronisieren())
        journal.Entfernen();
    return SchreibfehlerMelden(text);
}

bool TTabelle::JournalAufloesen() {
    TJournal journal(*Zugriff, Datei);
    if (journal.Aufloesen()) return true;
    LetzterFehler = journal.Fehlertext;
    return false;
}

bool TTabelle::Speichern(TDatensatz* Satz) {
    if (!Satz) return false;
    if (!Satz->Daten.Vorhanden()) LadeDaten(Satz);
    if (!Satz->Daten.Vorhanden()) return false;
    const std::string_view daten = Satz->Daten.Ansicht();
    const size_t S = daten.size() + 5;

    if (!JournalAufloesen()) return SchreibfehlerMelden(LetzterFehler);
    TDatei datei(*Zugriff);
    if (!datei.Oeffnen(Datei, O_RDWR)) return SchreibfehlerMelden(datei.Fehlertext);

    std::optional<TAlterPlatz> alt;
    if (Satz->Dateiposition != 0) {
        alt = AltenPlatzVermessen(datei, Satz->Dateiposition, Satz->Nr, S);
        if (!alt) return SchreibfehlerMelden(datei.Fehlertext);
        if (!alt->Gueltig) return SchreibfehlerMelden(NummerStimmtNicht);
        if (S <= alt->A) {
            std::string satz(1, Wertende);
            satz.append(alt->Nummer, 4);
            satz.append(daten);
            if (S < alt->T) satz.append(alt->T - S, Satzende);
            TAenderung ort{Satz->Dateiposition, satz, alt->Bytes.substr(0, satz.size())};
            return Aendern(datei, std::numeric_limits<off_t>::max(), {std::move(ort)}, false);
        }
    }

    // The record moves (or is new): find its place as if its old bytes were free already.
    const auto groesse = datei.Groesse();
    if (!groesse) return SchreibfehlerMelden(datei.Fehlertext);
    std::string inhalt(static_cast<size_t>(*groesse), '\0');
    const auto gelesen = datei.LesenAn(inhalt.data(), inhalt.size(), 0);
    if (!gelesen) return SchreibfehlerMelden(datei.Fehlertext);
    inhalt.resize(*gelesen);
    const size_t altPos = alt ? static_cast<size_t>(Satz->Dateiposition) : 0;
    const size_t altEnde = alt ? std::min(altPos + alt->T, inhalt.size()) : 0;
    const std::string altesSatzbild = inhalt.substr(altPos, altEnde - altPos);
    if (alt) std::fill(inhalt.begin() + altPos, inhalt.begin() + altEnde, Satzende);
    const size_t dateiende = inhalt.size();
    if (inhalt.size() < static_cast<size_t>(Kopflaenge)) inhalt.resize(Kopflaenge, Satzende);
    const TFreierPlatz platz = ErsterFreierPlatz(inhalt, S);
    const size_t ziel = platz.Position;
    if (ziel + S > static_cast<size_t>(std::numeric_limits<int32_t>::max()))
        return SchreibfehlerMelden(std::strerror(EFBIG));

    // A damaged file may end inside a record (even inside its head) or in stray bytes that
    // lack their closing 0x1B; a record appended right there would be read back as part of
    // them. Five 0x1B bytes complete any head and close it first.
    const size_t vorsatz = platz.Offen ? 5 : 0;
    std::string satz(vorsatz, Satzende);
    satz += Wertende;
    satz.resize(vorsatz + 5);
    NummerSchreiben(&satz[vorsatz + 1], static_cast<int32_t>(Betrag(Satz->Nr)));
    satz.append(daten);
    const size_t L = satz.size();

    // The bytes from `a` to `b` as the file holds them now, and as it will afterwards.
    auto vorher = [&](size_t a, size_t b) {
        std::string bytes = a < dateiende ? inhalt.substr(a, std::min(b, dateiende) - a) : "";
        if (alt && a < altEnde && altPos < b) {
            const size_t s0 = std::max(a, altPos), s1 = std::min(b, altEnde);
            bytes.replace(s0 - a, s1 - s0, altesSatzbild, s0 - altPos, s1 - s0);
        }
        return bytes;
    };
    auto nachher = [&](size_t a, size_t b) {
        std::string bytes(b - a, Satzende);
        if (ziel + L > a && ziel < b) {
            const size_t s0 = std::max(ziel, a), s1 = std::min(ziel + L, b);
            bytes.replace(s0 - a, s1 - s0, satz, s0 - ziel, s1 - s0);
        }
        return bytes;
    };
    std::vector<TAenderung> aenderungen;
    auto aendern = [&](size_t a, size_t b) {
        aenderungen.push_back({static_cast<off_t>(a), nachher(a, b), vorher(a, b)});
    };
    if (alt && ziel <= altEnde && altPos <= ziel + L) {
        aendern(std::min(ziel, altPos), std::max(ziel + L, altEnde)); // one region holds both
    } else {
        aendern(ziel, ziel + L);
        if (alt) aendern(altPos, altEnde);
    }
    if (!Aendern(datei, static_cast<off_t>(dateiende), aenderungen, true)) return false;
    Satz->Dateiposition = static_cast<int32_t>(ziel + vorsatz);
    return true;
}

void TTabelle::Loeschen(TDatensatz*& Satz) {
    if (!Satz || Satz->Tabelle != this) return;
    const int32_t position = Satz->Dateiposition;
    const int32_t nr = Satz->Nr;
    Aushaengen(Satz);
    Aktuell = nullptr;
    Satz = nullptr;
    if (position == 0) return;
    if (!JournalAufloesen()) {
        SchreibfehlerMelden(LetzterFehler);
        return;
    }
    TDatei datei(*Zugriff);
    if (!datei.Oeffnen(Datei, O_RDWR)) {
        SchreibfehlerMelden(datei.Fehlertext);
        return;
    }
    const auto alt = AltenPlatzVermessen(datei, position, nr, 0);
    if (!alt) {
        SchreibfehlerMelden(datei.Fehlertext);
        return;
    }
    if (!alt->Gueltig) {
        SchreibfehlerMelden(NummerStimmtNicht);
        return;
    }
    // Blanking a long record may be cut short by a crash, and what is left of its values
    // would read as records of their own: deleting goes through the journal too.
    const auto groesse = datei.Groesse();
    if (!groesse) {
        SchreibfehlerMelden(datei.Fehlertext);
        return;
    }
    Aendern(datei, *groesse,
            {{position, std::string(alt->T, Satzende), alt->Bytes.substr(0, alt->T)}}, true);
}

// ---------------------------------------------------------------------------------------
// Sorting

namespace {

// Quicksort with the middle element as pivot and Hoare partitioning.
void Quicksort(std::vector<TDatensatz*>& a, int L, int R, TTabelle& t,
               int (*v)(TTabelle&, TDatensatz*, TDatensatz*)) {
    while (L < R) {
        int i = L, j = R;
        TDatensatz* pivot = a[(L + R) / 2];
        do {
            while (v(t, a[i], pivot) < 0)
                ++i;
            while (v(t, a[j], pivot) > 0)
                --j;
            if (i <= j) {
                std::swap(a[i], a[j]);
                ++i;
                --j;
            }
        } while (i <= j);
        if (L < j) Quicksort(a, L, j, t, v);
        L = i;
    }
}

} // namespace

bool TTabelle::Sortieren(int (*v)(TTabelle&, TDatensatz*, TDatensatz*)) {
    WarteCursorAn warten;
    if (Satzanzahl > MaxSortierbar) {
        Dialoge().Fehler("Es k\u00f6nnen maximal 16383 Datens\u00e4tze sortiert werden!");
        return false;
    }
    std::vector<TDatensatz*> a;
    a.reserve(static_cast<size_t>(Satzanzahl));
    for (TDatensatz* s = Kopf; s; s = s->Naechster)
        a.push_back(s);
    if (a.size() > 1) Quicksort(a, 0, static_cast<int>(a.size()) - 1, *this, v);
    Kopf = Ende = nullptr;
    for (TDatensatz* s : a) {
        s->Vorheriger = Ende;
        s->Naechster = nullptr;
        (Ende ? Ende->Naechster : Kopf) = s;
        Ende = s;
    }
    IndexGueltig = false;
    Geaendert();
    return true;
}

bool TTabelle::SortiereNachZahl(uint16_t FeldId) {
    for (TDatensatz* s = Kopf; s; s = s->Naechster)
        s->Sortierwert = FeldId == 0 ? static_cast<int32_t>(Betrag(s->Nr)) : LeseZahl(s, FeldId);
    return Sortieren([](TTabelle&, TDatensatz* a, TDatensatz* b) {
        if (a->Sortierwert != b->Sortierwert) return a->Sortierwert < b->Sortierwert ? -1 : 1;
        return NummernVergleichen(a, b);
    });
}

bool TTabelle::SortiereNachText(uint16_t FeldId) {
    SortierFeld = FeldId;
    return Sortieren(&TTabelle::TextVergleichen);
}

int TTabelle::TextVergleichen(TTabelle& t, TDatensatz* a, TDatensatz* b) {
    // The sort field first, then the following field positions, wrapping from the last
    // to the first, until the sort field comes round again.
    const int start = t.Position(t.SortierFeld);
    const int n = t.AnzahlFelder();
    auto schluessel = [&](TDatensatz* s, int pos) -> std::string_view {
        if (pos == 0) return {};
        t.AktuellMachen(s);
        if (!s->Daten.Vorhanden()) return {};
        const std::string_view d = s->Daten.Ansicht();
        const size_t anfang = WertAnfang(d, 1, 0, pos);
        return anfang == std::string_view::npos ? std::string_view() : WertAb(d, anfang);
    };
    auto vergleichen = [&](int pos) {
        const std::string ka(schluessel(a, pos));
        return GefaltetVergleichen(ka, schluessel(b, pos));
    };
    if (int c = vergleichen(start)) return c;
    if (start >= 1 && start <= n) {
        for (int k = 1; k < n; ++k)
            if (int c = vergleichen((start - 1 + k) % n + 1)) return c;
    } else {
        for (int pos = 1; pos <= n; ++pos)
            if (int c = vergleichen(pos)) return c;
    }
    return NummernVergleichen(a, b);
}

// ---------------------------------------------------------------------------------------
// Field list queries

std::string TTabelle::Feldname(uint16_t FeldId) const {
    const int pos = FeldId >= 100 ? Position(FeldId) : 0;
    return pos ? Feldliste[pos - 1].Name : "####";
}

uint16_t TTabelle::FeldIdVonName(std::string_view Name) const {
    for (const auto& f : Feldliste)
        if (Name == f.Name) return f.FeldId;
    return 0;
}

uint16_t TTabelle::FeldIdAnPosition(int Pos) const {
    return Pos >= 1 && Pos <= AnzahlFelder() ? Feldliste[Pos - 1].FeldId : 0;
}

int TTabelle::FeldPosition(uint16_t FeldId) const {
    const int pos = FeldId >= 100 ? Position(FeldId) : 0;
    return pos ? pos : -1;
}

// ---------------------------------------------------------------------------------------

bool KopiereDatensatz(TTabelle& Quelltabelle, TDatensatz* Quellsatz, TTabelle& Zieltabelle,
                      TDatensatz* Zielsatz) {
    for (const auto& f : Quelltabelle.Felder())
        Zieltabelle.SchreibeText(Zielsatz, f.FeldId, Quelltabelle.LeseText(Quellsatz, f.FeldId));
    return Zieltabelle.Speichern(Zielsatz);
}

bool TabellendateiSchreiben(const fs::path& Datei, const std::vector<TNeuerSatz>& Saetze,
                            std::string& Fehlertext) {
    std::string inhalt = Dateikopf();
    for (const auto& s : Saetze) {
        const size_t a = inhalt.size();
        inhalt.resize(a + 5);
        inhalt[a] = Wertende;
        NummerSchreiben(&inhalt[a + 1], static_cast<int32_t>(Betrag(s.Nr)));
        inhalt += s.Felddaten;
        if (s.Felddaten.empty() || s.Felddaten.back() != Satzende) inhalt += Satzende;
    }
    // Written beside the target and renamed over it, so the file is whole or untouched.
    const fs::path neu = Datei.string() + ".neu";
    {
        TDatei datei(TDateizugriff::System());
        if (!datei.Oeffnen(neu, O_WRONLY | O_CREAT | O_TRUNC) || !datei.SchreibenAn(inhalt, 0)) {
            Fehlertext = datei.Fehlertext;
            std::error_code e;
            fs::remove(neu, e);
            return false;
        }
    }
    std::error_code fehler;
    fs::rename(neu, Datei, fehler);
    if (fehler) {
        Fehlertext = fehler.message();
        fs::remove(neu, fehler);
        return false;
    }
    // A journal left for the former file would put its bytes into the new one.
    TJournal(TDateizugriff::System(), Datei).Entfernen();
    return true;
}
