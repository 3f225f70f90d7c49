#include "platform/alias/MacNames.h"

#include <unicode/normalizer2.h>
#include <unicode/unistr.h>

#include <algorithm>

#include "platform/text/TextEncoding.h"

namespace alias {

namespace {

template <typename Text>
Text Swapped(Text name, typename Text::value_type from, typename Text::value_type to) {
    std::replace(name.begin(), name.end(), from, to);
    return name;
}

// Disks written by a Mac keep names decomposed; Mac Japanese codes only the
// composed characters.
std::u16string Composed(std::u16string_view text) {
    UErrorCode status = U_ZERO_ERROR;
    const icu::Normalizer2* nfc = icu::Normalizer2::getNFCInstance(status);
    if (U_FAILURE(status))
        return std::u16string(text);
    const icu::UnicodeString source(false, text.data(), static_cast<int32_t>(text.size()));
    const icu::UnicodeString composed = nfc->normalize(source, status);
    if (U_FAILURE(status))
        return std::u16string(text);
    return std::u16string(composed.getBuffer(), static_cast<std::size_t>(composed.length()));
}

} // namespace

std::optional<std::string> MacJapaneseName(std::string_view diskName, std::size_t maxBytes) {
    const std::u16string unicode =
        Composed(Swapped(Encodings::UTF8()->ToUnicode(diskName), u':', u'/'));
    const TextEncoding* macJapanese = Encodings::MacJapanese();
    std::string bytes = macJapanese->FromUnicode(unicode);
    // A character without a code comes out as "?": reading back tells.
    if (bytes.size() > maxBytes || macJapanese->ToUnicode(bytes) != unicode)
        return std::nullopt;
    return bytes;
}

std::string DiskName(std::string_view macJapaneseName) {
    return DiskName(Encodings::MacJapanese()->ToUnicode(macJapaneseName));
}

std::string DiskName(std::u16string_view unicodeName) {
    return Encodings::UTF8()->FromUnicode(Swapped(std::u16string(unicodeName), u'/', u':'));
}

} // namespace alias
