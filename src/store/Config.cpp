#include "store/Config.h"

#include "store/DialogDienst.h"
#include "store/Feldnummern.h"
#include "store/Lektionsdateien.h"
#include "store/TDatei.h"
#include "store/TTabelle.h"
#include "store/Zahlen.h"
#include "store/Zeichensatz.h"

// Values stay bytes (the file is Windows-1252), so the wide-character converters are not
// wanted (the Debian package does not even ship their header); the template code is
// compiled here instead of linking the packaged instances, which drag in ICU.
#define SI_NO_CONVERSION
#define SI_IMPLEMENTATION
#include <SimpleIni.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <limits>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

constexpr int ErsterBoundsTag = 0;
constexpr int LetzterBoundsTag = 41;
constexpr uint16_t FeldBounds = 400;
constexpr uint16_t FeldBool = Feld::Konfiguration::Bool;
constexpr uint16_t FeldInteger = Feld::Konfiguration::Integer;
constexpr uint16_t FeldString = Feld::Konfiguration::String;
constexpr uint16_t FeldOffeneFenster = Feld::Konfiguration::geoeffnete_Fenster;
constexpr int32_t Benutzer = 1;

constexpr std::array<int32_t, 41> Zahlvorgaben = {
    0,  218, 471, 1210, 50,  163, 0,   0,   50, 100, 100, 100, 101, 160, 122, 1, 50, 100, 5, 5, 10,
    10, 1,   5,   5,    139, 0,   400, 200, 0,  0,   200, 120, 0,   0,   0,   0, 0,  0,   0, 0};
constexpr int Schaltervorgaben[] = {1, 4, 12, 13, 14, 15, 16, 18, 19, 21};

bool Leerzeichen(char c) {
    return c == ' ' || c == '\t';
}

std::string_view Getrimmt(std::string_view s) {
    while (!s.empty() && Leerzeichen(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && Leerzeichen(s.back()))
        s.remove_suffix(1);
    return s;
}

int32_t Begrenzt(int64_t v) {
    return static_cast<int32_t>(std::clamp<int64_t>(v, std::numeric_limits<int32_t>::min(),
                                                    std::numeric_limits<int32_t>::max()));
}

// Lines as a Windows string list counts them: CR LF, LF and CR each end a line, and a
// break at the very end opens no further line.
std::vector<std::string> Zeilen(std::string_view Text) {
    std::vector<std::string> zeilen;
    size_t anfang = 0;
    while (anfang < Text.size()) {
        const size_t ende = std::min(Text.find_first_of("\r\n", anfang), Text.size());
        zeilen.emplace_back(Text.substr(anfang, ende - anfang));
        anfang = ende;
        if (anfang < Text.size()) anfang += Text.compare(anfang, 2, "\r\n") == 0 ? 2 : 1;
    }
    return zeilen;
}

// Keys and sections ignore letter case, the first of several equal keys counts, and
// values stay the file's bytes.
class TIniDatei {
public:
    explicit TIniDatei(const fs::path& Datei) : Ini(false, true, false) {
        TIniLesefehler fehler;
        if (const auto inhalt = IniDateiLesen(Datei, fehler))
            Ini.LoadData(inhalt->data(), inhalt->size());
        else if (fehler.Nummer != ENOENT) // a missing file means the defaults, silently
            Dialoge().Fehler("Fehler beim Lesen in der Datei " + Datei.filename().string() +
                             ": \n" + fehler.Text);
    }

    std::optional<std::string> Wert(std::string_view Abschnitt, std::string_view Schluessel) const {
        CSimpleIniA::TNamesDepend werte;
        if (!Ini.GetAllValues(std::string(Abschnitt).c_str(), std::string(Schluessel).c_str(),
                              werte) ||
            werte.empty())
            return std::nullopt;
        const auto erster =
            std::min_element(werte.begin(), werte.end(),
                             [](const auto& a, const auto& b) { return a.nOrder < b.nOrder; });
        return std::string(erster->pItem);
    }

    std::string Text(const char* Abschnitt, const char* Schluessel, std::string Vorgabe) const {
        return Wert(Abschnitt, Schluessel).value_or(std::move(Vorgabe));
    }

    int32_t Zahl(const char* Abschnitt, const char* Schluessel, int32_t Vorgabe) const {
        const auto w = Wert(Abschnitt, Schluessel);
        return w ? Zahlen::Umrahmt(*w).value_or(Vorgabe) : Vorgabe;
    }

private:
    CSimpleIniA Ini;
};

// Where a section or key line of an initialisation file stands.
struct TIniZeile {
    size_t Anfang;      // first byte of the line
    size_t Inhaltsende; // before its line break
    size_t Ende;        // after its line break
};

std::vector<TIniZeile> IniZeilen(std::string_view s) {
    std::vector<TIniZeile> zeilen;
    size_t anfang = s.substr(0, 3) == "\xEF\xBB\xBF" ? 3 : 0;
    while (anfang < s.size()) {
        const size_t inhaltsende = std::min(s.find_first_of("\r\n", anfang), s.size());
        size_t ende = inhaltsende;
        if (ende < s.size()) ende += s.compare(ende, 2, "\r\n") == 0 ? 2 : 1;
        zeilen.push_back({anfang, inhaltsende, ende});
        anfang = ende;
    }
    return zeilen;
}

// The line break the file already uses; CR LF for a file without one.
std::string Zeilenende(std::string_view s) {
    const size_t i = s.find_first_of("\r\n");
    if (i == std::string_view::npos) return "\r\n";
    if (s[i] == '\n') return "\n";
    return s.compare(i, 2, "\r\n") == 0 ? "\r\n" : "\r";
}

bool GleichOhneGrossKlein(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               auto klein = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
               return klein(x) == klein(y);
           });
}

