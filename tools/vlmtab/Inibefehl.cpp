#include "vlmtab/Inibefehl.h"

#include "store/Config.h"
#include "store/Zeichensatz.h"
#include "vlmtab/Fehlerzaehler.h"
#include "vlmtab/Tabellenwert.h"

#include <algorithm>
#include <optional>
#include <string>
#include <utility>

namespace fs = std::filesystem;

namespace vlmtab {

namespace {

std::string Vorsatz(const fs::path& Datei) {
    return "vlmtab: " + Datei.string() + ": ";
}

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

bool GleichOhneGrossKlein(std::string_view a, std::string_view b) {
    auto klein = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (klein(a[i]) != klein(b[i])) return false;
    return true;
}

// The player's reader only tells that a value is missing; whether the section is there
// is found by its rules for header lines ("[Name]", blanks around, any letter case), so
// that the message can say which of the two the user got wrong.
bool AbschnittVorhanden(std::string_view Inhalt, std::string_view Abschnitt) {
    while (!Inhalt.empty()) {
        const size_t ende = std::min(Inhalt.find_first_of("\r\n"), Inhalt.size());
        const std::string_view zeile = Getrimmt(Inhalt.substr(0, ende));
        Inhalt.remove_prefix(std::min(ende + 1, Inhalt.size()));
        if (zeile.empty() || zeile[0] != '[') continue;
        const size_t zu = zeile.find(']');
        if (zu != std::string_view::npos &&
            GleichOhneGrossKlein(Getrimmt(zeile.substr(1, zu - 1)), Abschnitt))
            return true;
    }
    return false;
}

// False (after a message) when `Datei` is a directory, or when it is missing and `Muss`.
bool DateiPruefen(const fs::path& Datei, bool Muss, std::ostream& Meldungen) {
    std::error_code fehler;
    const fs::file_status s = fs::status(Datei, fehler);
    if (fs::is_directory(s)) {
        Meldungen << Vorsatz(Datei) << "is a directory, not an initialisation file\n";
        return false;
    }
    if (Muss && !fs::exists(s)) {
        Meldungen << Vorsatz(Datei) << "no such file\n";
        return false;
    }
    return true;
}

// The Windows-1252 bytes of a section name, key or value (`Was`) that may hold none of
// `Verboten`, the characters that would end or change the meaning of its line.
std::optional<std::string> IniText(std::string_view Utf8, std::string_view Verboten,
                                   const std::string& Was, const fs::path& Datei,
                                   std::ostream& Meldungen) {
    if (Utf8.find_first_of(Verboten) != std::string_view::npos) {
        std::string liste;
        for (const char c : Verboten)
            liste += c == '\r'   ? std::string(" CR")
                     : c == '\n' ? " LF"
                                 : " '" + std::string(1, c) + "'";
        Meldungen << Vorsatz(Datei) << "the " << Was << " may not hold any of" << liste << '\n';
        return std::nullopt;
    }
    std::string grund;
    auto ansi = AnsiAusUtf8(Utf8, grund);
    if (!ansi) Meldungen << Vorsatz(Datei) << "the " << Was << " " << grund << '\n';
    return ansi;
}

// Section name and key as the file holds them: blanks around a name are not part of it, and
// a blank name or a key that would read back as a comment or a section header is refused.
struct TIniNamen {
    std::string Abschnitt; // UTF-8, for messages
    std::string Schluessel;
    std::string AnsiAbschnitt;
    std::string AnsiSchluessel;
};

std::optional<TIniNamen> NamenPruefen(std::string_view Abschnitt, std::string_view Schluessel,
                                      const fs::path& Datei, std::ostream& Meldungen) {
    TIniNamen namen{std::string(Getrimmt(Abschnitt)), std::string(Getrimmt(Schluessel)), {}, {}};
    if (namen.Abschnitt.empty()) {
        Meldungen << Vorsatz(Datei) << "the section name is blank\n";
        return std::nullopt;
    }
    if (namen.Schluessel.empty()) {
        Meldungen << Vorsatz(Datei) << "the key is blank\n";
        return std::nullopt;
    }
    if (std::string_view(";#[").find(namen.Schluessel.front()) != std::string_view::npos) {
        Meldungen << Vorsatz(Datei) << "the key may not begin with ';', '#' or '['\n";
        return std::nullopt;
    }
    auto abschnitt = IniText(namen.Abschnitt, "\r\n[]", "section name", Datei, Meldungen);
    if (!abschnitt) return std::nullopt;
    auto schluessel = IniText(namen.Schluessel, "\r\n=", "key", Datei, Meldungen);
    if (!schluessel) return std::nullopt;
    namen.AnsiAbschnitt = std::move(*abschnitt);
    namen.AnsiSchluessel = std::move(*schluessel);
    return namen;
}

} // namespace

int IniWertAusgeben(const fs::path& Datei, std::string_view Abschnitt, std::string_view Schluessel,
                    std::ostream& Aus, std::ostream& Meldungen) {
    const auto namen = NamenPruefen(Abschnitt, Schluessel, Datei, Meldungen);
    if (!namen || !DateiPruefen(Datei, true, Meldungen)) return Fehlschlag;

    if (const auto wert = IniWertLesen(Datei, namen->AnsiAbschnitt, namen->AnsiSchluessel)) {
        Aus << AnsiNachUtf8(*wert) << '\n';
        Aus.flush();
        return Aus ? Erfolg : Fehlschlag;
    }
    TIniLesefehler fehler;
    const auto inhalt = IniDateiLesen(Datei, fehler);
    if (!inhalt)
        Meldungen << Vorsatz(Datei) << "could not be read\n";
    else if (!AbschnittVorhanden(*inhalt, namen->AnsiAbschnitt))
        Meldungen << Vorsatz(Datei) << "no section [" << namen->Abschnitt << "]\n";
    else
        Meldungen << Vorsatz(Datei) << "section [" << namen->Abschnitt << "] has no key "
                  << namen->Schluessel << '\n';
    return Fehlschlag;
}

int IniWertEintragen(const fs::path& Datei, std::string_view Abschnitt, std::string_view Schluessel,
                     std::string_view Wert, std::ostream& Meldungen) {
    const auto namen = NamenPruefen(Abschnitt, Schluessel, Datei, Meldungen);
    if (!namen) return Fehlschlag;
    const auto wert = IniText(Wert, "\r\n", "value", Datei, Meldungen);
    if (!wert || !DateiPruefen(Datei, false, Meldungen)) return Fehlschlag;

    Fehlerzaehler zaehler;
    if (!IniWertSchreiben(Datei, namen->AnsiAbschnitt, namen->AnsiSchluessel, *wert) ||
        zaehler.Fehleranzahl > 0) {
        Meldungen << Vorsatz(Datei) << "section [" << namen->Abschnitt << "], key "
                  << namen->Schluessel << " could not be written\n";
        return Fehlschlag;
    }
    return Erfolg;
}

} // namespace vlmtab
