#include "platform/text/TextEncoding.h"
#include "platform/text/TextConverter.h"

#include <gtest/gtest.h>

namespace {

const std::string kJapanese = "日本語のテキスト、漢字とかな。ABC 123";

struct EncodingCase {
    const char* name;
    const TextEncoding* (*encoding)();
    const char* internetName;
    std::string japaneseBytes; // 日本語
};

void PrintTo(const EncodingCase& value, std::ostream* out) {
    *out << value.name;
}

class EncodingTest : public testing::TestWithParam<EncodingCase> {};

TEST_P(EncodingTest, HasItsInternetName) {
    EXPECT_EQ(GetParam().encoding()->internetName(), GetParam().internetName);
}

TEST_P(EncodingTest, WritesJapaneseInItsOwnBytes) {
    const auto converter = GetTextConverter(Encodings::UTF8(), GetParam().encoding());
    const String converted = converter->Convert("日本語");
    EXPECT_EQ(converted.Bytes(), GetParam().japaneseBytes);
    EXPECT_EQ(converted.Encoding(), GetParam().encoding());
}

TEST_P(EncodingTest, RoundTripsJapaneseText) {
    const TextEncoding* encoding = GetParam().encoding();
    const std::u16string text = Encodings::UTF8()->ToUnicode(kJapanese);
    EXPECT_EQ(encoding->ToUnicode(encoding->FromUnicode(text)), text);
}

INSTANTIATE_TEST_SUITE_P(
    All, EncodingTest,
    testing::Values(EncodingCase{"MacJapanese", Encodings::MacJapanese, "Shift_JIS",
                                 "\x93\xFA\x96\x7B\x8C\xEA"},
                    EncodingCase{"ShiftJIS", Encodings::ShiftJIS, "Shift_JIS",
                                 "\x93\xFA\x96\x7B\x8C\xEA"},
                    EncodingCase{"UTF8", Encodings::UTF8, "UTF-8", "日本語"},
                    EncodingCase{"UTF16", Encodings::UTF16, "UTF-16", "\x65\xE5\x67\x2C\x8A\x9E"},
                    EncodingCase{"EUCJP", Encodings::EUCJP, "EUC-JP", "\xC6\xFC\xCB\xDC\xB8\xEC"},
                    EncodingCase{"ISO2022JP", Encodings::ISO2022JP, "ISO-2022-JP",
                                 "\x1B\x24\x42\x46\x7C\x4B\x5C\x38\x6C\x1B\x28\x42"}),
    [](const testing::TestParamInfo<EncodingCase>& info) { return info.param.name; });

TEST(Encodings, SystemDefaultIsUTF8) {
    EXPECT_EQ(Encodings::SystemDefault(), Encodings::UTF8());
}

TEST(Encodings, PlainShiftJISKeepsTheBackslash) {
    EXPECT_EQ(Encodings::ShiftJIS()->ToUnicode("\x5C"), u"\\");
    EXPECT_EQ(Encodings::MacJapanese()->ToUnicode("\x5C"), u"\u00A5");
}

TEST(Encodings, UTF16ReadsAByteOrderMark) {
    EXPECT_EQ(Encodings::UTF16()->ToUnicode("\xFF\xFE\xE5\x65"), u"日");
    EXPECT_EQ(Encodings::UTF16()->ToUnicode("\xFE\xFF\x65\xE5"), u"日");
}

TEST(Encodings, InvalidBytesBecomeReplacementCharacters) {
    EXPECT_EQ(Encodings::UTF8()->ToUnicode("a\xFF"
                                           "b"),
              u"a\uFFFD"
              "b");
    EXPECT_EQ(Encodings::EUCJP()->ToUnicode("\xC6"), u"\uFFFD");
    EXPECT_EQ(Encodings::UTF16()->ToUnicode("\x65"), u"\uFFFD");
}

TEST(Encodings, MissingCharactersAreWrittenAsQuestionMarks) {
    const std::u16string hangul = u"a한";
    EXPECT_EQ(Encodings::EUCJP()->FromUnicode(hangul), "a?");
    EXPECT_EQ(Encodings::ShiftJIS()->FromUnicode(hangul), "a?");
    EXPECT_EQ(Encodings::ISO2022JP()->FromUnicode(hangul), "a?");
}

struct CodeCase {
    std::uint32_t base;
    std::uint32_t format;
    const TextEncoding* (*expected)();
};

void PrintTo(const CodeCase& value, std::ostream* out) {
    *out << "base " << value.base << ", format " << value.format;
}

class GetTextEncodingTest : public testing::TestWithParam<CodeCase> {};

TEST_P(GetTextEncodingTest, FindsTheEncodingOfAMacCode) {
    EXPECT_EQ(GetTextEncoding(GetParam().base, 0, GetParam().format), GetParam().expected());
}

INSTANTIATE_TEST_SUITE_P(Codes, GetTextEncodingTest,
                         testing::Values(CodeCase{0x0920, 0, Encodings::EUCJP},
                                         CodeCase{0x0820, 0, Encodings::ISO2022JP},
                                         CodeCase{0x0001, 0, Encodings::MacJapanese},
                                         CodeCase{0x0A01, 0, Encodings::ShiftJIS},
                                         CodeCase{0x0100, 2, Encodings::UTF8},
                                         CodeCase{0x0100, 0, Encodings::UTF16}));

TEST(GetTextEncoding, UnknownCodesGiveNothing) {
    EXPECT_EQ(GetTextEncoding(0x0921, 0, 0), nullptr);
    EXPECT_EQ(GetTextEncoding(0x0100, 0, 7), nullptr);
}

TEST(TextConverter, ReadsInItsSourceEncodingWhateverTheLabel) {
    const String labelledWrongly = String::FromBytes("\x5C", Encodings::UTF8());
    const String converted =
        GetTextConverter(Encodings::MacJapanese(), Encodings::UTF8())->Convert(labelledWrongly);
    EXPECT_EQ(converted.Bytes(), "¥");
    EXPECT_EQ(converted.Encoding(), Encodings::UTF8());
}

TEST(TextConverter, NeedsBothEncodings) {
    EXPECT_EQ(GetTextConverter(nullptr, Encodings::UTF8()), nullptr);
    EXPECT_EQ(GetTextConverter(Encodings::UTF8(), nullptr), nullptr);
}

} // namespace