// The section name of a header line, none for other lines.
std::optional<std::string_view> Abschnittsname(std::string_view Zeile) {
    Zeile = Getrimmt(Zeile);
    if (Zeile.empty() || Zeile[0] != '[') return std::nullopt;
    const size_t zu = Zeile.find(']');
    if (zu == std::string_view::npos) return std::nullopt;
    return Getrimmt(Zeile.substr(1, zu - 1));
}

// For a key line, the length of everything up to the value (the key, "=" and the blanks
// after it); none for other lines.
std::optional<size_t> Wertanfang(std::string_view Zeile, std::string_view Schluessel) {
    const std::string_view ohne = Getrimmt(Zeile);
    if (ohne.empty() || ohne[0] == ';' || ohne[0] == '#' || ohne[0] == '[') return std::nullopt;
    const size_t gleich = Zeile.find('=');
    if (gleich == std::string_view::npos) return std::nullopt;
    if (!GleichOhneGrossKlein(Getrimmt(Zeile.substr(0, gleich)), Schluessel)) return std::nullopt;
    size_t wert = gleich + 1;
    while (wert < Zeile.size() && Leerzeichen(Zeile[wert]))
        ++wert;
    return wert;
}

// The file's bytes with the key set: its first line in the first such section gets the new
// value, else a line is added after the section's last non-blank line, else the section is
// appended. Every other byte stays.
std::string MitWert(const std::string& Alt, std::string_view Abschnitt, std::string_view Schluessel,
                    std::string_view Wert) {
    const std::string umbruch = Zeilenende(Alt);
    const std::string neueZeile = std::string(Schluessel) + "=" + std::string(Wert);
    std::optional<size_t> einfuegenNach; // end of the section's last non-blank line
    for (const TIniZeile& z : IniZeilen(Alt)) {
        const std::string_view zeile(Alt.data() + z.Anfang, z.Inhaltsende - z.Anfang);
        const auto name = Abschnittsname(zeile);
        if (einfuegenNach && name) break;
        if (!einfuegenNach) {
            if (name && GleichOhneGrossKlein(*name, Abschnitt)) einfuegenNach = z.Ende;
            continue;
        }
        if (const auto w = Wertanfang(zeile, Schluessel))
            return Alt.substr(0, z.Anfang + *w) + std::string(Wert) + Alt.substr(z.Inhaltsende);
        if (!Getrimmt(zeile).empty()) einfuegenNach = z.Ende;
    }
    std::string neu = Alt;
    size_t stelle = einfuegenNach.value_or(neu.size());
    if (stelle == neu.size() && !neu.empty() && neu.back() != '\n' && neu.back() != '\r') {
        neu += umbruch;
        stelle = neu.size();
    }
    std::string zusatz = neueZeile + umbruch;
    if (!einfuegenNach) zusatz = "[" + std::string(Abschnitt) + "]" + umbruch + zusatz;
    return neu.insert(stelle, zusatz);
}

