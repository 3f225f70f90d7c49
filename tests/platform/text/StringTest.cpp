#include "platform/text/String.h"
#include "platform/text/TextEncoding.h"

#include <gtest/gtest.h>

namespace {

String MacJapanese(std::string bytes) {
    return String::FromBytes(std::move(bytes), Encodings::MacJapanese());
}

struct FieldCase {
    const char* text;
    const char* separator;
    int count;
    int n;
    const char* field;
};

void PrintTo(const FieldCase& value, std::ostream* out) {
    *out << '"' << value.text << "\" field " << value.n;
}

class FieldTest : public testing::TestWithParam<FieldCase> {};

TEST_P(FieldTest, CountsAndPicksFields) {
    const FieldCase& c = GetParam();
    EXPECT_EQ(CountFields(c.text, c.separator), c.count);
    EXPECT_EQ(NthField(c.text, c.separator, c.n).ToUTF8(), c.field);
}

INSTANTIATE_TEST_SUITE_P(
    Names, FieldTest,
    testing::Values(FieldCase{"a.b.c", ".", 3, 3, "c"}, FieldCase{"a.b.c", ".", 3, 2, "b"},
                    FieldCase{"temp", ".", 1, 1, "temp"}, FieldCase{"temp", ".", 1, 2, ""},
                    FieldCase{"x.", ".", 2, 2, ""}, FieldCase{".hidden", ".", 2, 1, ""},
                    FieldCase{".hidden", ".", 2, 2, "hidden"},
                    FieldCase{"MyApp.app", ".", 2, 0, ""}, FieldCase{"", ".", 0, 1, ""},
                    FieldCase{"a::b::", "::", 3, 2, "b"},
                    FieldCase{"書類.テキスト", ".", 2, 2, "テキスト"},
                    FieldCase{"abc", "", 1, 1, "abc"}));

TEST(StringFields, SplitMacJapaneseOnlyBetweenCharacters) {
    // "ソ" is 83 5C in Mac Japanese: its trail byte is the yen sign's byte.
    const String text = MacJapanese("\x83\x5C\x5C"
                                    "A");
    EXPECT_EQ(CountFields(text, "¥"), 2);
    const String first = NthField(text, "¥", 1);
    EXPECT_EQ(first.Bytes(), "\x83\x5C");
    EXPECT_EQ(first.Encoding(), Encodings::MacJapanese());
}

TEST(StringFields, UnlabelledSeparatorIsReadInTheTextsEncoding) {
    const String text = MacJapanese("a\x5C"
                                    "b");
    EXPECT_EQ(CountFields(text, ChrB(0x5C)), 2);
}

struct ValCase {
    const char* text;
    double value;
};

void PrintTo(const ValCase& value, std::ostream* out) {
    *out << '"' << value.text << '"';
}

class ValTest : public testing::TestWithParam<ValCase> {};

TEST_P(ValTest, ReadsTheLeadingNumber) {
    EXPECT_DOUBLE_EQ(Val(GetParam().text), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(Texts, ValTest,
                         testing::Values(ValCase{"12abc", 12}, ValCase{"", 0}, ValCase{"abc", 0},
                                         ValCase{"  -3.5x", -3.5}, ValCase{"+7", 7},
                                         ValCase{".5", 0.5}, ValCase{"1e3", 1000}, ValCase{"2e", 2},
                                         ValCase{"nan", 0}, ValCase{"inf", 0}, ValCase{"0x1F", 0}));

TEST(StringNumbers, StrWritesPlainNumbers) {
    EXPECT_EQ(Str(42).ToUTF8(), "42");
    EXPECT_EQ(Str(std::int64_t{-9000000000}).ToUTF8(), "-9000000000");
    EXPECT_EQ(Str(2.5).ToUTF8(), "2.5");
    EXPECT_EQ(Str(3.0).ToUTF8(), "3");
    EXPECT_EQ(Val(Str(0.1)), 0.1);
}

TEST(StringCharacters, CountAndCutWholeCharacters) {
    const String text = "日本語";
    EXPECT_EQ(Len(text), 3);
    EXPECT_EQ(LenB(text), 9);
    EXPECT_EQ(Left(text, 2), "日本");
    EXPECT_EQ(Left(text, 0), "");
    EXPECT_EQ(Left(text, 10), "日本語");
    EXPECT_EQ(Mid(text, 2), "本語");
    EXPECT_EQ(Mid(text, 2, 1), "本");
    EXPECT_EQ(Mid(text, 0, 1), "日");
    EXPECT_EQ(Mid(text, 5), "");
}

TEST(StringCharacters, CutMacJapaneseInItsOwnEncoding) {
    // Two half-width katakana (one byte each), then a kanji pair.
    const String text = MacJapanese("\xB1\xB2\x8A\xBF");
    EXPECT_EQ(Len(text), 3);
    const String tail = Mid(text, 2);
    EXPECT_EQ(tail.Bytes(), "\xB2\x8A\xBF");
    EXPECT_EQ(tail.Encoding(), Encodings::MacJapanese());
}

TEST(StringCharacters, CountSurrogatePairsAsOneCharacter) {
    using namespace std::string_literals;
    const String text = String::FromBytes("\xD8\x3D\xDE\x00\x00"
                                          "a"s,
                                          Encodings::UTF16());
    EXPECT_EQ(Len(text), 2);
    EXPECT_EQ(Left(text, 1).ToUTF8(), "\xF0\x9F\x98\x80");
}

TEST(StringBytes, CountAndCutBytes) {
    EXPECT_EQ(LeftB("abc", 2), "ab");
    EXPECT_EQ(LeftB("abc", -1), "");
    EXPECT_EQ(MidB("abcdef", 3, 2), "cd");
    EXPECT_EQ(MidB("abcdef", 0, 2), "ab");
    EXPECT_EQ(MidB("abc", 10), "");
    EXPECT_EQ(MidB("abc", 2, -1), "bc");
    EXPECT_EQ(LeftB(MacJapanese("\x8A\xBF"), 1).Encoding(), Encodings::MacJapanese());
}

TEST(StringBytes, AscBAndChrBWorkOnSingleBytes) {
    EXPECT_EQ(AscB("A"), 65);
    EXPECT_EQ(AscB(""), 0);
    EXPECT_EQ(AscB(String::FromBytes("\xFF")), 255);
    EXPECT_EQ(ChrB(0x141).Bytes(), "A");
    EXPECT_EQ(ChrB(200).Bytes(), "\xC8");
    EXPECT_EQ(ChrB(0).Bytes(), std::string(1, '\0'));
    EXPECT_EQ(ChrB(65).Encoding(), nullptr);
}

TEST(StringJoin, MixedLabelsJoinAsUTF8) {
    const String path = "/Users/太郎/書類";
    const String suffix = MacJapanese("\x20\x82\xF0\x83\x52\x83\x73\x81\x5B\x92\x86...");
    const String status = path + suffix;
    EXPECT_EQ(status.Encoding(), Encodings::UTF8());
    EXPECT_EQ(status.Bytes(), "/Users/太郎/書類 をコピー中...");
}

TEST(StringJoin, SameLabelsAndUnlabelledJoinByteForByte) {
    const String joined = MacJapanese("\x8A\xBF") + MacJapanese("\x5C");
    EXPECT_EQ(joined.Bytes(), "\x8A\xBF\x5C");
    EXPECT_EQ(joined.Encoding(), Encodings::MacJapanese());

    const String withByte = MacJapanese("\x8A\xBF") + ChrB(0x80);
    EXPECT_EQ(withByte.Bytes(), "\x8A\xBF\x80");
    EXPECT_EQ(withByte.Encoding(), Encodings::MacJapanese());

    const String byteFirst = ChrB(0x80) + MacJapanese("A");
    EXPECT_EQ(byteFirst.Encoding(), Encodings::MacJapanese());
    EXPECT_EQ(byteFirst.ToUTF8(), "\\A");
}

TEST(StringJoin, EmptySideKeepsTheOtherUnchanged) {
    String text = "";
    text += MacJapanese("\x5C");
    EXPECT_EQ(text.Bytes(), "\x5C");
    EXPECT_EQ(text.Encoding(), Encodings::MacJapanese());
}

TEST(StringJoin, JoiningWithItselfDoublesTheText) {
    String text = "ab";
    text += text;
    EXPECT_EQ(text, "abab");
}

TEST(StringEquality, SameCharactersInDifferentEncodingsAreEqual) {
    EXPECT_EQ(MacJapanese("\x93\xFA\x96\x7B"), "日本");
    EXPECT_EQ(MacJapanese("\x5C"), "¥");
    EXPECT_NE(MacJapanese("\x5C"), "\\");
    EXPECT_EQ(String::FromBytes("\x65\xE5", Encodings::UTF16()), "日");
    EXPECT_EQ(String::FromBytes("", Encodings::UTF16()), "");
}

TEST(StringEquality, IsExact) {
    EXPECT_NE(String("abc"), String("ABC"));
    EXPECT_NE(String("abc"), String("abc "));
    EXPECT_EQ(ChrB(0x41), "A");
}

TEST(StringEncoding, DefineEncodingRelabelsTheSameBytes) {
    const String declared = DefineEncoding(MacJapanese("\xE3\x81\x82"), Encodings::UTF8());
    EXPECT_EQ(declared.Bytes(), "\xE3\x81\x82");
    EXPECT_EQ(declared.Encoding(), Encodings::UTF8());
}

TEST(StringEncoding, LiteralsAreUTF8AndEndOfLineIsNewline) {
    EXPECT_EQ(String("x").Encoding(), Encodings::UTF8());
    EXPECT_EQ(String(static_cast<const char*>(nullptr)), "");
    EXPECT_EQ(EndOfLine().Bytes(), "\n");
}

} // namespace
