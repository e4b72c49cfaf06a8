// Lesson texts are cut into tokens; placeholders in them are replaced once, as they are cut.

#include "objects/texte/Textzerlegung.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace {

std::vector<std::string> Texte(const std::vector<TToken>& Tokens) {
    std::vector<std::string> texte;
    for (const TToken& t : Tokens)
        texte.push_back(t.Text);
    return texte;
}

TPlatzhalterquellen Quellen() {
    TPlatzhalterquellen q;
    q.Systemwert = [](int32_t Nr) { return "S" + std::to_string(Nr); };
    q.Datensatz = [](int32_t Nr) -> std::optional<std::string> {
        if (Nr == 1) return std::string("7");
        return std::nullopt;
    };
    q.Objektinhalt = [](int32_t Nr) -> std::optional<std::string> {
        if (Nr == 3) return std::string("Eingabe");
        return std::nullopt;
    };
    return q;
}

struct TZerlegungsfall {
    const char* Text;
    std::vector<std::string> Tokens;
};

class Zerlegung : public ::testing::TestWithParam<TZerlegungsfall> {};

TEST_P(Zerlegung, Tokens) {
    EXPECT_EQ(Texte(TextZerlegen(GetParam().Text, Quellen())), GetParam().Tokens)
        << GetParam().Text;
}

INSTANTIATE_TEST_SUITE_P(
    Texte, Zerlegung,
    ::testing::Values(TZerlegungsfall{"Ein  Wort", {"Ein", " ", " ", "Wort"}},
                      TZerlegungsfall{"{f}fett{n} normal", {"{f}", "fett", "{n}", " ", "normal"}},
                      TZerlegungsfall{"{f}{k}x", {"{f}", "{k}", "x"}},
                      TZerlegungsfall{"a\r\nb\r\n\r\n", {"a", "\r\n", "b", "\r\n", "\r\n"}},
                      TZerlegungsfall{"a\nb", {"a\nb"}},
                      TZerlegungsfall{"{rot}rot{gr\xFCn}gr\xFCn",
                                      {"{rot}", "rot", "{gr\xFCn}", "gr\xFCn"}},
                      TZerlegungsfall{"{Rot}x {fett}y", {"{Rot}x", " ", "{fett}y"}},
                      TZerlegungsfall{"Preis:{12}.", {"Preis:", "S12."}},
                      TZerlegungsfall{"{12}", {"S12"}}, TZerlegungsfall{"{12}..", {"{12}.."}},
                      TZerlegungsfall{"{0}", {"{0}"}}, TZerlegungsfall{"{}", {"{}"}},
                      TZerlegungsfall{"{x1}", {"{x1}"}}, TZerlegungsfall{"@1@", {"7"}},
                      TZerlegungsfall{"@1@!", {"7!"}}, TZerlegungsfall{"@5@", {"@5@"}},
                      TZerlegungsfall{"@0@", {"@0@"}}, TZerlegungsfall{"<3>,", {"Eingabe,"}},
                      TZerlegungsfall{"<4>", {"<4>"}}, TZerlegungsfall{"@@", {"@@"}},
                      TZerlegungsfall{"", {}}));

TEST(Tokenarten, MarkupUndFarben) {
    const auto tokens = TextZerlegen("{u}a {n}\r\n{wei\xDF}{hellblau}{k}{f}", {});
    const std::vector<TTokenart> arten = {
        TTokenart::Unterstrichen, TTokenart::Wort,          TTokenart::Leerzeichen,
        TTokenart::Normal,        TTokenart::Zeilenumbruch, TTokenart::Farbe,
        TTokenart::Farbe,         TTokenart::Kursiv,        TTokenart::Fett};
    ASSERT_EQ(tokens.size(), arten.size());
    for (size_t i = 0; i < arten.size(); ++i)
        EXPECT_EQ(tokens[i].Art, arten[i]) << i;
    EXPECT_EQ(tokens[5].Farbe, 0xFFFFFF);
    EXPECT_EQ(tokens[6].Farbe, 0xFFFF00);
}

TEST(Tokenarten, DieSechzehnFarbwoerter) {
    const std::map<std::string, int32_t> farben = {
        {"{schwarz}", 0},        {"{grau}", 0x808080},        {"{hellgrau}", 0xC0C0C0},
        {"{wei\xDF}", 0xFFFFFF}, {"{rot}", 0x000080},         {"{hellrot}", 0x0000FF},
        {"{gr\xFCn}", 0x008000}, {"{hellgr\xFCn}", 0x00FF00}, {"{dunkelblau}", 0x800000},
        {"{blau}", 0xFF0000},    {"{violett}", 0x800080},     {"{hellviolett}", 0xFF00FF},
        {"{gelb}", 0x00FFFF},    {"{blaugr\xFCn}", 0x808000}, {"{oliv}", 0x008080},
        {"{hellblau}", 0xFFFF00}};
    for (const auto& [wort, farbe] : farben) {
        const TToken t = TokenDeuten(wort);
        EXPECT_EQ(t.Art, TTokenart::Farbe) << wort;
        EXPECT_EQ(t.Farbe, farbe) << wort;
    }
}

TEST(Platzhalter, OhneQuellenIstDerSystemwertLeer) {
    EXPECT_EQ(PlatzhalterErsetzen("{12}.", {}), ".");
    EXPECT_EQ(PlatzhalterErsetzen("@3@", {}), "@3@");
}

} // namespace
