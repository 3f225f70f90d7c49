#pragma once
// The framework's text encodings. Each encoding is one shared object that
// lives for the whole run; compare them by address, or by internet name when
// two flavours count as the same (Mac Japanese and plain Shift_JIS both
// answer "Shift_JIS"). Every encoding reads its bytes into UTF-16 and writes
// UTF-16 back: bytes it cannot read become U+FFFD, characters it cannot
// write become "?".

#include <cstdint>
#include <string>
#include <string_view>

class TextEncoding {
public:
    TextEncoding(const TextEncoding&) = delete;
    TextEncoding& operator=(const TextEncoding&) = delete;
    virtual ~TextEncoding() = default;

    // The IANA name, such as "UTF-8" or "Shift_JIS".
    const std::string& internetName() const { return internetName_; }

    // The Mac OS text-encoding code: base, variant and format.
    std::uint32_t base() const { return base_; }
    std::uint32_t variant() const { return variant_; }
    std::uint32_t format() const { return format_; }

    virtual std::u16string ToUnicode(std::string_view bytes) const = 0;
    virtual std::string FromUnicode(std::u16string_view text) const = 0;

protected:
    TextEncoding(std::string internetName, std::uint32_t base, std::uint32_t variant,
                 std::uint32_t format);

private:
    std::string internetName_;
    std::uint32_t base_;
    std::uint32_t variant_;
    std::uint32_t format_;
};

namespace Encodings {
const TextEncoding* SystemDefault(); // UTF-8 on Linux and macOS: the same object as UTF8()
const TextEncoding* MacJapanese();   // Shift_JIS with Apple's own single bytes
const TextEncoding* UTF8();
const TextEncoding* UTF16();    // reads a byte-order mark; writes big-endian without one
const TextEncoding* ShiftJIS(); // the plain (Microsoft) flavour
const TextEncoding* EUCJP();
const TextEncoding* ISO2022JP();
} // namespace Encodings

// The encoding with this Mac OS text-encoding code, or nullptr when there is
// none. The variant does not select anything; the format tells the Unicode
// forms apart (0 UTF-16, 2 UTF-8).
const TextEncoding* GetTextEncoding(std::uint32_t base, std::uint32_t variant,
                                    std::uint32_t format);
