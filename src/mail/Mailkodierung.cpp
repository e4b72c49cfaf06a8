#include "mail/Mailkodierung.h"

#include "store/Zeichensatz.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <ctime>

namespace {

// Longest piece of UTF-8 in one encoded-word: 39 bytes give 52 base64 characters, so a word
// stays within 64 characters and a header line holding one within the 76 the standard allows.
constexpr size_t StueckLaenge = 39;

bool IstFolgebyte(unsigned char b) {
    return (b & 0xC0) == 0x80;
}

// Length of the well-formed UTF-8 sequence at `i`, 0 when it is malformed, overlong, a
// surrogate or beyond the last code point.
size_t SequenzLaenge(std::string_view s, size_t i) {
    const auto b0 = static_cast<unsigned char>(s[i]);
    if (b0 < 0x80) return 1;
    size_t laenge;
    uint32_t cp;
    uint32_t kleinster;
    if ((b0 & 0xE0) == 0xC0) {
        laenge = 2, cp = b0 & 0x1F, kleinster = 0x80;
    } else if ((b0 & 0xF0) == 0xE0) {
        laenge = 3, cp = b0 & 0x0F, kleinster = 0x800;
    } else if ((b0 & 0xF8) == 0xF0) {
        laenge = 4, cp = b0 & 0x07, kleinster = 0x10000;
    } else {
        return 0;
    }
    if (i + laenge > s.size()) return 0;
    for (size_t k = 1; k < laenge; ++k) {
        const auto b = static_cast<unsigned char>(s[i + k]);
        if (!IstFolgebyte(b)) return 0;
        cp = (cp << 6) | (b & 0x3F);
    }
    if (cp < kleinster || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
    return laenge;
}

std::string Base64(std::string_view Bytes) {
    static constexpr char Alphabet[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string Ergebnis;
    size_t i = 0;
    for (; i + 2 < Bytes.size(); i += 3) {
        const uint32_t n = static_cast<unsigned char>(Bytes[i]) << 16 |
                           static_cast<unsigned char>(Bytes[i + 1]) << 8 |
                           static_cast<unsigned char>(Bytes[i + 2]);
        for (int k = 18; k >= 0; k -= 6)
            Ergebnis += Alphabet[(n >> k) & 0x3F];
    }
    const size_t rest = Bytes.size() - i;
    if (rest > 0) {
        uint32_t n = static_cast<unsigned char>(Bytes[i]) << 16;
        if (rest == 2) n |= static_cast<unsigned char>(Bytes[i + 1]) << 8;
        Ergebnis += Alphabet[(n >> 18) & 0x3F];
        Ergebnis += Alphabet[(n >> 12) & 0x3F];
        Ergebnis += rest == 2 ? Alphabet[(n >> 6) & 0x3F] : '=';
        Ergebnis += '=';
    }
    return Ergebnis;
}

std::string Kodierwoerter(std::string_view Utf8) {
    std::string Ergebnis;
    size_t i = 0;
    while (i < Utf8.size()) {
        size_t ende = std::min(i + StueckLaenge, Utf8.size());
        while (ende < Utf8.size() && ende > i + 1 && IstFolgebyte(Utf8[ende]))
            --ende;
        if (!Ergebnis.empty()) Ergebnis += "\r\n ";
        Ergebnis += "=?UTF-8?B?" + Base64(Utf8.substr(i, ende - i)) + "?=";
        i = ende;
    }
    return Ergebnis;
}

// A decoder would take "=?" in plain text for the start of an encoded-word, and a very long
// line would break the standard's line limit: both go out encoded.
bool BrauchtKodierung(std::string_view Wert) {
    return !IstAscii(Wert) || Wert.find("=?") != std::string_view::npos || Wert.size() > 900;
}

bool IstAttributzeichen(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
           std::string_view("!#$&+-.^_`|~").find(static_cast<char>(c)) != std::string_view::npos;
}

std::string Trimmen(std::string s) {
    const auto anfang = s.find_first_not_of(' ');
    if (anfang == std::string::npos) return {};
    const auto ende = s.find_last_not_of(' ');
    return s.substr(anfang, ende - anfang + 1);
}

} // namespace

bool IstAscii(std::string_view Text) {
    for (const char c : Text)
        if (static_cast<unsigned char>(c) >= 0x80) return false;
    return true;
}

bool IstUtf8(std::string_view Text) {
    for (size_t i = 0; i < Text.size();) {
        const size_t laenge = SequenzLaenge(Text, i);
        if (laenge == 0) return false;
        i += laenge;
    }
    return true;
}

std::string AlsUtf8(std::string_view Text) {
    return IstUtf8(Text) ? std::string(Text) : AnsiNachUtf8(Text);
}

std::string KopfwertBereinigen(std::string_view Wert) {
    std::string Ergebnis;
    for (const char c : AlsUtf8(Wert)) {
        const auto b = static_cast<unsigned char>(c);
        if (b == '\t')
            Ergebnis += ' ';
        else if (b >= 0x20 && b != 0x7F)
            Ergebnis += c;
    }
    return Trimmen(std::move(Ergebnis));
}

std::string AdresseBereinigen(std::string_view Adresse) {
    std::string Ergebnis;
    for (const char c : KopfwertBereinigen(Adresse))
        if (c != '<' && c != '>' && c != ' ') Ergebnis += c;
    return Ergebnis;
}

std::string KopfwertKodieren(std::string_view Wert) {
    const std::string sauber = KopfwertBereinigen(Wert);
    return BrauchtKodierung(sauber) ? Kodierwoerter(sauber) : sauber;
}

std::string AdresseFormatieren(std::string_view Name, std::string_view Adresse) {
    const std::string name = KopfwertBereinigen(Name);
    const std::string adresse = AdresseBereinigen(Adresse);
    if (name.empty()) return adresse;
    if (BrauchtKodierung(name)) return Kodierwoerter(name) + " <" + adresse + ">";
    std::string zitiert = "\"";
    for (const char c : name) {
        if (c == '"' || c == '\\') zitiert += '\\';
        zitiert += c;
    }
    return zitiert + "\" <" + adresse + ">";
}

std::string AnlageKopf(std::string_view Dateiname) {
    const std::string name = KopfwertBereinigen(Dateiname);
    if (name.empty()) return "Content-Disposition: attachment";
    if (IstAscii(name) && name.find_first_of("\"\\") == std::string::npos)
        return "Content-Disposition: attachment; filename=\"" + name + "\"";
    std::string kodiert;
    for (const char c : name) {
        const auto b = static_cast<unsigned char>(c);
        if (IstAttributzeichen(b)) {
            kodiert += c;
        } else {
            char hex[4];
            std::snprintf(hex, sizeof hex, "%%%02X", b);
            kodiert += hex;
        }
    }
    return "Content-Disposition: attachment; filename*=UTF-8''" + kodiert;
}

std::string DatumFormatieren(std::chrono::system_clock::time_point Zeitpunkt) {
    static constexpr std::array<const char*, 7> Tage = {"Sun", "Mon", "Tue", "Wed",
                                                        "Thu", "Fri", "Sat"};
    static constexpr std::array<const char*, 12> Monate = {
        "Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    const std::time_t t = std::chrono::system_clock::to_time_t(Zeitpunkt);
    std::tm ortszeit{};
    localtime_r(&t, &ortszeit);
    const long versatz = ortszeit.tm_gmtoff / 60;
    const long betrag = versatz < 0 ? -versatz : versatz;
    char text[64];
    std::snprintf(text, sizeof text, "%s, %02d %s %04d %02d:%02d:%02d %c%02ld%02ld",
                  Tage[ortszeit.tm_wday], ortszeit.tm_mday, Monate[ortszeit.tm_mon],
                  ortszeit.tm_year + 1900, ortszeit.tm_hour, ortszeit.tm_min, ortszeit.tm_sec,
                  versatz < 0 ? '-' : '+', betrag / 60, betrag % 60);
    return text;
}
