#include "store/Zeichensatz.h"

#include <array>
#include <cstdint>

namespace {

// Code points of 0x80..0x9F; the undefined five keep their C1 code.
constexpr std::array<uint16_t, 32> Bereich80 = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

uint32_t Codepunkt(unsigned char c) {
    return c >= 0x80 && c < 0xA0 ? Bereich80[c - 0x80] : c;
}

void Utf8Anhaengen(std::string& Ziel, uint32_t cp) {
    if (cp < 0x80) {
        Ziel += static_cast<char>(cp);
    } else if (cp < 0x800) {
        Ziel += static_cast<char>(0xC0 | (cp >> 6));
        Ziel += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        Ziel += static_cast<char>(0xE0 | (cp >> 12));
        Ziel += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        Ziel += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

int AnsiVonCodepunkt(uint32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<int>(cp);
    for (int i = 0; i < 32; ++i)
        if (Bereich80[i] == cp) return 0x80 + i;
    return -1;
}

// Decodes one UTF-8 sequence at `i`; -1 for a malformed one. Advances `i`.
int64_t Dekodieren(std::string_view s, size_t& i) {
    const auto b0 = static_cast<unsigned char>(s[i]);
    int laenge;
    uint32_t cp;
    if (b0 < 0x80) {
        ++i;
        return b0;
    } else if ((b0 & 0xE0) == 0xC0) {
        laenge = 2;
        cp = b0 & 0x1F;
    } else if ((b0 & 0xF0) == 0xE0) {
        laenge = 3;
        cp = b0 & 0x0F;
    } else if ((b0 & 0xF8) == 0xF0) {
        laenge = 4;
        cp = b0 & 0x07;
    } else {
        return -1;
    }
    if (i + laenge > s.size()) return -1;
    for (int k = 1; k < laenge; ++k) {
        const auto b = static_cast<unsigned char>(s[i + k]);
        if ((b & 0xC0) != 0x80) return -1;
        cp = (cp << 6) | (b & 0x3F);
    }
    constexpr uint32_t Mindest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (cp < Mindest[laenge] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return -1;
    i += laenge;
    return cp;
}

template <typename Ersetzen> std::optional<std::string> Umwandeln(std::string_view s, Ersetzen e) {
    std::string Ziel;
    Ziel.reserve(s.size());
    size_t i = 0;
    while (i < s.size()) {
        const int64_t cp = Dekodieren(s, i);
        const int a = cp < 0 ? -1 : AnsiVonCodepunkt(static_cast<uint32_t>(cp));
        if (a >= 0) {
            Ziel += static_cast<char>(a);
            continue;
        }
        if (!e(Ziel)) return std::nullopt;
        if (cp < 0) ++i;
    }
    return Ziel;
}

} // namespace

std::string AnsiNachUtf8(std::string_view Ansi) {
    std::string Ziel;
    Ziel.reserve(Ansi.size() + Ansi.size() / 8);
    for (const char c : Ansi)
        Utf8Anhaengen(Ziel, Codepunkt(static_cast<unsigned char>(c)));
    return Ziel;
}

std::optional<std::string> Utf8NachAnsi(std::string_view Utf8) {
    return Umwandeln(Utf8, [](std::string&) { return false; });
}

std::string Utf8NachAnsiErsetzt(std::string_view Utf8, char Ersatz) {
    return *Umwandeln(Utf8, [Ersatz](std::string& Ziel) {
        Ziel += Ersatz;
        return true;
    });
}
