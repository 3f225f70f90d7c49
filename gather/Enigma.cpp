#include "gather/Enigma.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "platform/threads/Cooperative.h"

namespace Enigma {

namespace {

constexpr std::string_view DecoderAlphabet =
    "QWERTYUIOPASDFGHJKLZXCVBNMqwertyuiopasdfghjklzxcvbnm1234567890";

constexpr int SeedTableSize = 101;

// A permutation of 0 to 100; values decode correctly only with the table
// they were written with, so it never changes.
std::array<std::int32_t, SeedTableSize> SeedTable() {
    return {
        25, 35,  48, 47, 44, 37, 60, 85, 76, 31, 63, 93, 17, 27, 52, 43, 2,  18, 97, 19, 72,
        58, 88,  53, 56, 91, 62, 5,  3,  96, 92, 14, 24, 9,  29, 51, 21, 64, 75, 83, 69, 90,
        78, 100, 12, 11, 26, 34, 89, 50, 7,  32, 15, 59, 36, 30, 67, 55, 28, 23, 74, 42, 77,
        66, 40,  71, 41, 45, 68, 94, 65, 46, 39, 57, 13, 33, 1,  87, 95, 49, 8,  99, 0,  6,
        10, 70,  22, 81, 79, 80, 73, 4,  98, 38, 86, 20, 84, 82, 16, 54, 61,
    };
}

// Printable keys always index inside the table; any other key is brought
// back into it rather than read past its end.
std::int32_t TableIndex(std::int32_t p) {
    const std::int32_t wrapped = p % SeedTableSize;
    return wrapped < 0 ? wrapped + SeedTableSize : wrapped;
}

std::int32_t ByteValue(const std::string& bytes, std::size_t index) {
    return static_cast<unsigned char>(bytes[index]);
}

// The 1-based position of c in the alphabet, yielding before each try. A
// byte outside the alphabet, or a missing one (std::nullopt), counts as the
// first position, so that every input decodes to something.
std::int32_t AlphabetPosition(std::optional<char> c) {
    for (std::size_t position = 1; position <= DecoderAlphabet.size(); ++position) {
        coop::YieldToNextThread();
        if (c && DecoderAlphabet[position - 1] == *c)
            return static_cast<std::int32_t>(position);
    }
    return 1;
}

} // namespace

std::int32_t Initialize(const String& key) {
    const auto seedTable = SeedTable();
    const std::string& bytes = key.Bytes();
    if (bytes.empty())
        return 1;
    std::int32_t p = ByteValue(bytes, 0) - 31;
    for (std::size_t c = 1; c <= bytes.size(); ++c) {
        const std::int32_t b = ByteValue(bytes, c - 1);
        p = b - 31 + seedTable[TableIndex(p)];
        if (p >= SeedTableSize)
            p -= SeedTableSize;
        coop::YieldToNextThread();
    }
    return p;
}

String Decode(const String& s, const String& key) {
    const std::int64_t seed = Initialize(key);
    const std::string& bytes = s.Bytes();
    std::string out;
    out.reserve(bytes.size() / 2 + 1);
    std::int64_t k = 0;
    for (std::size_t pos = 1; pos <= bytes.size(); pos += 2) {
        k = k + 1;
        const std::int64_t i = AlphabetPosition(bytes[pos - 1]);
        const std::int64_t j =
            AlphabetPosition(pos < bytes.size() ? std::optional<char>(bytes[pos]) : std::nullopt);
        const std::int64_t v = (i - 1) * 62 + (j - 1);
        // A value above 255 (text no product wrote) keeps its low byte.
        out.push_back(static_cast<char>((v ^ (seed ^ k)) & 0xFF));
        coop::YieldToNextThread();
    }
    return String::FromBytes(std::move(out));
}

} // namespace Enigma