bool Schreibgeschuetzt(const struct stat& st) {
    return (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
}

bool AllesSchreiben(int h, std::string_view Bytes) {
    while (!Bytes.empty()) {
        const ssize_t n = ::write(h, Bytes.data(), Bytes.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            if (n == 0) errno = ENOSPC;
            return false;
        }
        Bytes.remove_prefix(static_cast<size_t>(n));
    }
    return true;
}

// Writes a temporary file beside `Datei` and renames it over, so that a crash or a full
// disk leaves either the old or the new file. 0 or the failure's errno.
int DateiErsetzen(const fs::path& Datei, std::string_view Bytes, const struct stat* Alt) {
    std::string vorlage =
        (Datei.parent_path() / ("." + Datei.filename().string() + ".XXXXXX")).string();
    const int h = ::mkstemp(vorlage.data());
    if (h < 0) return errno;
    mode_t rechte = 0;
    if (Alt) {
        rechte = Alt->st_mode & 07777;
    } else {
        const mode_t maske = ::umask(0);
        ::umask(maske);
        rechte = 0666 & ~maske;
    }
    int fehler = 0;
    if (!AllesSchreiben(h, Bytes) || ::fchmod(h, rechte) != 0 || ::fsync(h) != 0) fehler = errno;
    if (::close(h) != 0 && fehler == 0) fehler = errno;
    if (fehler == 0 && ::rename(vorlage.c_str(), Datei.c_str()) != 0) fehler = errno;
    if (fehler != 0) ::unlink(vorlage.c_str());
    return fehler;
}

bool Schreibfehler(const fs::path& Datei, const std::string& Text) {
    Dialoge().Fehler("Fehler beim Zugreifen auf die Datei " + Datei.filename().string() + ": \n" +
                     Text);
    return false;
}

bool Schreibfehler(const fs::path& Datei, int Nummer) {
    return Schreibfehler(Datei, std::strerror(Nummer));
}

bool GueltigerName(std::string_view Name, std::string_view Verboten) {
    return !Getrimmt(Name).empty() && Name.find_first_of(Verboten) == std::string_view::npos;
}

// A key that would read back as a comment or a section header is refused.
bool GueltigerSchluessel(std::string_view Schluessel) {
    return GueltigerName(Schluessel, "=\r\n") &&
           std::string_view(";#[").find(Getrimmt(Schluessel).front()) == std::string_view::npos;
}

// Line breaks and NUL would split the value into lines of their own.
std::string OhneUmbrueche(std::string_view Wert) {
    std::string w;
    for (const char c : Wert)
        if (c != '\r' && c != '\n' && c != '\0') w += c;
    return w;
}

fs::path IniIn(const fs::path& Verzeichnis) {
    return LektionsdateiFinden(Verzeichnis, Konfigurationsdateiname);
}

std::string Verzeichnistext(const fs::path& Verzeichnis) {
    std::string text = Utf8NachAnsiErsetzt(Verzeichnis.string());
    if (!text.empty() && text.back() != '/') text += '/';
    return text;
}

bool BoundsTag(int Fenstertag) {
    return Fenstertag >= ErsterBoundsTag && Fenstertag <= LetzterBoundsTag;
}

TDatensatz* BenutzersatzAnlegen(TTabelle& Tabelle) {
    TDatensatz* satz = Tabelle.Datensatz(Benutzer);
    return satz ? satz : Tabelle.NeuerDatensatz(Benutzer);
}

} // namespace

std::optional<std::string> IniDateiLesen(const fs::path& Datei, TIniLesefehler& Fehler) {
    TDatei datei(TDateizugriff::System());
    if (!datei.Oeffnen(Datei, O_RDONLY)) {
        Fehler = {datei.Fehlernummer, datei.Fehlertext};
        return std::nullopt;
    }
    const auto groesse = datei.Groesse();
    if (!groesse) {
        Fehler = {datei.Fehlernummer, datei.Fehlertext};
        return std::nullopt;
    }
    // One byte more than the size tells a file that has grown meanwhile.
    std::string inhalt(std::min(static_cast<size_t>(*groesse), MaxIniGroesse + 1) + 1, '\0');
    const auto gelesen = datei.LesenAn(inhalt.data(), inhalt.size(), 0);
    if (!gelesen) {
        Fehler = {datei.Fehlernummer, datei.Fehlertext};
        return std::nullopt;
    }
    if (*gelesen > MaxIniGroesse) {
        Fehler = {EFBIG, "Die Datei ist gr\u00f6\u00dfer als 1 MB und wird nicht gelesen."};
        return std::nullopt;
    }
    inhalt.resize(*gelesen);
    return inhalt;
}

