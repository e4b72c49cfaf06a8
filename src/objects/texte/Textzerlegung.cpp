#include "objects/texte/Textzerlegung.h"

#include "store/Zahlen.h"

namespace {

struct TFarbwort {
    std::string_view Wort;
    int32_t Farbe;
};

// Colour words are Windows-1252 text ("weiß", "grün").
constexpr TFarbwort Farbwoerter[] = {
    {"{schwarz}", 0x000000},  {"{grau}", 0x808080},        {"{hellgrau}", 0xC0C0C0},
    {"{wei\xDF}", 0xFFFFFF},  {"{rot}", 0x000080},         {"{hellrot}", 0x0000FF},
    {"{gr\xFCn}", 0x008000},  {"{hellgr\xFCn}", 0x00FF00}, {"{dunkelblau}", 0x800000},
    {"{blau}", 0xFF0000},     {"{violett}", 0x800080},     {"{hellviolett}", 0xFF00FF},
    {"{gelb}", 0x00FFFF},     {"{blaugr\xFCn}", 0x808000}, {"{oliv}", 0x008080},
    {"{hellblau}", 0xFFFF00},
};

std::optional<int32_t> Farbwort(std::string_view Text) {
    for (const TFarbwort& f : Farbwoerter)
        if (f.Wort == Text) return f.Farbe;
    return std::nullopt;
}

bool IstMarkupwort(std::string_view Text) {
    if (Text == " " || Text == "\r\n") return true;
    if (Text.size() < 3 || Text.front() != '{' || Text.back() != '}') return false;
    return Text == "{f}" || Text == "{k}" || Text == "{u}" || Text == "{n}" ||
           Farbwort(Text).has_value();
}

bool EndetDavor(char Zeichen) {
    return Zeichen == '\r' || Zeichen == ' ' || Zeichen == '{';
}

// A number other than 0, with an optional sign; nothing for anything else.
std::optional<int32_t> Nummer(std::string_view Innen) {
    const auto nr = Zahlen::MitVorzeichen(Innen);
    return nr == 0 ? std::nullopt : nr;
}

// The number of a placeholder with these marks and the character after it ("" when none).
std::optional<int32_t> Platzhalter(std::string_view Token, char Auf, char Zu,
                                   std::string_view& Rest) {
    if (Token.size() <= 2 || Token.front() != Auf) return std::nullopt;
    if (Token.back() == Zu) {
        if (auto nr = Nummer(Token.substr(1, Token.size() - 2))) {
            Rest = {};
            return nr;
        }
    }
    if (Token[Token.size() - 2] == Zu) {
        if (auto nr = Nummer(Token.substr(1, Token.size() - 3))) {
            Rest = Token.substr(Token.size() - 1);
            return nr;
        }
    }
    return std::nullopt;
}

} // namespace

TToken TokenDeuten(std::string Text) {
    TToken t;
    if (Text == " ")
        t.Art = TTokenart::Leerzeichen;
    else if (Text == "\r\n")
        t.Art = TTokenart::Zeilenumbruch;
    else if (Text == "{f}")
        t.Art = TTokenart::Fett;
    else if (Text == "{k}")
        t.Art = TTokenart::Kursiv;
    else if (Text == "{u}")
        t.Art = TTokenart::Unterstrichen;
    else if (Text == "{n}")
        t.Art = TTokenart::Normal;
    else if (const auto farbe =
                 Text.size() > 2 && Text.front() == '{' ? Farbwort(Text) : std::nullopt) {
        t.Art = TTokenart::Farbe;
        t.Farbe = *farbe;
    }
    t.Text = std::move(Text);
    return t;
}

std::string PlatzhalterErsetzen(const std::string& Token, const TPlatzhalterquellen& Quellen) {
    std::string_view rest;
    if (const auto nr = Platzhalter(Token, '{', '}', rest))
        return (Quellen.Systemwert ? Quellen.Systemwert(*nr) : std::string()) + std::string(rest);
    if (const auto nr = Platzhalter(Token, '@', '@', rest)) {
        const auto inhalt = Quellen.Datensatz ? Quellen.Datensatz(*nr) : std::nullopt;
        return inhalt ? *inhalt + std::string(rest) : Token;
    }
    if (const auto nr = Platzhalter(Token, '<', '>', rest)) {
        const auto inhalt = Quellen.Objektinhalt ? Quellen.Objektinhalt(*nr) : std::nullopt;
        return inhalt ? *inhalt + std::string(rest) : Token;
    }
    return Token;
}

std::vector<TToken> TextZerlegen(std::string_view Text, const TPlatzhalterquellen& Quellen) {
    std::vector<TToken> tokens;
    size_t i = 0;
    while (i < Text.size()) {
        const size_t anfang = i++;
        while (i < Text.size() && !EndetDavor(Text[i]) &&
               !IstMarkupwort(Text.substr(anfang, i - anfang)))
            ++i;
        const std::string token(Text.substr(anfang, i - anfang));
        tokens.push_back(
            TokenDeuten(IstMarkupwort(token) ? token : PlatzhalterErsetzen(token, Quellen)));
    }
    return tokens;
}
