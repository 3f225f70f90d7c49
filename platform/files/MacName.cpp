#include "platform/files/MacName.h"

#include <unicode/normalizer2.h>
#include <unicode/unistr.h>

#include <algorithm>

namespace files {

namespace {

bool IsAscii(std::string_view text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// Folding and decomposing ASCII is lower-casing: the common case, kept off ICU.
std::u16string AsciiKey(std::string_view name) {
    std::u16string key(name.size(), u'\0');
    std::transform(name.begin(), name.end(), key.begin(), [](char c) {
        return static_cast<char16_t>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    });
    return key;
}

} // namespace

std::u16string MacNameKey(std::string_view name) {
    if (IsAscii(name))
        return AsciiKey(name);
    UErrorCode status = U_ZERO_ERROR;
    const icu::Normalizer2* nfd = icu::Normalizer2::getNFDInstance(status);
    icu::UnicodeString text = icu::UnicodeString::fromUTF8(
        icu::StringPiece(name.data(), static_cast<int32_t>(name.size())));
    if (U_SUCCESS(status)) {
        // Decompose first so that folding sees base letters, then again because
        // folding may compose.
        text = nfd->normalize(text, status);
        text.foldCase();
        text = nfd->normalize(text, status);
    }
    return std::u16string(text.getBuffer(), static_cast<std::size_t>(text.length()));
}

bool SameMacName(std::string_view a, std::string_view b) {
    return a == b || MacNameKey(a) == MacNameKey(b);
}

} // namespace files