TEinstellungen::TEinstellungen() : Zahl(Zahlvorgaben) {
    for (const int i : Schaltervorgaben)
        Schalter[i] = true;
}

TKonfiguration& Konfiguration() {
    static TKonfiguration konfiguration;
    return konfiguration;
}

TEinstellungen& Einstellungen() {
    static TEinstellungen einstellungen;
    return einstellungen;
}

fs::path KonfigurationsdateiPfad() {
    const TLektionsorte& orte = Lektionsorte();
    return IniIn(orte.SchreibgeschuetzteLektion ? orte.Arbeitsverzeichnis
                                                : orte.Programmverzeichnis);
}

TKonfiguration KonfigurationLesen(const fs::path& Datei) {
    const TIniDatei ini(Datei);
    TKonfiguration k;
    k.Breite = ini.Zahl("Lektion", "Breite", k.Breite);
    k.Hoehe = ini.Zahl("Lektion", "Hoehe", k.Hoehe);
    k.SchattenRandbreite = ini.Zahl("Lektion", "SchattenRandbreite", k.SchattenRandbreite);
    k.SchattenGrauwert = ini.Zahl("Lektion", "SchattenGrauwert", k.SchattenGrauwert);
    k.Name = ini.Text("Lektion", "Name", k.Name);
    k.Scriptpfad = ini.Text("Lektion", "Scriptpfad", k.Scriptpfad);
    k.EvaluationsAdresse = ini.Text("Lektion", "EvaluationsAdresse", k.EvaluationsAdresse);
    k.EMailAdresse = ini.Text("Lektion", "EMailAdresse", k.EMailAdresse);
    k.Server = ini.Text("Lektion", "Server", k.Server);
    k.MailServer = ini.Text("Lektion", "MailServer", k.MailServer);
    k.Benutzer = ini.Text("Lektion", "Benutzer", k.Benutzer);
    k.Passwort = ini.Text("Lektion", "Passwort", k.Passwort);
    k.DefaultState = ini.Zahl("Lektion", "DefaultState", k.DefaultState);
    return k;
}

void KonfigurationLesen() {
    Konfiguration() = KonfigurationLesen(KonfigurationsdateiPfad());
}

std::string TempPfadLesen() {
    return IniWertLesen(IniIn(Lektionsorte().Programmverzeichnis), "Lektion", "TempPfad")
        .value_or("");
}

std::string LektionsnameLesen() {
    const std::string name =
        IniWertLesen(IniIn(Lektionsorte().Lektionsverzeichnis), "Lektion", "Name").value_or("");
    std::string ergebnis;
    for (const char c : name)
        if (c >= '0' && c <= 'z') ergebnis += c;
    return ergebnis;
}

int32_t StartseiteLesen() {
    return TIniDatei(KonfigurationsdateiPfad()).Zahl("State", "Nr", 1);
}

bool StartseiteSchreiben(int32_t Seite) {
    return IniWertSchreiben(KonfigurationsdateiPfad(), "State", "Nr", std::to_string(Seite));
}

std::optional<std::string> IniWertLesen(const fs::path& Datei, std::string_view Abschnitt,
                                        std::string_view Schluessel) {
    return TIniDatei(Datei).Wert(Abschnitt, Schluessel);
}

bool IniWertSchreiben(const fs::path& Datei, std::string_view Abschnitt,
                      std::string_view Schluessel, std::string_view Wert) {
    if (!GueltigerName(Abschnitt, "]\r\n") || !GueltigerSchluessel(Schluessel)) {
        Dialoge().Fehler("Ungültiger Abschnitt oder Schlüssel: [" + AnsiNachUtf8(Abschnitt) + "] " +
                         AnsiNachUtf8(Schluessel));
        return false;
    }
    struct stat st {};
    const bool vorhanden = ::stat(Datei.c_str(), &st) == 0;
    if (!vorhanden && errno != ENOENT) return Schreibfehler(Datei, errno);
    if (vorhanden && Schreibgeschuetzt(st)) return Schreibfehler(Datei, EACCES);
    std::string alt;
    if (vorhanden) {
        TIniLesefehler fehler;
        const auto inhalt = IniDateiLesen(Datei, fehler);
        if (!inhalt) return Schreibfehler(Datei, fehler.Text);
        alt = *inhalt;
    }
    const std::string neu = MitWert(alt, Abschnitt, Schluessel, OhneUmbrueche(Wert));
    if (const int fehler = DateiErsetzen(Datei, neu, vorhanden ? &st : nullptr))
        return Schreibfehler(Datei, fehler);
    return true;
}

