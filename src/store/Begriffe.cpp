#include "store/Begriffe.h"

#include "store/Datenlexikon.h"
#include "store/Feldnummern.h"
#include "store/Lektion.h"
#include "store/TTabelle.h"

namespace {

constexpr uint16_t FeldBegriff = Feld::Begriffe::Begriff;
constexpr uint16_t FeldZusaetzlich = Feld::Begriffe::zusaetzliche_Begriffe;

bool Trenner(char Zeichen) {
    switch (Zeichen) {
    case '\n':
    case '\r':
    case ' ':
    case '"':
    case '(':
    case ')':
    case ',':
    case '.': return true;
    default: return false;
    }
}

// Compares `Zeile` with its first character raised against a word already raised.
bool Gleich(std::string_view Zeile, std::string_view GrossesWort) {
    if (Zeile.size() != GrossesWort.size() || Zeile.empty()) return false;
    return ErstesZeichenGross(Zeile) == GrossesWort;
}

// The lines of a list field. Splitting at every CR and LF alone only adds empty lines
// between CR and LF, and an empty line never equals a word.
bool ZeileGefunden(std::string_view Liste, std::string_view GrossesWort) {
    size_t anfang = 0;
    for (;;) {
        const size_t ende = Liste.find_first_of("\r\n", anfang);
        if (Gleich(Liste.substr(anfang, ende - anfang), GrossesWort)) return true;
        if (ende == std::string_view::npos) return false;
        anfang = ende + 1;
    }
}

} // namespace

std::string ErstesZeichenGross(std::string_view Wort) {
    std::string ergebnis(Wort);
    if (!ergebnis.empty() && ergebnis[0] >= 'a' && ergebnis[0] <= 'z')
        ergebnis[0] = static_cast<char>(ergebnis[0] - 'a' + 'A');
    return ergebnis;
}

TDatensatz* BegriffSuchen(TTabelle& Begriffe, std::string_view Wort) {
    if (Wort.empty()) return nullptr;
    const std::string gross = ErstesZeichenGross(Wort);
    for (TDatensatz* satz = Begriffe.Erster(); satz; satz = satz->Naechster) {
        if (ZeileGefunden(Begriffe.LeseText(satz, FeldZusaetzlich), gross)) return satz;
        if (Gleich(Begriffe.LeseText(satz, FeldBegriff), gross)) return satz;
    }
    return nullptr;
}

TDatensatz* BegriffSuchen(std::string_view Wort) {
    TTabelle* begriffe = Tabelle(ArtBegriffe);
    return begriffe ? BegriffSuchen(*begriffe, Wort) : nullptr;
}

std::vector<std::string> WoerterSchneiden(std::string_view Text) {
    Text = Text.substr(0, Text.find('\0'));
    std::vector<std::string> woerter;
    size_t i = 0;
    while (i < Text.size()) {
        while (i < Text.size() && Trenner(Text[i]))
            ++i;
        const size_t anfang = i;
        while (i < Text.size() && !Trenner(Text[i]))
            ++i;
        if (i > anfang) woerter.emplace_back(Text.substr(anfang, i - anfang));
    }
    return woerter;
}
