#include "gather/Enigma.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <string_view>

#include "tests/support/prefs/EnigmaEncoder.h"

namespace {

constexpr std::string_view Alphabet =
    "QWERTYUIOPASDFGHJKLZXCVBNMqwertyuiopasdfghjklzxcvbnm1234567890";

String Raw(std::string_view bytes) {
    return String::FromBytes(std::string(bytes));
}

std::string Decoded(std::string_view text, std::string_view key = testprefs::DecoderKey) {
    return Enigma::Decode(Raw(text), Raw(key)).Bytes();
}

std::int32_t Seed() {
    return testprefs::EnigmaSeed(testprefs::DecoderKey);
}

unsigned char Byte(const std::string& s, std::size_t i) {
    return static_cast<unsigned char>(s.at(i));
}

std::string RandomBytes(std::size_t count, unsigned seed) {
    std::mt19937 generator(seed);
    std::uniform_int_distribution<int> byte(0, 255);
    std::string bytes(count, '\0');
    for (auto& c : bytes)
        c = static_cast<char>(byte(generator));
    return bytes;
}

} // namespace

TEST(EnigmaInitialize, EmptyKeyGivesSeedOne) {
    EXPECT_EQ(Enigma::Initialize(Raw("")), 1);
}

TEST(EnigmaInitialize, AgreesWithTheWritersSeedForEveryPrintableKeyOfOneAndTwoBytes) {
    for (char a = ' '; a <= '~'; ++a) {
        const std::string one(1, a);
        ASSERT_EQ(Enigma::Initialize(Raw(one)), testprefs::EnigmaSeed(one)) << one;
        for (char b = ' '; b <= '~'; ++b) {
            const std::string two{a, b};
            const std::int32_t seed = Enigma::Initialize(Raw(two));
            ASSERT_EQ(seed, testprefs::EnigmaSeed(two)) << two;
            ASSERT_GE(seed, 0);
            ASSERT_LE(seed, 100);
        }
    }
}

TEST(EnigmaInitialize, AgreesWithTheWritersSeedForLongerKeys) {
    for (const std::string_view key : {"3y", "DRAVO Software", "~~~~~~~~~~~~", "   ", "0a1b2c3d"})
        EXPECT_EQ(Enigma::Initialize(Raw(key)), testprefs::EnigmaSeed(key)) << key;
}

TEST(EnigmaDecode, EmptyValueGivesEmptyResult) {
    EXPECT_EQ(Decoded(""), "");
}

TEST(EnigmaDecode, OnePairDecodesWithPairNumberOne) {
    // "QQ" is the value 0, so the byte is the seed mixed with pair number 1.
    const std::string out = Decoded("QQ");
    ASSERT_EQ(out.size(), 1u);
    EXPECT_EQ(Byte(out, 0), Seed() ^ 1);
    // "WE": digits 1 and 2, the value 64.
    EXPECT_EQ(Byte(Decoded("WE"), 0), 64 ^ (Seed() ^ 1));
}

TEST(EnigmaDecode, SamePairGivesADifferentByteAtEachPairNumber) {
    const std::string out = Decoded("RTRTRTRTRTRTRTRT"); // "RT": digits 3 and 4, value 190
    ASSERT_EQ(out.size(), 8u);
    for (int k = 1; k <= 8; ++k)
        EXPECT_EQ(Byte(out, k - 1), 190 ^ (Seed() ^ k)) << "pair " << k;
    for (std::size_t k = 1; k < out.size(); ++k)
        EXPECT_NE(out[k], out[k - 1]);
}

TEST(EnigmaDecode, ResultCarriesNoEncodingEvenFromALabelledValue) {
    const String value("QWERTY"); // a literal: labelled UTF-8
    ASSERT_NE(value.Encoding(), nullptr);
    EXPECT_EQ(Enigma::Decode(value, "3y").Encoding(), nullptr);
    EXPECT_EQ(Enigma::Decode("", "3y").Encoding(), nullptr);
}

TEST(EnigmaDecode, EmptyKeyDecodesWithSeedOne) {
    EXPECT_EQ(Byte(Decoded("QQ", ""), 0), 1 ^ 1);
    EXPECT_EQ(Byte(Decoded("QQQQ", ""), 1), 1 ^ 2);
}

