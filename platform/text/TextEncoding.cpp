#include "platform/text/TextEncoding.h"

#include "platform/text/IcuEncoding.h"
#include "platform/text/MacJapaneseEncoding.h"

#include <array>

namespace {

// Mac OS text-encoding bases and Unicode formats.
constexpr std::uint32_t kUnicodeBase = 0x0100;
constexpr std::uint32_t kUTF16Format = 0;
constexpr std::uint32_t kUTF8Format = 2;
constexpr std::uint32_t kShiftJISBase = 0x0A01;
constexpr std::uint32_t kEUCJPBase = 0x0920;
constexpr std::uint32_t kISO2022JPBase = 0x0820;

} // namespace

TextEncoding::TextEncoding(std::string internetName, std::uint32_t base, std::uint32_t variant,
                           std::uint32_t format)
    : internetName_(std::move(internetName)), base_(base), variant_(variant), format_(format) {}

namespace Encodings {

const TextEncoding* SystemDefault() {
    return UTF8();
}

const TextEncoding* MacJapanese() {
    static const MacJapaneseEncoding encoding;
    return &encoding;
}

const TextEncoding* UTF8() {
    static const IcuEncoding encoding("UTF-8", kUnicodeBase, 0, kUTF8Format, "UTF-8", "UTF-8");
    return &encoding;
}

const TextEncoding* UTF16() {
    static const IcuEncoding encoding("UTF-16", kUnicodeBase, 0, kUTF16Format, "UTF-16",
                                      "UTF-16BE");
    return &encoding;
}

const TextEncoding* ShiftJIS() {
    static const IcuEncoding encoding("Shift_JIS", kShiftJISBase, 0, 0, "Shift_JIS", "Shift_JIS");
    return &encoding;
}

const TextEncoding* EUCJP() {
    static const IcuEncoding encoding("EUC-JP", kEUCJPBase, 0, 0, "EUC-JP", "EUC-JP");
    return &encoding;
}

const TextEncoding* ISO2022JP() {
    static const IcuEncoding encoding("ISO-2022-JP", kISO2022JPBase, 0, 0, "ISO-2022-JP",
                                      "ISO-2022-JP");
    return &encoding;
}

} // namespace Encodings

const TextEncoding* GetTextEncoding(std::uint32_t base, std::uint32_t /*variant*/,
                                    std::uint32_t format) {
    const std::array all{Encodings::MacJapanese(), Encodings::UTF8(),  Encodings::UTF16(),
                         Encodings::ShiftJIS(),    Encodings::EUCJP(), Encodings::ISO2022JP()};
    for (const TextEncoding* encoding : all) {
        const bool formatMatches = base != kUnicodeBase || encoding->format() == format;
        if (encoding->base() == base && formatMatches)
            return encoding;
    }
    return nullptr;
}
