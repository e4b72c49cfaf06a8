#include "vlmtab/Tabellenwert.h"

#include "store/Zeichensatz.h"

#include <cstdio>

namespace vlmtab {

namespace {

std::string Codepunkt(uint32_t cp) {
    char puffer[16];
    std::snprintf(puffer, sizeof puffer, "U+%04X", cp);
    return puffer;
}

// Length of the UTF-8 sequence that starts with `b`; 0 for a byte that starts none.
size_t Sequenzlaenge(unsigned char b) {
    if (b < 0x80) return 1;
    if ((b & 0xE0) == 0xC0) return 2;
    if ((b & 0xF0) == 0xE0) return 3;
    if ((b & 0xF8) == 0xF0) return 4;
    return 0;
}

uint32_t CodepunktAus(std::string_view Sequenz) {
    static constexpr unsigned char Maske[] = {0, 0x7F, 0x1F, 0x0F, 0x07};
    uint32_t cp = static_cast<unsigned char>(Sequenz[0]) & Maske[Sequenz.size()];
    for (size_t k = 1; k < Sequenz.size(); ++k)
        cp = (cp << 6) | (static_cast<unsigned char>(Sequenz[k]) & 0x3F);
    return cp;
}

// Why `Utf8`, which Utf8NachAnsi refused, cannot become a table value.
std::string Ablehnungsgrund(std::string_view Utf8) {
    for (size_t i = 0; i < Utf8.size();) {
        const size_t n = Sequenzlaenge(static_cast<unsigned char>(Utf8[i]));
        const std::string_view sequenz = Utf8.substr(i, n);
        if (n == 0 || sequenz.size() < n || !Utf8NachAnsi(sequenz)) {
            char puffer[64];
            std::snprintf(puffer, sizeof puffer, "is not valid UTF-8 (byte 0x%02X at byte %zu)",
                          static_cast<unsigned char>(Utf8[i]), i + 1);
            bool gueltig = n > 0 && sequenz.size() == n;
            for (size_t k = 1; gueltig && k < n; ++k)
                gueltig = (static_cast<unsigned char>(sequenz[k]) & 0xC0) == 0x80;
            if (!gueltig) return puffer;
            const uint32_t cp = CodepunktAus(sequenz);
            static constexpr uint32_t Mindest[] = {0, 0, 0x80, 0x800, 0x10000};
            if (cp < Mindest[n] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return puffer;
            return "holds " + Codepunkt(cp) + " '" + std::string(sequenz) +
                   "', which Windows-1252 cannot hold";
        }
        i += n;
    }
    return "is not valid UTF-8";
}

} // namespace

std::optional<std::string> AnsiAusUtf8(std::string_view Utf8, std::string& Grund) {
    std::optional<std::string> ansi = Utf8NachAnsi(Utf8);
    if (!ansi) Grund = Ablehnungsgrund(Utf8);
    return ansi;
}

std::optional<std::string> TabellenwertAusUtf8(std::string_view Utf8, std::string& Grund) {
    std::optional<std::string> ansi = AnsiAusUtf8(Utf8, Grund);
    if (!ansi) return std::nullopt;
    for (const char c : *ansi) {
        if (c == '\0' || c == '\x1B') {
            Grund = "holds " + Codepunkt(static_cast<unsigned char>(c)) +
                    ", which marks the end of a value or record and cannot be part of one";
            return std::nullopt;
        }
    }
    return ansi;
}

} // namespace vlmtab
