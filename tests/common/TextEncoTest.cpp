#include "common/TextEnco.h"

#include "platform/text/TextConverter.h"
#include "platform/text/TextEncoding.h"

#include <gtest/gtest.h>

namespace {

using TextEnco::gEncDefUTF8;
using TextEnco::gEncText;
using TextEnco::gEncTextGetEnc;
using TextEnco::gEncUTF8alt;

const String kSentence = "吾輩は猫である。名前はまだ無い。どこで生れたかとんと見当がつかぬ。";

// `text` written in `encoding`, without a label: bytes as they come from a file.
String BytesIn(const TextEncoding* encoding, const String& text) {
    return String::FromBytes(GetTextConverter(Encodings::UTF8(), encoding)->Convert(text).Bytes());
}

struct NamedEncoding {
    const char* testName;
    const char* name;
    const TextEncoding* (*encoding)();
    std::string japaneseBytes; // 日本語
};

void PrintTo(const NamedEncoding& value, std::ostream* out) {
    *out << value.testName;
}

class EncTextTest : public testing::TestWithParam<NamedEncoding> {};

TEST_P(EncTextTest, ConvertsToTheNamedEncoding) {
    const String converted = gEncText("日本語", "UTF-8", GetParam().name);
    EXPECT_EQ(converted.Bytes(), GetParam().japaneseBytes);
    EXPECT_EQ(converted.Encoding(), GetParam().encoding());
}

TEST_P(EncTextTest, ReadsTheNamedEncoding) {
    const String read =
        gEncText(String::FromBytes(GetParam().japaneseBytes), GetParam().name, "UTF-8");
    EXPECT_EQ(read.Bytes(), "日本語");
    EXPECT_EQ(read.Encoding(), Encodings::UTF8());
}

TEST_P(EncTextTest, RoundTripsJapaneseText) {
    const String there = gEncText(kSentence, "UTF-8", GetParam().name);
    EXPECT_EQ(gEncText(there, GetParam().name, "UTF-8").Bytes(), kSentence.Bytes());
}

INSTANTIATE_TEST_SUITE_P(
    Names, EncTextTest,
    testing::Values(NamedEncoding{"MacJapanese", "Shift-JIS", Encodings::MacJapanese,
                                  "\x93\xFA\x96\x7B\x8C\xEA"},
                    NamedEncoding{"EUCJP", "EUC", Encodings::EUCJP, "\xC6\xFC\xCB\xDC\xB8\xEC"},
                    NamedEncoding{"ISO2022JP", "JIS", Encodings::ISO2022JP,
                                  "\x1B\x24\x42\x46\x7C\x4B\x5C\x38\x6C\x1B\x28\x42"},
                    NamedEncoding{"UTF16", "UTF-16", Encodings::UTF16, "\x65\xE5\x67\x2C\x8A\x9E"}),
    [](const testing::TestParamInfo<NamedEncoding>& info) { return info.param.testName; });

TEST(EncText, StatusSuffixBecomesMacJapanese) {
    const String suffix = gEncText(" をコピー中...", "UTF-8", "Shift-JIS");
    EXPECT_EQ(suffix.Bytes(), " \x82\xF0\x83\x52\x83\x73\x81\x5B\x92\x86...");
    EXPECT_EQ(suffix.Encoding(), Encodings::MacJapanese());
}

struct UnchangedCase {
    const char* from;
    const char* to;
};

void PrintTo(const UnchangedCase& value, std::ostream* out) {
    *out << value.from << " to " << value.to;
}

class EncTextUnchangedTest : public testing::TestWithParam<UnchangedCase> {};

TEST_P(EncTextUnchangedTest, LeavesBytesAndLabelAlone) {
    // Mac Japanese bytes under a foreign label show that nothing was converted or relabelled.
    const String text = String::FromBytes("\x5C\x8A\xBF", Encodings::MacJapanese());
    const String result = gEncText(text, GetParam().from, GetParam().to);
    EXPECT_EQ(result.Bytes(), text.Bytes());
    EXPECT_EQ(result.Encoding(), text.Encoding());
}

INSTANTIATE_TEST_SUITE_P(
    Names, EncTextUnchangedTest,
    testing::Values(UnchangedCase{"UTF-8", "UTF-8"}, UnchangedCase{"Shift-JIS", "Shift-JIS"},
                    UnchangedCase{"デフォルト", "UTF-8"}, UnchangedCase{"Latin-9", "デフォルト"},
                    UnchangedCase{"UTF-8", "Unknown"}, UnchangedCase{"Mac Roman", "Unknown"},
                    UnchangedCase{"UTF-8", "Auto"}));

TEST(EncText, UnknownNameStandsForTheSystemDefault) {
    const String read = gEncText(String::FromBytes("\x8A\xBF\x8E\x9A"), "Shift-JIS", "Whatever");
    EXPECT_EQ(read.Bytes(), "漢字");
    EXPECT_EQ(read.Encoding(), Encodings::SystemDefault());
}

TEST(EncText, AutoReadsTheGuessedEncoding) {
    const String read = gEncText(BytesIn(Encodings::MacJapanese(), kSentence), "Auto", "UTF-8");
    EXPECT_EQ(read.Bytes(), kSentence.Bytes());
}

TEST(EncText, AutoWithoutAGuessReadsTheSystemDefault) {
    const String name = String::FromBytes("\x8F\x91\x97\xDE"); // too short to guess
    const String read = gEncText(name, "Auto", "Shift-JIS");
    EXPECT_EQ(read.Encoding(), Encodings::MacJapanese());
    EXPECT_EQ(read.Bytes(), "\x3F\x3F\x3F\x3F"); // not UTF-8, so nothing readable
}

TEST(EncDefUTF8, DeclaresWithoutConverting) {
    const String text = String::FromBytes("\xE6\x97\xA5", Encodings::MacJapanese());
    const String declared = gEncDefUTF8(text);
    EXPECT_EQ(declared.Bytes(), text.Bytes());
    EXPECT_EQ(declared.Encoding(), Encodings::UTF8());
    EXPECT_EQ(declared, "日");
}

struct GuessCase {
    const char* name;
    String text;
    const char* encodingName;
};

void PrintTo(const GuessCase& value, std::ostream* out) {
    *out << value.name;
}

class EncTextGetEncTest : public testing::TestWithParam<GuessCase> {};

TEST_P(EncTextGetEncTest, NamesTheGuess) {
    EXPECT_EQ(gEncTextGetEnc(GetParam().text), GetParam().encodingName);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, EncTextGetEncTest,
    testing::Values(
        GuessCase{"ShiftJIS", BytesIn(Encodings::MacJapanese(), kSentence), "Shift-JIS"},
        GuessCase{"UTF8", BytesIn(Encodings::UTF8(), kSentence), "UTF-8"},
        GuessCase{"UTF16", String::FromBytes("\xFE\xFF\x65\xE5\x67\x2C"), "UTF-16"},
        GuessCase{"EUCJP", BytesIn(Encodings::EUCJP(), kSentence), "デフォルト"},
        GuessCase{"ISO2022JP", BytesIn(Encodings::ISO2022JP(), kSentence), "デフォルト"},
        GuessCase{"TooShort", String::FromBytes("\x8F\x91\x97\xDE"), "デフォルト"},
        GuessCase{"Empty", String(), "デフォルト"}),
    [](const testing::TestParamInfo<GuessCase>& info) { return info.param.name; });

TEST(EncUTF8alt, WithoutAGuessReadsTheFallback) {
    const String name = String::FromBytes("\x8F\x91\x97\xDE\x5C");
    EXPECT_EQ(gEncUTF8alt(name, "Shift_JIS").Bytes(), "書類¥");
    EXPECT_EQ(gEncUTF8alt(name, "UTF-8").Bytes(), name.Bytes());
}

TEST(EncUTF8alt, ConvertsGuessedShiftJISAndUTF16) {
    EXPECT_EQ(gEncUTF8alt(BytesIn(Encodings::MacJapanese(), kSentence), "UTF-8").Bytes(),
              kSentence.Bytes());
    EXPECT_EQ(gEncUTF8alt(String::FromBytes("\xFE\xFF\x65\xE5\x67\x2C"), "Shift_JIS").Bytes(),
              "日本");
}

TEST(EncUTF8alt, LeavesOtherGuessesUnchanged) {
    const String utf8 = BytesIn(Encodings::UTF8(), kSentence);
    EXPECT_EQ(gEncUTF8alt(utf8, "Shift_JIS").Bytes(), utf8.Bytes());
    const String euc = BytesIn(Encodings::EUCJP(), kSentence);
    EXPECT_EQ(gEncUTF8alt(euc, "Shift_JIS").Bytes(), euc.Bytes());
}

} // namespace
