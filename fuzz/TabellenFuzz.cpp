// libFuzzer target for the table engine: the input is a table file.
//
// The engine never reads the 100-byte header of a table file, so the harness takes its
// choices from there: byte 0 picks the table kind, the bytes after it which records and
// fields the operations touch and what is written. Everything from offset 100 on is the
// table as the engine sees it.
//
// Beyond crashes, leaks and undefined behaviour the harness checks the engine against a
// plain reading of the file format: the record list after every load, every field read at
// both load levels, lookups, counts and both sort orders. When the file is well formed
// (nothing but whole records and free bytes after the header) it also checks that saving,
// creating and deleting leave exactly the records one expects, byte for byte.

#include "fuzz/StummerDialogDienst.h"
#include "store/TTabelle.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

#define PRUEFEN(Bedingung)                                                                         \
    do {                                                                                           \
        if (!(Bedingung)) {                                                                        \
            std::fprintf(stderr, "TabellenFuzz.cpp:%d: Prüfung fehlgeschlagen: %s\n", __LINE__,    \
                         #Bedingung);                                                              \
            std::abort();                                                                          \
        }                                                                                          \
    } while (0)

namespace {

constexpr char Satzende = 0x1B;
constexpr size_t Kopflaenge = TTabelle::Kopflaenge;

StummerDialogDienst& Dialog() {
    static StummerDialogDienst dienst;
    return dienst;
}

uint32_t Betrag(int32_t Nr) {
    return Nr < 0 ? static_cast<uint32_t>(-static_cast<int64_t>(Nr)) : static_cast<uint32_t>(Nr);
}

// ---------------------------------------------------------------------------------------
// The file format read plainly.

struct TReferenzsatz {
    int32_t Nr;
    std::string Daten; // through the closing 0x1B
};
using TDateimodell = std::map<int32_t, TReferenzsatz>; // by file position = file order

// The records of a file as loading finds them; false when the file holds anything but
// whole records and free bytes after its header.
bool Zerlegen(std::string_view d, TDateimodell& Modell) {
    Modell.clear();
    bool wohlgeformt = true;
    size_t i = Kopflaenge;
    while (i < d.size()) {
        if (d[i] == Satzende) {
            ++i;
            continue;
        }
        if (d[i] != '\0') {
            wohlgeformt = false;
            const size_t e = d.find(Satzende, i);
            i = e == std::string_view::npos ? d.size() : e + 1;
            continue;
        }
        unsigned char nummer[4] = {};
        for (size_t k = 0; k < 4 && i + 1 + k < d.size(); ++k)
            nummer[k] = static_cast<unsigned char>(d[i + 1 + k]);
        const auto nr = static_cast<int32_t>(nummer[0] | nummer[1] << 8 | nummer[2] << 16 |
                                             static_cast<uint32_t>(nummer[3]) << 24);
        const size_t anfang = std::min(i + 5, d.size());
        const size_t e = d.find(Satzende, anfang);
        std::string daten;
        if (e == std::string_view::npos) {
            wohlgeformt = false;
            daten = std::string(d.substr(anfang)) + Satzende;
        } else {
            daten = std::string(d.substr(anfang, e + 1 - anfang));
        }
        Modell[static_cast<int32_t>(i)] = {nr, std::move(daten)};
        i = e == std::string_view::npos ? d.size() : e + 1;
    }
    return wohlgeformt;
}

// The field data that reading one record on its own finds at `Position`.
std::string DatenEinzeln(std::string_view d, size_t Position) {
    const size_t anfang = std::min(Position + 5, d.size());
    std::string block(d.substr(anfang, TTabelle::Puffergroesse));
    const size_t e = block.find(Satzende);
    if (e != std::string::npos) return block.substr(0, e + 1);
    if (block.empty()) return std::string(1, Satzende);
    block.back() = Satzende;
    return block;
}

// The value at 1-based position `Pos`, or none when the record ends before it.
std::optional<std::string_view> WertAn(std::string_view d, int Pos) {
    size_t s = 0;
    for (int k = 1; k < Pos; ++k) {
        while (s < d.size() && d[s] != '\0' && d[s] != Satzende)
            ++s;
        if (s >= d.size() || d[s] == Satzende) return std::nullopt;
        ++s;
    }
    if (s >= d.size() || d[s] == Satzende) return std::nullopt;
    size_t e = s;
    while (e < d.size() && d[e] != '\0' && d[e] != Satzende)
        ++e;
    return d.substr(s, e - s);
}

// All values of field data, in one pass.
std::vector<std::string_view> Werte(std::string_view d) {
    std::vector<std::string_view> werte;
    size_t s = 0;
    while (s < d.size() && d[s] != Satzende) {
        size_t e = s;
        while (e < d.size() && d[e] != '\0' && d[e] != Satzende)
            ++e;
        werte.push_back(d.substr(s, e - s));
        s = e < d.size() && d[e] == '\0' ? e + 1 : e;
    }
    return werte;
}

std::string DateiLesen(const fs::path& Pfad) {
    std::string inhalt;
    const int fd = ::open(Pfad.c_str(), O_RDONLY | O_CLOEXEC);
    PRUEFEN(fd >= 0);
    char block[65536];
    for (ssize_t n; (n = ::read(fd, block, sizeof block)) > 0;)
        inhalt.append(block, n);
    ::close(fd);
    return inhalt;
}

void DateiSchreiben(const fs::path& Pfad, const uint8_t* Daten, size_t Groesse) {
    const int fd = ::open(Pfad.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    PRUEFEN(fd >= 0);
    PRUEFEN(::write(fd, Daten, Groesse) == static_cast<ssize_t>(Groesse));
    ::close(fd);
}

// ---------------------------------------------------------------------------------------
// Checks against the plain reading.

int Position(const TTabelle& t, uint16_t FeldId) {
    if (FeldId < 100) return FeldId == 0 ? 1 : FeldId;
    const int p = t.FeldPosition(FeldId);
    return p < 0 ? 0 : p;
}

std::vector<TDatensatz*> Liste(const TTabelle& t) {
    std::vector<TDatensatz*> liste;
    for (TDatensatz* s = t.Erster(); s; s = s->Naechster)
        liste.push_back(s);
    PRUEFEN(static_cast<int>(liste.size()) == t.Anzahl());
    return liste;
}

// The list just loaded is the file's records in file order.
void ListeWieDatei(const TTabelle& t, const TDateimodell& Modell, bool MitDaten) {
    const auto liste = Liste(t);
    PRUEFEN(liste.size() == Modell.size());
    auto m = Modell.begin();
    for (TDatensatz* s : liste) {
        PRUEFEN(s->Dateiposition == m->first);
        PRUEFEN(s->Nr == m->second.Nr);
        PRUEFEN(s->Daten.Vorhanden() == MitDaten);
        if (MitDaten) PRUEFEN(s->Daten.Ansicht() == m->second.Daten);
        ++m;
    }
}

// Every way of reading a field gives what the field data holds.
// Every way of reading a field gives what the field data holds. Each read walks the record
// from its start, so reading every position of every record would make the fuzzer crawl:
// every position is read while `Budget` (bytes walked) lasts, then only the first ones and
// those at the ends of the record and of the field list.
void SatzLesen(TTabelle& t, TDatensatz* s, std::string_view Daten, size_t& Budget) {
    const auto alle = Werte(Daten);
    const int werte = static_cast<int>(alle.size());
    PRUEFEN(t.AnzahlWerte(s) == werte);
    const int bis = std::max(t.AnzahlFelder(), std::min(werte + 1, 99));
    const size_t kosten = Daten.size() * static_cast<size_t>(bis);
    const bool jede = kosten <= Budget;
    if (jede) Budget -= kosten;
    for (int pos = 1; pos <= bis; ++pos) {
        if (!jede && pos > 2 && pos != werte && pos != werte + 1 && pos != bis) continue;
        const auto erwartet = pos <= werte ? std::optional(alle[pos - 1]) : std::nullopt;
        if (pos <= 3 || pos == werte) PRUEFEN(WertAn(Daten, pos) == erwartet);
        const std::string_view text = erwartet.value_or("");
        const uint16_t feld = pos <= t.AnzahlFelder() ? t.FeldIdAnPosition(pos) : 0;
        if (pos < 100) PRUEFEN(t.LeseText(s, static_cast<uint16_t>(pos)) == text);
        if (feld) PRUEFEN(t.LeseText(s, feld) == text);
        const uint16_t id = feld ? feld : static_cast<uint16_t>(pos);
        if (pos == 1) PRUEFEN(t.LeseText(s, 0) == text);
        const auto puffer = t.LeseTextPuffer(s, id);
        PRUEFEN(puffer.has_value() == erwartet.has_value());
        if (puffer) PRUEFEN(*puffer == text);
        if (pos % 5 != 1) continue;
        PRUEFEN(t.LeseSchalter(s, id) == (text == "1"));
        const int32_t zahl = t.LeseZahl(s, id);
        if (text.empty()) PRUEFEN(zahl == 0);
        PRUEFEN(t.LeseKoordinate(s, id) == zahl);
        PRUEFEN(t.LeseSchriftgroesse(s, id) == zahl);
    }
    t.LeseSchrift(s);
}

// Every record read at the table's level: at level 2 from memory, below it from the file.
// Below level 2 each record costs a 64 KB read, so only the first records and the last.
void AllesLesen(TTabelle& t, std::string_view Datei) {
    const auto liste = Liste(t);
    size_t budget = 16000;
    for (size_t i = 0; i < liste.size(); ++i) {
        TDatensatz* s = liste[i];
        const bool randsatz = i < 16 || i + 1 == liste.size();
        if (t.Ladestufe() < 2 && !randsatz) continue;
        if (t.Ladestufe() == 2) {
            PRUEFEN(s->Daten.Vorhanden());
            const std::string daten(s->Daten.Ansicht());
            SatzLesen(t, s, daten, budget);
        } else {
            const std::string daten =
                s->Dateiposition ? DatenEinzeln(Datei, s->Dateiposition) : std::string(1, Satzende);
            SatzLesen(t, s, daten, budget);
        }
    }
}

int32_t Negiert(int32_t Nr) {
    return static_cast<int32_t>(0u - static_cast<uint32_t>(Nr));
}

TDatensatz* ErsterMitNummer(const TTabelle& t, int32_t Nr) {
    for (TDatensatz* s = t.Erster(); s; s = s->Naechster)
        if (Betrag(s->Nr) == Betrag(Nr)) return s;
    return nullptr;
}

void NummernSuchen(TTabelle& t, int32_t Weitere) {
    for (TDatensatz* s : Liste(t)) {
        PRUEFEN(t.Datensatz(s->Nr) == ErsterMitNummer(t, s->Nr));
        PRUEFEN(t.Datensatz(Negiert(s->Nr)) == ErsterMitNummer(t, s->Nr));
    }
    for (const int32_t nr : {Weitere, Negiert(Weitere), 0, 1, INT32_MIN, INT32_MAX})
        PRUEFEN(t.Datensatz(nr) == ErsterMitNummer(t, nr));
}

void ZaehlenUndSuchen(TTabelle& t, uint16_t FeldId) {
    PRUEFEN(t.Zaehle(FeldId, "") == t.Anzahl());
    int64_t groesste = 0;
    for (TDatensatz* s : Liste(t)) {
        PRUEFEN(s->Nr >= 0 || s->Nr == INT32_MIN);
        groesste = std::max<int64_t>(groesste, Betrag(s->Nr));
    }
    if (groesste < INT32_MAX) PRUEFEN(t.FreieNummer(5) == std::max<int64_t>(5, groesste + 1));
    if (t.Anzahl() == 0) return;
    const std::string wert = t.LeseText(t.Erster(), FeldId);
    TDatensatz* erster = nullptr;
    for (TDatensatz* s : Liste(t))
        if (!erster && t.LeseText(s, FeldId) == wert) erster = s;
    PRUEFEN(t.Suche(FeldId, wert) == erster);
    const std::string teil = wert.substr(wert.size() / 2, 2);
    if (teil.empty()) return;
    int anzahl = 0;
    for (TDatensatz* s : Liste(t))
        if (t.LeseText(s, FeldId).find(teil) != std::string::npos) ++anzahl;
    PRUEFEN(t.Zaehle(FeldId, teil) == anzahl);
}

unsigned char Gefaltet(unsigned char c) {
    if (c >= 'A' && c <= 'Z') return static_cast<unsigned char>(c - 'A' + 'a');
    if (c == 0xC4 || c == 0xE4) return 'a';
    if (c == 0xD6 || c == 0xF6) return 'o';
    if (c == 0xDC || c == 0xFC) return 'u';
    return c;
}

int GefaltetVergleichen(std::string_view a, std::string_view b) {
    for (size_t i = 0; i < a.size() && i < b.size(); ++i) {
        const int x = Gefaltet(static_cast<unsigned char>(a[i]));
        const int y = Gefaltet(static_cast<unsigned char>(b[i]));
        if (x != y) return x < y ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : a.size() < b.size() ? -1 : 1;
}

int NummernVergleichen(const TDatensatz* a, const TDatensatz* b) {
    return Betrag(a->Nr) == Betrag(b->Nr) ? 0 : Betrag(a->Nr) < Betrag(b->Nr) ? -1 : 1;
}

// The sort field, then the positions after it round the field list, then the number.
int TextReihenfolge(const TTabelle& t, uint16_t FeldId, const TDatensatz* a, const TDatensatz* b) {
    auto schluessel = [](const TDatensatz* s, int pos) {
        return pos == 0 ? std::string_view() : WertAn(s->Daten.Ansicht(), pos).value_or("");
    };
    std::vector<int> folge{Position(t, FeldId)};
    const int start = folge.front(), n = t.AnzahlFelder();
    for (int k = 1; k <= n; ++k) {
        const int pos = start >= 1 && start <= n ? (start - 1 + k) % n + 1 : k;
        if (pos != start) folge.push_back(pos);
    }
    for (const int pos : folge)
        if (const int c = GefaltetVergleichen(schluessel(a, pos), schluessel(b, pos))) return c;
    return NummernVergleichen(a, b);
}

void SortierenPruefen(TTabelle& t, uint16_t TextFeld, uint16_t ZahlFeld) {
    auto menge = [](std::vector<TDatensatz*> v) {
        std::sort(v.begin(), v.end());
        return v;
    };
    const auto vorher = menge(Liste(t));
    const bool sortierbar = t.Anzahl() <= TTabelle::MaxSortierbar;

    PRUEFEN(t.SortiereNachText(TextFeld) == sortierbar);
    auto liste = Liste(t);
    PRUEFEN(menge(liste) == vorher);
    for (size_t i = 1; sortierbar && i < liste.size(); ++i)
        PRUEFEN(TextReihenfolge(t, TextFeld, liste[i - 1], liste[i]) <= 0);

    for (const uint16_t feld : {ZahlFeld, uint16_t{0}}) {
        PRUEFEN(t.SortiereNachZahl(feld) == sortierbar);
        liste = Liste(t);
        PRUEFEN(menge(liste) == vorher);
        for (TDatensatz* s : liste)
            PRUEFEN(s->Sortierwert ==
                    (feld == 0 ? static_cast<int32_t>(Betrag(s->Nr)) : t.LeseZahl(s, feld)));
        for (size_t i = 1; sortierbar && i < liste.size(); ++i) {
            const TDatensatz* a = liste[i - 1];
            const TDatensatz* b = liste[i];
            PRUEFEN(a->Sortierwert < b->Sortierwert ||
                    (a->Sortierwert == b->Sortierwert && NummernVergleichen(a, b) <= 0));
        }
    }
}

uint16_t FeldWahl(const TTabelle& t, uint8_t b) {
    if (b < 128 && t.AnzahlFelder() > 0) return t.FeldIdAnPosition(b % t.AnzahlFelder() + 1);
    if (b < 248) return b % 100;
    return static_cast<uint16_t>(5000 + b); // in no field list
}

std::string WertErzeugen(uint8_t Laenge, uint8_t Saat, uint8_t Art) {
    size_t n = Laenge + (Art & 0x07) * 256u;
    if ((Art & 0xFC) == 0xE0) n = TTabelle::MaxFelddaten - 24 + Laenge % 32; // at the limit
    std::string w(n, ' ');
    for (size_t k = 0; k < n; ++k)
        w[k] = Art & 0x40 ? static_cast<char>(Saat + k * 131)
                          : static_cast<char>('a' + (Saat + k) % 26);
    return w;
}

// SchreibeText changes exactly the addressed value, pads with empty values up to it, and
// refuses field data longer than the limit with a message.
void FeldSchreiben(TTabelle& t, TDatensatz* s, uint16_t FeldId, const std::string& Wert) {
    const std::string vorher(s->Daten.Ansicht());
    const int pos = Position(t, FeldId);
    const int meldungen = Dialog().Meldungen;
    t.SchreibeText(s, FeldId, Wert);
    const std::string nachher(s->Daten.Ansicht());
    if (pos == 0) {
        PRUEFEN(nachher == vorher && Dialog().Meldungen == meldungen);
        return;
    }
    std::vector<std::string> werte;
    for (const auto w : Werte(vorher))
        werte.emplace_back(w);
    if (static_cast<int>(werte.size()) < pos) werte.resize(pos);
    werte[pos - 1].clear();
    for (const char c : Wert)
        if (c != '\0' && c != Satzende) werte[pos - 1] += c;
    std::string erwartet;
    for (const auto& w : werte)
        erwartet += w + '\0';
    erwartet += Satzende;
    if (erwartet.size() > TTabelle::MaxFelddaten) {
        PRUEFEN(nachher == vorher && Dialog().Meldungen == meldungen + 1);
        return;
    }
    PRUEFEN(Dialog().Meldungen == meldungen);
    PRUEFEN(nachher == erwartet);
}

// Where a record of `S` bytes goes in a well-formed file: in place when it fits into its
// old bytes and the free bytes right behind them; else, as if its old bytes were free
// already, into the first run of free bytes from offset 100 that is long enough or reaches
// the end of the file. A run is the free bytes right after a record's closing 0x1B or
// after the free byte that opens it.
size_t ErwartetePosition(std::string d, const TDateimodell& Modell, int32_t Alt, size_t S) {
    if (Alt) {
        const size_t ende = Alt + 5 + Modell.at(Alt).Daten.size();
        size_t frei = ende;
        while (frei < d.size() && d[frei] == Satzende)
            ++frei;
        if (S <= frei - Alt) return Alt;
        std::fill(d.begin() + Alt, d.begin() + ende, Satzende);
    }
    if (d.size() < Kopflaenge) d.resize(Kopflaenge, Satzende);
    size_t i = Kopflaenge;
    while (i < d.size()) {
        const size_t oeffner = d[i] == Satzende ? i : d.find(Satzende, i + 5);
        size_t lauf = oeffner + 1;
        while (lauf < d.size() && d[lauf] == Satzende)
            ++lauf;
        if (lauf - (oeffner + 1) >= S || lauf == d.size()) return oeffner + 1;
        i = lauf;
    }
    return d.size();
}

// Saves the record and checks its place and bytes in the file; keeps the model of the file
// and the list of records saved in this run.
void SpeichernPruefen(TTabelle& t, TDatensatz* s, TDateimodell& Modell, bool& Zuverlaessig,
                      TDateimodell& Gespeichert) {
    const int32_t alt = s->Dateiposition;
    const int meldungen = Dialog().Meldungen;
    const size_t erwartet = Zuverlaessig ? ErwartetePosition(DateiLesen(t.Pfad()), Modell, alt,
                                                             s->Daten.Ansicht().size() + 5)
                                         : 0;
    const bool gespeichert = t.Speichern(s);
    PRUEFEN(gespeichert == (Dialog().Meldungen == meldungen));
    if (!gespeichert) {
        PRUEFEN(!Zuverlaessig);
        return;
    }
    const std::string daten(s->Daten.Ansicht());
    const std::string inhalt = DateiLesen(t.Pfad());
    const auto pos = static_cast<size_t>(s->Dateiposition);
    PRUEFEN(pos >= Kopflaenge && pos + 5 + daten.size() <= inhalt.size());
    PRUEFEN(inhalt[pos] == '\0');
    int32_t nr = 0;
    std::memcpy(&nr, &inhalt[pos + 1], 4);
    PRUEFEN(Betrag(nr) == Betrag(s->Nr));
    PRUEFEN(inhalt.compare(pos + 5, daten.size(), daten) == 0);
    if (Zuverlaessig) PRUEFEN(pos == erwartet);
    if (alt) Modell.erase(alt);
    Modell[s->Dateiposition] = {nr, daten};
    if (alt) Gespeichert.erase(alt);
    Gespeichert[s->Dateiposition] = {nr, daten};
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Daten, size_t Groesse) {
    if (Groesse == 0) return 0;
    StummerDialogDienst& dialog = Dialog();
    static const DialogDienstEinsatz einsatz(dialog);
    static const fs::path datei =
        fs::temp_directory_path() / ("velmora-fuzz-" + std::to_string(::getpid()) + ".tab");
    DateiSchreiben(datei, Daten, Groesse);
    auto wahl = [&](size_t k) -> uint8_t {
        return k < std::min(Groesse, Kopflaenge) ? Daten[k] : 0;
    };
    auto wahl32 = [&](size_t k) {
        return static_cast<int32_t>(wahl(k) | wahl(k + 1) << 8 | wahl(k + 2) << 16 |
                                    static_cast<uint32_t>(wahl(k + 3)) << 24);
    };

    TDateimodell modell;
    const bool wohlgeformt = Zerlegen({reinterpret_cast<const char*>(Daten), Groesse}, modell);
    // Whether the model still tells what the file holds: only a well-formed file promises it.
    bool zuverlaessig = wohlgeformt;
    // Records saved here must read back whatever the file held before, also when it ended
    // inside a record or a run of stray bytes.
    TDateimodell gespeichert;
    {
        TTabelle t(wahl(0) % 30, datei);
        t.Laden(2);
        PRUEFEN(t.Ladestufe() == 2);
        ListeWieDatei(t, modell, true);
        AllesLesen(t, {});
        NummernSuchen(t, wahl32(15));
        ZaehlenUndSuchen(t, FeldWahl(t, wahl(19)));
        SortierenPruefen(t, FeldWahl(t, wahl(1)), FeldWahl(t, wahl(2)));
        NummernSuchen(t, wahl32(15));

        if (t.Anzahl() > 0) {
            TDatensatz* s = Liste(t)[wahl(3) % t.Anzahl()];
            FeldSchreiben(t, s, FeldWahl(t, wahl(4)), WertErzeugen(wahl(5), wahl(6), wahl(7)));
            SpeichernPruefen(t, s, modell, zuverlaessig, gespeichert);
        }
        TDatensatz* neu = t.NeuerDatensatz(wahl32(8));
        PRUEFEN(Liste(t).back() == neu && neu->Dateiposition == 0);
        FeldSchreiben(t, neu, FeldWahl(t, wahl(12)), WertErzeugen(wahl(13), wahl(20), wahl(21)));
        SpeichernPruefen(t, neu, modell, zuverlaessig, gespeichert);
        NummernSuchen(t, wahl32(8));

        if (t.Anzahl() > 0) {
            TDatensatz* s = Liste(t)[wahl(14) % t.Anzahl()];
            const int32_t pos = s->Dateiposition;
            const int anzahl = t.Anzahl();
            const int meldungen = dialog.Meldungen;
            t.Loeschen(s);
            PRUEFEN(s == nullptr && t.Anzahl() == anzahl - 1 && !t.AktuellerDatensatz());
            if (pos != 0 && dialog.Meldungen == meldungen) {
                modell.erase(pos);
                gespeichert.erase(pos);
            }
            if (dialog.Meldungen != meldungen) {
                PRUEFEN(!zuverlaessig);
                zuverlaessig = false;
            }
            NummernSuchen(t, wahl32(15));
        }

        // Level 1 reached from level 2 keeps the list and reads each record from the file.
        const std::string inhalt = DateiLesen(datei);
        t.Laden(1);
        PRUEFEN(t.Ladestufe() == 1);
        for (TDatensatz* s : Liste(t))
            PRUEFEN(!s->Daten.Vorhanden());
        AllesLesen(t, inhalt);

        // Level 1 from nothing, then level 2: both list what the file now holds.
        TDateimodell jetzt;
        const bool nochWohlgeformt = Zerlegen(inhalt, jetzt);
        t.Laden(0);
        PRUEFEN(t.Anzahl() == 0 && !t.Erster() && !t.AktuellerDatensatz());
        t.Laden(1);
        ListeWieDatei(t, jetzt, false);
        AllesLesen(t, inhalt);
        t.Laden(2);
        ListeWieDatei(t, jetzt, true);
        AllesLesen(t, inhalt);
        NummernSuchen(t, wahl32(15));

        for (const auto& [pos, satz] : gespeichert) {
            const auto it = jetzt.find(pos);
            PRUEFEN(it != jetzt.end() && it->second.Daten == satz.Daten);
        }
        if (zuverlaessig) {
            PRUEFEN(nochWohlgeformt);
            PRUEFEN(jetzt.size() == modell.size());
            for (const auto& [pos, satz] : modell) {
                const auto it = jetzt.find(pos);
                PRUEFEN(it != jetzt.end());
                PRUEFEN(Betrag(it->second.Nr) == Betrag(satz.Nr));
                PRUEFEN(it->second.Daten == satz.Daten);
            }
        }
    }
    PRUEFEN(dialog.WarteCursorTiefe == 0);
    std::error_code fehler;
    fs::remove(datei, fehler);
    return 0;
}
