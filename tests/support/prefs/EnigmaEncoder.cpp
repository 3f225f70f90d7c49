#include "tests/support/prefs/EnigmaEncoder.h"

#include <array>
#include <stdexcept>

namespace testprefs {

namespace {

constexpr std::string_view Alphabet =
    "QWERTYUIOPASDFGHJKLZXCVBNMqwertyuiopasdfghjklzxcvbnm1234567890";

constexpr std::array<std::int32_t, 101> SeedTable = {
    25, 35,  48, 47, 44, 37, 60, 85, 76, 31, 63, 93, 17, 27, 52, 43, 2,  18, 97, 19, 72,
    58, 88,  53, 56, 91, 62, 5,  3,  96, 92, 14, 24, 9,  29, 51, 21, 64, 75, 83, 69, 90,
    78, 100, 12, 11, 26, 34, 89, 50, 7,  32, 15, 59, 36, 30, 67, 55, 28, 23, 74, 42, 77,
    66, 40,  71, 41, 45, 68, 94, 65, 46, 39, 57, 13, 33, 1,  87, 95, 49, 8,  99, 0,  6,
    10, 70,  22, 81, 79, 80, 73, 4,  98, 38, 86, 20, 84, 82, 16, 54, 61,
};

constexpr std::int64_t PairValues = 62 * 62;

} // namespace

std::int32_t EnigmaSeed(std::string_view key) {
    if (key.empty())
        return 1;
    std::int32_t p = static_cast<unsigned char>(key.front()) - 31;
    for (const char c : key) {
        p = static_cast<unsigned char>(c) - 31 + SeedTable.at(static_cast<std::size_t>(p));
        if (p >= 101)
            p -= 101;
    }
    return p;
}

std::string EnigmaEncode(std::string_view bytes, std::string_view key) {
    const std::int64_t seed = EnigmaSeed(key);
    std::string text;
    text.reserve(bytes.size() * 2);
    std::int64_t k = 0;
    for (const char c : bytes) {
        ++k;
        const std::int64_t v = static_cast<unsigned char>(c) ^ (seed ^ k);
        if (v >= PairValues)
            throw std::length_error("value too long to encode");
        text.push_back(Alphabet[static_cast<std::size_t>(v / 62)]);
        text.push_back(Alphabet[static_cast<std::size_t>(v % 62)]);
    }
    return text;
}

} // namespace testprefs
