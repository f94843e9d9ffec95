#include "common/text.h"

#include <gtest/gtest.h>

namespace tavrel {
namespace {

TEST(Text, TrimLeavesInnerBlanksAndOnlyTheGivenCharacters) {
    EXPECT_EQ(Trim("  COM3 \r\n"), "COM3");
    EXPECT_EQ(Trim(" a b\t"), "a b");
    EXPECT_EQ(Trim(" \t\r\n"), "");
    EXPECT_EQ(Trim("\tx ", " "), "\tx");
}

TEST(Text, CaseChangesOnlyAsciiLetters) {
    // Windows-1252 bytes above 127 ("é" is E9) must come through as they were.
    EXPECT_EQ(ToLower("LPT1 \xC9t\xE9"), "lpt1 \xC9t\xE9");
    EXPECT_EQ(ToUpper("fireComm3 \xE9"), "FIRECOMM3 \xE9");
    EXPECT_TRUE(EqualsNoCase("All Days", "ALL DAYS"));
    EXPECT_FALSE(EqualsNoCase("\xE9", "\xC9"));
    EXPECT_FALSE(EqualsNoCase("PM", "PMx"));
    EXPECT_TRUE(StartsWithNoCase("FireCOMM3", "firecomm"));
    EXPECT_FALSE(StartsWithNoCase("Fire", "FireCOMM"));
}

TEST(Text, HexBothWays) {
    EXPECT_EQ(HexText(0x2A0), "2A0");
    EXPECT_EQ(HexText(0), "0");
    EXPECT_EQ(HexText(3, 2), "03");
    EXPECT_EQ(HexText(0xFFFFFFFFu), "FFFFFFFF");
    EXPECT_EQ(ParseHex("2a0"), 0x2A0u);
    EXPECT_EQ(ParseHex("FFFFFFFF"), 0xFFFFFFFFu);
    for (const char* bad : {"", "0x2A0", "12G", "123456789", " 1"})
        EXPECT_FALSE(ParseHex(bad).has_value()) << bad;
}

} // namespace
} // namespace tavrel
