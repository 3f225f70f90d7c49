#include "platform/text/EncodingGuess.h"
#include "platform/text/String.h"
#include "platform/text/TextEncoding.h"

#include <gtest/gtest.h>

namespace {

const std::string kSentence =
    "吾輩は猫である。名前はまだ無い。どこで生れたかとんと見当がつかぬ。"
    "何でも薄暗いじめじめした所でニャーニャー泣いていた事だけは記憶している。";

struct GuessCase {
    const char* name;
    const TextEncoding* (*writtenIn)();
    const char* guessed;
};

void PrintTo(const GuessCase& value, std::ostream* out) {
    *out << value.name;
}

class GuessTest : public testing::TestWithParam<GuessCase> {};

TEST_P(GuessTest, RecognisesAJapaneseSentence) {
    const TextEncoding* encoding = GetParam().writtenIn();
    const String text =
        String::FromBytes(encoding->FromUnicode(Encodings::UTF8()->ToUnicode(kSentence)));
    const TextEncoding* guess = GuessJapaneseEncoding(text);
    ASSERT_NE(guess, nullptr);
    EXPECT_EQ(guess->internetName(), GetParam().guessed);
}

INSTANTIATE_TEST_SUITE_P(
    Sentences, GuessTest,
    testing::Values(GuessCase{"MacJapanese", Encodings::MacJapanese, "Shift_JIS"},
                    GuessCase{"EUCJP", Encodings::EUCJP, "EUC-JP"},
                    GuessCase{"UTF8", Encodings::UTF8, "UTF-8"},
                    GuessCase{"ISO2022JP", Encodings::ISO2022JP, "ISO-2022-JP"}),
    [](const testing::TestParamInfo<GuessCase>& info) { return info.param.name; });

TEST(GuessJapaneseEncoding, RecognisesUTF16ByItsByteOrderMark) {
    const String text = String::FromBytes("\xFF\xFE"
                                          "\xE5\x65\x2C\x67\x9E\x8A");
    ASSERT_NE(GuessJapaneseEncoding(text), nullptr);
    EXPECT_EQ(GuessJapaneseEncoding(text)->internetName(), "UTF-16");
}

TEST(GuessJapaneseEncoding, GivesNothingWithoutEvidence) {
    EXPECT_EQ(GuessJapaneseEncoding(String()), nullptr);
    // A two-kanji name in Shift_JIS is too short to tell.
    EXPECT_EQ(GuessJapaneseEncoding(String::FromBytes("\x8F\x91\x97\xDE")), nullptr);
}

TEST(GuessJapaneseEncoding, NeverTakesBrokenUTF8ForUTF8) {
    // "ﾃｽﾄ" in Shift_JIS: C3 BD reads as UTF-8, the last byte does not.
    EXPECT_EQ(GuessJapaneseEncoding(String::FromBytes("\xC3\xBD\xC4")), nullptr);
}

} // namespace
