#include "script/TAnweisung.h"

namespace {

bool Befehlsende(char c) {
    return c == ' ' || c == '(' || c == ')' || c == ',' || c == ':' || c == ';';
}

bool Parameterende(char c) {
    return c == '(' || c == ')' || c == ',' || c == ':' || c == ';';
}

bool Zwischenzeichen(char c) {
    return c == ' ' || c == '(' || c == ':' || c == '=';
}

// Blanks outside quoted stretches go; a quote toggles inside and outside.
void BlankEntfernen(std::string& p) {
    bool innen = false;
    size_t ziel = 0;
    for (const char c : p) {
        if (c == '\'') innen = !innen;
        if (c != ' ' || innen) p[ziel++] = c;
    }
    p.resize(ziel);
}

} // namespace

void TAnweisung::Zerlegen(std::string_view Zeile) {
    Befehl.clear();
    for (auto& p : Parameter)
        p.clear();
    Anzahl = 0;
    const size_t n = Zeile.size();
    size_t i = 0;
    while (i < n && Zeile[i] == ' ')
        ++i;
    if (i < n && Zeile[i] == '/') return;
    const size_t anfang = i;
    while (i < n && !Befehlsende(Zeile[i]))
        ++i;
    Befehl.assign(Zeile.substr(anfang, i - anfang));
    if (i < n) ++i;
    while (i < n && Zwischenzeichen(Zeile[i]))
        ++i;
    for (int k = 0; k < MaxParameter; ++k) {
        std::string& p = Parameter[k];
        int quotes = 0;
        const size_t start = i;
        for (; i < n; ++i) {
            const char c = Zeile[i];
            if (quotes != 1 && Parameterende(c)) break;
            if (c == '\'') ++quotes;
        }
        p.assign(Zeile.substr(start, i - start));
        if (i < n) ++i;
        BlankEntfernen(p);
        if (!p.empty()) Anzahl = k + 1;
    }
}