TEinstellungen Einstellungsvorgaben(const fs::path& Lektionsverzeichnis) {
    TEinstellungen e;
    e.Text[4] = Verzeichnistext(Lektionsverzeichnis);
    return e;
}

void EinstellungenLesen(TTabelle& ConfigTabelle, TEinstellungen& Ziel) {
    TDatensatz* satz = ConfigTabelle.Datensatz(Benutzer);
    if (!satz) return;
    std::string schalter = ConfigTabelle.LeseText(satz, FeldBool);
    if (!schalter.empty()) {
        schalter.resize(std::max<size_t>(schalter.size(), 30), '0');
        for (size_t i = 1; i <= 30; ++i)
            Ziel.Schalter[i] = schalter[i - 1] == '1';
    }
    const auto zahlen = Zeilen(ConfigTabelle.LeseText(satz, FeldInteger));
    for (size_t i = 1; i <= std::min<size_t>(zahlen.size(), 40); ++i)
        if (const auto z = Zahlen::Umrahmt(zahlen[i - 1])) Ziel.Zahl[i] = *z;
    const auto texte = Zeilen(ConfigTabelle.LeseText(satz, FeldString));
    for (size_t i = 1; i <= std::min<size_t>(texte.size(), 10); ++i)
        Ziel.Text[i] = texte[i - 1];
}

void EinstellungenLesen(TTabelle& ConfigTabelle) {
    Einstellungen() = Einstellungsvorgaben(Lektionsorte().Lektionsverzeichnis);
    EinstellungenLesen(ConfigTabelle, Einstellungen());
}

TFenstergrenzen FensterpositionLesen(TTabelle& ConfigTabelle, int Fenstertag,
                                     const TFenstergrenzen& Aktuell,
                                     const TBildschirmflaeche& Bildschirm) {
    TDatensatz* satz = ConfigTabelle.Datensatz(Benutzer);
    if (!satz || !BoundsTag(Fenstertag)) return Aktuell;
    const auto zeilen =
        Zeilen(ConfigTabelle.LeseText(satz, static_cast<uint16_t>(FeldBounds + Fenstertag)));
    if (zeilen.size() != 4) return Aktuell;
    TFenstergrenzen g = Aktuell;
    int32_t* werte[] = {&g.Links, &g.Oben, &g.Breite, &g.Hoehe};
    for (size_t i = 0; i < 4; ++i)
        if (const auto z = Zahlen::Umrahmt(zeilen[i])) *werte[i] = *z;
    if (int64_t{g.Links} + g.Breite > Bildschirm.DesktopBreite)
        g.Links = Begrenzt(int64_t{Bildschirm.DesktopBreite} - g.Breite);
    if (int64_t{g.Oben} + g.Hoehe > Bildschirm.BildschirmHoehe)
        g.Oben = Begrenzt(int64_t{Bildschirm.BildschirmHoehe} - g.Hoehe);
    return g;
}

bool FensterpositionSchreiben(TTabelle& ConfigTabelle, int Fenstertag,
                              const TFenstergrenzen& Grenzen) {
    if (!BoundsTag(Fenstertag)) return false;
    TDatensatz* satz = BenutzersatzAnlegen(ConfigTabelle);
    std::string text;
    for (const int32_t w : {Grenzen.Links, Grenzen.Oben, Grenzen.Breite, Grenzen.Hoehe})
        text += std::to_string(w) + "\r\n";
    ConfigTabelle.SchreibeText(satz, static_cast<uint16_t>(FeldBounds + Fenstertag), text);
    return ConfigTabelle.Speichern(satz);
}

bool OffeneFensterSchreiben(TTabelle& ConfigTabelle, const std::vector<int>& SichtbareFenster) {
    std::string offen(46, '0');
    for (const int tag : SichtbareFenster)
        if (tag >= 3 && tag <= 46) offen[static_cast<size_t>(tag - 1)] = '1';
    TDatensatz* satz = BenutzersatzAnlegen(ConfigTabelle);
    ConfigTabelle.SchreibeText(satz, FeldOffeneFenster, offen);
    return ConfigTabelle.Speichern(satz);
}
