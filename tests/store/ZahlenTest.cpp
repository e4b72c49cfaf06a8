#include "store/Zahlen.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>

namespace {

constexpr std::nullopt_t kein = std::nullopt;
using Z = std::optional<int64_t>;

// One row per text; one column per variant. Feldwert reads "no number" as 0, Ziffern is
// asked for one to five digits.
struct TFall {
    std::string Text;
    Z Genau, MitVorzeichen, NachLeerzeichen, Umrahmt;
    int32_t Feldwert;
    Z Ziffern;
};

// clang-format off
const TFall Faelle[] = {
    // text                 Genau        MitVorzeichen NachLeerzeichen Umrahmt      Feldwert     Ziffern
    {"42",                    42,          42,           42,             42,          42,          42},
    {"007",                   7,           7,            7,              7,           7,           7},
    {"",                      kein,        kein,         kein,           kein,        0,           kein},
    {"-42",                   -42,         -42,          -42,            -42,         -42,         kein},
    {"+42",                   kein,        42,           kein,           42,          42,          kein},
    {"-",                     kein,        kein,         kein,           kein,        0,           kein},
    {"+",                     kein,        kein,         kein,           kein,        0,           kein},
    {"+-5",                   kein,        kein,         kein,           kein,        0,           kein},
    {"--5",                   kein,        kein,         kein,           kein,        0,           kein},
    {" 42",                   kein,        kein,         42,             42,          42,          kein},
    {"\t42",                  kein,        kein,         kein,           42,          42,          kein},
    {"42 ",                   kein,        kein,         kein,           42,          0,           kein},
    {" 42\t",                 kein,        kein,         kein,           42,          0,           kein},
    {"   ",                   kein,        kein,         kein,           kein,        0,           kein},
    {"- 4",                   kein,        kein,         kein,           kein,        0,           kein},
    {"4 2",                   kein,        kein,         kein,           kein,        0,           kein},
    {"42x",                   kein,        kein,         kein,           kein,        0,           kein},
    {"x42",                   kein,        kein,         kein,           kein,        0,           kein},
    {"0x1A",                  kein,        kein,         kein,           kein,        0,           kein},
    {"4.5",                   kein,        kein,         kein,           kein,        0,           kein},
    {"2147483647",            2147483647,  2147483647,   2147483647,     2147483647,  2147483647,  kein},
    {"2147483648",            kein,        kein,         kein,           kein,        0,           kein},
    {"-2147483648",           -2147483648, -2147483648,  -2147483648,    -2147483648, INT32_MIN,   kein},
    {"-2147483649",           kein,        kein,         kein,           kein,        0,           kein},
    {"99999999999999999999",  kein,        kein,         kein,           kein,        0,           kein},
    {"12345",                 12345,       12345,        12345,          12345,       12345,       12345},
    {"123456",                123456,      123456,       123456,         123456,      123456,      kein},
};
// clang-format on

TEST(Zahlen, JedeVarianteNachIhrerRegel) {
    for (const TFall& f : Faelle) {
        SCOPED_TRACE("\"" + f.Text + "\"");
        EXPECT_EQ(Z(Zahlen::Genau(f.Text)), f.Genau);
        EXPECT_EQ(Z(Zahlen::MitVorzeichen(f.Text)), f.MitVorzeichen);
        EXPECT_EQ(Z(Zahlen::NachLeerzeichen(f.Text)), f.NachLeerzeichen);
        EXPECT_EQ(Z(Zahlen::Umrahmt(f.Text)), f.Umrahmt);
        EXPECT_EQ(Zahlen::Feldwert(f.Text), f.Feldwert);
        EXPECT_EQ(Zahlen::Ziffern(f.Text, 1, 5), f.Ziffern);
    }
}

// The wide variant keeps the 64-bit range, and the digit count of Ziffern has both bounds.
TEST(Zahlen, GrenzenDerBreitenUndDerZiffernvariante) {
    EXPECT_EQ(Zahlen::MitVorzeichen64("-9223372036854775808"), INT64_MIN);
    EXPECT_EQ(Zahlen::MitVorzeichen64("+9223372036854775807"), INT64_MAX);
    EXPECT_EQ(Zahlen::MitVorzeichen64("9223372036854775808"), kein);
    EXPECT_EQ(Zahlen::MitVorzeichen64("-2147483649"), -2147483649LL);
    EXPECT_EQ(Zahlen::Ziffern("2026", 4, 4), 2026);
    EXPECT_EQ(Zahlen::Ziffern("026", 4, 4), kein);
    EXPECT_EQ(Zahlen::Ziffern("7", 1, 2), 7);
    EXPECT_EQ(Zahlen::Ziffern("", 0, 2), kein);
}

} // namespace
