#pragma once
// The inline markup of lesson texts: cutting a text into tokens, replacing the placeholders
// in them, and what each token means when the text is drawn. Text is Windows-1252 here.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// What a token does when the text is drawn.
enum class TTokenart {
    Wort,          // drawn as it is
    Leerzeichen,   // a single space
    Zeilenumbruch, // CR LF
    Fett,          // {f}
    Kursiv,        // {k}
    Unterstrichen, // {u}
    Normal,        // {n}: back to the base font
    Farbe,         // a colour word such as {rot}
};

struct TToken {
    std::string Text; // after the placeholders were replaced
    TTokenart Art = TTokenart::Wort;
    int32_t Farbe = 0; // colour words: the lesson colour 0x00BBGGRR
};

// Where the values of the three placeholder forms come from. Each gets the number n; the
// data record and the object contents answer nothing when there is no such record or
// object, and the token then stays as written.
struct TPlatzhalterquellen {
    std::function<std::string(int32_t Nr)> Systemwert;                  // {n}
    std::function<std::optional<std::string>(int32_t Nr)> Datensatz;    // @n@
    std::function<std::optional<std::string>(int32_t Nr)> Objektinhalt; // <n>
};

// Cuts `Text` into tokens from left to right. A token ends before a carriage return, a
// space or "{", or as soon as it is a markup word (a space, CR LF, {f}, {k}, {u}, {n} or a
// colour word). Placeholders are replaced in each token as it is cut.
std::vector<TToken> TextZerlegen(std::string_view Text, const TPlatzhalterquellen& Quellen);

// The meaning of a token's text; markup is matched exactly, case-sensitively.
TToken TokenDeuten(std::string Text);

// A placeholder {n}, @n@ or <n> with n a number other than 0, optionally followed by one
// character that is kept after the replacement; anything else is left as it is.
std::string PlatzhalterErsetzen(const std::string& Token, const TPlatzhalterquellen& Quellen);
