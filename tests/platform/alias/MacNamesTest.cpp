#include "platform/alias/MacNames.h"

#include <gtest/gtest.h>

using alias::DiskName;
using alias::MacJapaneseName;

TEST(MacNames, DiskNamesBecomeComposedMacJapanese) {
    EXPECT_EQ(MacJapaneseName("Documents", 63), "Documents");
    EXPECT_EQ(MacJapaneseName("書類", 63), "\x8F\x91\x97\xDE");
    // "ガ" as a Mac disk stores it: "カ" and the combining voiced mark.
    EXPECT_EQ(MacJapaneseName("\xE3\x82\xAB\xE3\x82\x99", 63), "\x83\x4B");
    EXPECT_EQ(MacJapaneseName("a:b", 63), "a/b");
    EXPECT_EQ(MacJapaneseName("¥100", 63), "\x5C"
                                           "100");
}

TEST(MacNames, NamesMacJapaneseCannotHoldAreRefused) {
    EXPECT_FALSE(MacJapaneseName("한글", 63));
    EXPECT_FALSE(MacJapaneseName("😀", 63));
    EXPECT_FALSE(MacJapaneseName(std::string(64, 'x'), 63));
    EXPECT_TRUE(MacJapaneseName(std::string(63, 'x'), 63));
    EXPECT_FALSE(MacJapaneseName("書類", 3)); // four bytes in Mac Japanese
}

TEST(MacNames, MacNamesBecomeDiskNames) {
    EXPECT_EQ(DiskName(std::string_view("\x8F\x91\x97\xDE")), "書類");
    EXPECT_EQ(DiskName(std::string_view("a/b")), "a:b");
    EXPECT_EQ(DiskName(std::u16string_view(u"x/y")), "x:y");
}
