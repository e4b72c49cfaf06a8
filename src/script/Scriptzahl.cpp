#include "script/Scriptzahl.h"

namespace {

int Ziffernwert(char c, int Basis) {
    int w = -1;
    if (c >= '0' && c <= '9')
        w = c - '0';
    else if (c >= 'a' && c <= 'f')
        w = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F')
        w = c - 'A' + 10;
    return w < Basis ? w : -1;
}

unsigned char Klein(unsigned char c) {
    if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7))
        return static_cast<unsigned char>(c + 0x20);
    return c;
}

} // namespace

std::optional<int32_t> ScriptZahl(std::string_view Text) {
    size_t i = 0;
    bool negativ = false;
    if (i < Text.size() && (Text[i] == '+' || Text[i] == '-')) negativ = Text[i++] == '-';
    int basis = 10;
    if (i < Text.size() && Text[i] == '$') {
        basis = 16;
        ++i;
    }
    if (i == Text.size()) return std::nullopt;
    int64_t wert = 0;
    for (; i < Text.size(); ++i) {
        const int z = Ziffernwert(Text[i], basis);
        if (z < 0) return std::nullopt;
        wert = wert * basis + z;
        if (wert > 0xFFFFFFFFLL) return std::nullopt;
    }
    // A hexadecimal number names the 32 bits themselves ("$FFFFFFFF" is -1).
    if (basis == 16 && wert > INT32_MAX) wert -= 0x100000000LL;
    if (negativ) wert = -wert;
    if (wert < INT32_MIN || wert > INT32_MAX) return std::nullopt;
    return static_cast<int32_t>(wert);
}

std::string Kleinschreibung(std::string_view Text) {
    std::string s(Text);
    for (char& c : s)
        c = static_cast<char>(Klein(static_cast<unsigned char>(c)));
    return s;
}

bool GleichOhneGrossKlein(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (Klein(static_cast<unsigned char>(a[i])) != Klein(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}