class EnigmaRoundTrip : public testing::TestWithParam<std::string_view> {};

TEST_P(EnigmaRoundTrip, EveryByteValueComesBack) {
    std::string everyByte;
    for (int b = 0; b < 256; ++b)
        everyByte.push_back(static_cast<char>(b));
    EXPECT_EQ(Decoded(testprefs::EnigmaEncode(everyByte, GetParam()), GetParam()), everyByte);
    const std::string reversed(everyByte.rbegin(), everyByte.rend());
    EXPECT_EQ(Decoded(testprefs::EnigmaEncode(reversed, GetParam()), GetParam()), reversed);
}

TEST_P(EnigmaRoundTrip, LongValuesComeBack) {
    for (unsigned seed = 1; seed <= 3; ++seed) {
        const std::string value = RandomBytes(3000, seed);
        EXPECT_EQ(Decoded(testprefs::EnigmaEncode(value, GetParam()), GetParam()), value);
    }
}

INSTANTIATE_TEST_SUITE_P(Keys, EnigmaRoundTrip, testing::Values("3y", "", "aZ", "~~", " "));

TEST(EnigmaEncoder, RefusesAValueTooLongForThePairNumber) {
    EXPECT_THROW(testprefs::EnigmaEncode(std::string(5000, 'x')), std::length_error);
}

// Text no product wrote still decodes, pair by pair, to one byte each.
struct MalformedCase {
    const char* name;
    std::string_view text;
    std::string_view sameAs; // well-formed text that decodes to the same bytes
};

void PrintTo(const MalformedCase& value, std::ostream* out) {
    *out << value.name;
}

class EnigmaMalformed : public testing::TestWithParam<MalformedCase> {};

TEST_P(EnigmaMalformed, DecodesLikeItsFirstPositionReading) {
    const MalformedCase& c = GetParam();
    const std::string out = Decoded(c.text);
    EXPECT_EQ(out.size(), (c.text.size() + 1) / 2);
    EXPECT_EQ(out, Decoded(c.sameAs));
}

INSTANTIATE_TEST_SUITE_P(Inputs, EnigmaMalformed,
                         testing::Values(MalformedCase{"FirstByteOutsideAlphabet", "!W", "QW"},
                                         MalformedCase{"SecondByteOutsideAlphabet", "W\xff", "WQ"},
                                         MalformedCase{"NulBytes", std::string_view("\0\0RT", 4),
                                                       "QQRT"},
                                         MalformedCase{"HighBytes", "\x83\xa0\xfc\x81", "QQQQ"},
                                         MalformedCase{"OddLastByte", "QWE", "QWEQ"},
                                         MalformedCase{"SingleByte", "E", "EQ"},
                                         MalformedCase{"OddByteOutsideAlphabet", "RT~", "RTQQ"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(EnigmaMalformed, ValueAbove255KeepsItsLowByte) {
    // "00" is the highest value, 61 * 62 + 61 = 3843.
    EXPECT_EQ(Byte(Decoded("00"), 0), (3843 ^ (Seed() ^ 1)) & 0xFF);
    EXPECT_EQ(Byte(Decoded("QQ00"), 1), (3843 ^ (Seed() ^ 2)) & 0xFF);
}

TEST(EnigmaMalformed, EveryPairOfByteValuesDecodesToOneByte) {
    for (int first = 0; first < 256; ++first) {
        for (int second = 0; second < 256; ++second) {
            const std::string pair{static_cast<char>(first), static_cast<char>(second)};
            const auto i = Alphabet.find(pair[0]);
            const auto j = Alphabet.find(pair[1]);
            const int v =
                static_cast<int>((i == Alphabet.npos ? 0 : i) * 62 + (j == Alphabet.npos ? 0 : j));
            const std::string out = Decoded(pair);
            ASSERT_EQ(out.size(), 1u);
            ASSERT_EQ(Byte(out, 0), (v ^ (Seed() ^ 1)) & 0xFF) << first << " " << second;
        }
    }
}
