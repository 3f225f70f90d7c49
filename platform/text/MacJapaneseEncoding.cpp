#include "platform/text/MacJapaneseEncoding.h"

#include "platform/text/Utf16.h"

#include <array>
#include <optional>

namespace {

constexpr std::uint32_t kMacJapaneseBase = 0x0001;
constexpr char16_t kReplacement = u'\uFFFD';

struct Mapping {
    std::uint16_t code; // a byte, or lead and trail byte of a pair
    char16_t unicode;
};

// Where Apple's single bytes differ from ASCII and from Shift_JIS.
constexpr std::array<Mapping, 6> kAppleSingleBytes{{
    {0x5C, u'\u00A5'}, // yen sign, where ASCII has the backslash
    {0x80, u'\u005C'}, // backslash
    {0xA0, u'\u00A0'}, // no-break space
    {0xFD, u'\u00A9'}, // copyright sign
    {0xFE, u'\u2122'}, // trade mark sign
    {0xFF, u'\u2026'}, // horizontal ellipsis
}};

// The JIS-row pairs where Apple chose the plain signs over the full-width ones.
constexpr std::array<Mapping, 3> kApplePairs{{
    {0x8191, u'\u00A2'}, // cent sign
    {0x8192, u'\u00A3'}, // pound sign
    {0x81CA, u'\u00AC'}, // not sign
}};

constexpr unsigned char kFirstHalfWidthKatakana = 0xA1;
constexpr unsigned char kLastHalfWidthKatakana = 0xDF;
constexpr char16_t kHalfWidthKatakanaStart = u'\uFF61';

template <std::size_t N>
std::optional<char16_t> ToUnicodeIn(const std::array<Mapping, N>& table, std::uint16_t code) {
    for (const Mapping& m : table) {
        if (m.code == code)
            return m.unicode;
    }
    return std::nullopt;
}

template <std::size_t N>
std::optional<std::uint16_t> FromUnicodeIn(const std::array<Mapping, N>& table, char16_t unicode) {
    for (const Mapping& m : table) {
        if (m.unicode == unicode)
            return m.code;
    }
    return std::nullopt;
}

bool IsLeadByte(unsigned char b) {
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}
bool IsTrailByte(unsigned char b) {
    return (b >= 0x40 && b <= 0x7E) || (b >= 0x80 && b <= 0xFC);
}

char16_t SingleByteToUnicode(unsigned char b) {
    if (const auto apple = ToUnicodeIn(kAppleSingleBytes, b))
        return *apple;
    if (b < 0x80)
        return b;
    if (b >= kFirstHalfWidthKatakana && b <= kLastHalfWidthKatakana) {
        return static_cast<char16_t>(kHalfWidthKatakanaStart + (b - kFirstHalfWidthKatakana));
    }
    return kReplacement; // a lead byte without its trail byte
}

std::optional<unsigned char> UnicodeToSingleByte(char16_t c) {
    if (const auto apple = FromUnicodeIn(kAppleSingleBytes, c)) {
        return static_cast<unsigned char>(*apple);
    }
    if (c < 0x80)
        return static_cast<unsigned char>(c);
    const char16_t lastHalfWidth =
        kHalfWidthKatakanaStart + (kLastHalfWidthKatakana - kFirstHalfWidthKatakana);
    if (c >= kHalfWidthKatakanaStart && c <= lastHalfWidth) {
        return static_cast<unsigned char>(kFirstHalfWidthKatakana + (c - kHalfWidthKatakanaStart));
    }
    return std::nullopt;
}

void AppendCode(std::string& out, std::uint16_t pair) {
    out += static_cast<char>(pair >> 8);
    out += static_cast<char>(pair & 0xFF);
}

} // namespace

MacJapaneseEncoding::MacJapaneseEncoding()
    : TextEncoding("Shift_JIS", kMacJapaneseBase, 0, 0),
      jisShiftJIS_("Shift_JIS", 0x0A01, 0, 0, "ibm-943_P130-1999", "ibm-943_P130-1999") {}

std::u16string MacJapaneseEncoding::ToUnicode(std::string_view bytes) const {
    std::u16string text;
    text.reserve(bytes.size());
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        const bool pair = IsLeadByte(b) && i + 1 < bytes.size() &&
                          IsTrailByte(static_cast<unsigned char>(bytes[i + 1]));
        if (pair) {
            text += PairToUnicode(b, static_cast<unsigned char>(bytes[++i]));
        } else {
            text += SingleByteToUnicode(b);
        }
    }
    return text;
}

std::string MacJapaneseEncoding::FromUnicode(std::u16string_view text) const {
    std::string bytes;
    bytes.reserve(text.size() * 2);
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t units = CodePointUnits(text, i);
        const char16_t c = text[i];
        if (const auto single = units == 1 ? UnicodeToSingleByte(c) : std::nullopt) {
            bytes += static_cast<char>(*single);
        } else if (const auto apple = units == 1 ? FromUnicodeIn(kApplePairs, c) : std::nullopt) {
            AppendCode(bytes, *apple);
        } else {
            AppendPair(bytes, text.substr(i, units));
        }
        i += units;
    }
    return bytes;
}

char16_t MacJapaneseEncoding::PairToUnicode(unsigned char lead, unsigned char trail) const {
    const auto code = static_cast<std::uint16_t>(lead << 8 | trail);
    if (const auto apple = ToUnicodeIn(kApplePairs, code))
        return *apple;
    const char pair[] = {static_cast<char>(lead), static_cast<char>(trail)};
    const std::u16string decoded = jisShiftJIS_.ToUnicode(std::string_view(pair, 2));
    // A pair ICU does not take as one character stays one unreadable character.
    return decoded.size() == 1 ? decoded[0] : kReplacement;
}

void MacJapaneseEncoding::AppendPair(std::string& out, std::u16string_view character) const {
    const std::string encoded = jisShiftJIS_.FromUnicode(character);
    const bool isPair = encoded.size() == 2 && IsLeadByte(static_cast<unsigned char>(encoded[0])) &&
                        IsTrailByte(static_cast<unsigned char>(encoded[1]));
    out += isPair ? encoded : std::string("?");
}
