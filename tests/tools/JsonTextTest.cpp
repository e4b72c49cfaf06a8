// The JSON that vlmtab writes itself and the key order it recovers from a source.

#include "vlmtab/JsonText.h"

#include <gtest/gtest.h>

namespace {

TEST(JsonText, ZeichenkettenWerdenMaskiert) {
    EXPECT_EQ(vlmtab::JsonZeichenkette(""), "\"\"");
    EXPECT_EQ(vlmtab::JsonZeichenkette("a\"b\\c/d"), "\"a\\\"b\\\\c/d\"");
    EXPECT_EQ(vlmtab::JsonZeichenkette("\b\f\n\r\t"), "\"\\b\\f\\n\\r\\t\"");
    EXPECT_EQ(vlmtab::JsonZeichenkette(std::string("\0\x01\x1B\x1F ", 5)),
              "\"\\u0000\\u0001\\u001b\\u001f \"");
    EXPECT_EQ(vlmtab::JsonZeichenkette("\x7F\u00e4\u20ac"), "\"\x7F\u00e4\u20ac\"");
}

TEST(JsonText, DumpzeileDekodiertWindows1252) {
    EXPECT_EQ(vlmtab::Dumpzeile(-3, 100, {}), "{\"nr\":-3,\"offset\":100,\"values\":[]}");
    EXPECT_EQ(vlmtab::Dumpzeile(2147483647, 65536, {"\xC4\xD6\xDC", "", "\x80\x9F"}),
              "{\"nr\":2147483647,\"offset\":65536,\"values\":[\"\u00c4\u00d6\u00dc\",\"\","
              "\"\u20ac\u0178\"]}");
}

TEST(JsonText, SchluesselfolgenBehaltenDieQuellreihenfolge) {
    const auto folgen = vlmtab::SchluesselfolgenLesen(
        R"( {"z": 1, "a": {"y": [1, {"q": "}", "p\"": 2}], "x": null}, "m\u00e4/~": {}, "z": 2} )");
    EXPECT_EQ(folgen.at(""), (std::vector<std::string>{"z", "a", "m\u00e4/~", "z"}));
    EXPECT_EQ(folgen.at("/a"), (std::vector<std::string>{"y", "x"}));
    EXPECT_EQ(folgen.at("/a/y/1"), (std::vector<std::string>{"q", "p\""}));
    EXPECT_EQ(folgen.at("/m\u00e4~1~0"), std::vector<std::string>{});
    EXPECT_EQ(vlmtab::PfadMit("/a", "b/c~"), "/a/b~1c~0");
    EXPECT_EQ(vlmtab::PfadMit("/a", size_t{3}), "/a/3");
}

} // namespace
