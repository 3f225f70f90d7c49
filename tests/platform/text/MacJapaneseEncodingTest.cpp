#include "platform/text/String.h"
#include "platform/text/TextEncoding.h"

#include <gtest/gtest.h>

namespace {

std::string ToUTF8(const std::string& macJapanese) {
    return String::FromBytes(macJapanese, Encodings::MacJapanese()).ToUTF8();
}

std::string FromUTF8(std::string_view utf8) {
    return Encodings::MacJapanese()->FromUnicode(Encodings::UTF8()->ToUnicode(utf8));
}

struct Mapping {
    const char* name;
    std::string bytes;
    const char* utf8;
};

void PrintTo(const Mapping& value, std::ostream* out) {
    *out << value.name;
}

class MacJapaneseMappingTest : public testing::TestWithParam<Mapping> {};

TEST_P(MacJapaneseMappingTest, ReadsTheBytes) {
    EXPECT_EQ(ToUTF8(GetParam().bytes), GetParam().utf8);
}

TEST_P(MacJapaneseMappingTest, WritesTheSameBytesBack) {
    EXPECT_EQ(FromUTF8(GetParam().utf8), GetParam().bytes);
}

INSTANTIATE_TEST_SUITE_P(
    Codes, MacJapaneseMappingTest,
    testing::Values(Mapping{"Yen", "\x5C", "¥"}, Mapping{"Backslash", "\x80", "\\"},
                    Mapping{"NoBreakSpace", "\xA0", "\u00A0"}, Mapping{"Copyright", "\xFD", "©"},
                    Mapping{"TradeMark", "\xFE", "™"}, Mapping{"Ellipsis", "\xFF", "…"},
                    Mapping{"Tilde", "\x7E", "~"}, Mapping{"Controls", "\x1A\x7F", "\x1A\x7F"},
                    Mapping{"HalfWidthKatakana", "\xB1\xDF", "ｱﾟ"},
                    Mapping{"Kanji", "\x8A\xBF\x8E\x9A", "漢字"}, Mapping{"Cent", "\x81\x91", "¢"},
                    Mapping{"Pound", "\x81\x92", "£"}, Mapping{"Not", "\x81\xCA", "¬"},
                    Mapping{"WaveDash", "\x81\x60", "\u301C"},
                    Mapping{"FullWidthBackslash", "\x81\x5F", "＼"},
                    Mapping{"TrailByte80", "\x81\x80\x89\x80", "÷園"},
                    Mapping{"Sentence", " \x82\xF0\x83\x52\x83\x73\x81\x5B\x92\x86...",
                            " をコピー中..."}),
    [](const testing::TestParamInfo<Mapping>& info) { return info.param.name; });

struct BadInput {
    const char* name;
    std::string bytes;
    const char* utf8;
};

void PrintTo(const BadInput& value, std::ostream* out) {
    *out << value.name;
}

class MacJapaneseBadInputTest : public testing::TestWithParam<BadInput> {};

TEST_P(MacJapaneseBadInputTest, BecomesReplacementCharacters) {
    EXPECT_EQ(ToUTF8(GetParam().bytes), GetParam().utf8);
}

INSTANTIATE_TEST_SUITE_P(
    Bytes, MacJapaneseBadInputTest,
    testing::Values(BadInput{"LeadByteAtEnd", "a\x82", "a\uFFFD"},
                    BadInput{"LeadByteBeforeSpace", "\x82 b", "\uFFFD b"},
                    BadInput{"LeadByteBeforeYen", "\x82\x1F\x5C", "\uFFFD\x1F¥"},
                    BadInput{"UnassignedPair",
                             "\x85\x40"
                             "A",
                             "\uFFFD"
                             "A"}),
    [](const testing::TestParamInfo<BadInput>& info) { return info.param.name; });

TEST(MacJapaneseEncoding, WritesMissingCharactersAsQuestionMarks) {
    EXPECT_EQ(FromUTF8("a한b"), "a?b");
    EXPECT_EQ(FromUTF8("\xF0\x9F\x98\x80"), "?"); // one character outside the BMP
}

TEST(MacJapaneseEncoding, ReadsEveryByteSequenceWithoutLoss) {
    // Each single byte and each lead byte with each following byte: nothing
    // may be dropped, and what was read must write back to readable bytes.
    for (int lead = 0; lead < 256; ++lead) {
        for (int trail = 0; trail < 256; ++trail) {
            const std::string bytes{static_cast<char>(lead), static_cast<char>(trail)};
            const std::u16string text = Encodings::MacJapanese()->ToUnicode(bytes);
            ASSERT_GE(text.size(), 1u) << lead << " " << trail;
            ASSERT_LE(text.size(), 2u) << lead << " " << trail;
            const std::string written = Encodings::MacJapanese()->FromUnicode(text);
            EXPECT_EQ(Encodings::MacJapanese()->ToUnicode(written).size(), text.size());
        }
    }
}

} // namespace
