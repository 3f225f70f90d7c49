#include "platform/text/IcuEncoding.h"

#include <unicode/ucnv.h>

#include <limits>
#include <stdexcept>

namespace {

UConverter* OpenConverter(const char* name) {
    UErrorCode status = U_ZERO_ERROR;
    UConverter* converter = ucnv_open(name, &status);
    if (U_FAILURE(status)) {
        throw std::runtime_error(std::string("ICU has no converter for ") + name + ": " +
                                 u_errorName(status));
    }
    // Characters the encoding lacks become "?", written in the encoding itself.
    ucnv_setSubstString(converter, u"?", 1, &status);
    return converter;
}

int32_t CheckedLength(std::size_t length) {
    if (length > static_cast<std::size_t>(std::numeric_limits<int32_t>::max() / 4)) {
        throw std::length_error("text too long to convert");
    }
    return static_cast<int32_t>(length);
}

} // namespace

IcuEncoding::IcuEncoding(std::string internetName, std::uint32_t base, std::uint32_t variant,
                         std::uint32_t format, const char* readerName, const char* writerName)
    : TextEncoding(std::move(internetName), base, variant, format),
      reader_(OpenConverter(readerName)), writer_(OpenConverter(writerName)) {}

IcuEncoding::~IcuEncoding() {
    ucnv_close(reader_);
    ucnv_close(writer_);
}

std::u16string IcuEncoding::ToUnicode(std::string_view bytes) const {
    const int32_t length = CheckedLength(bytes.size());
    std::u16string text(bytes.size() + 1, u'\0');
    std::lock_guard lock(mutex_);
    for (;;) {
        UErrorCode status = U_ZERO_ERROR;
        const int32_t units = ucnv_toUChars(reader_, text.data(), static_cast<int32_t>(text.size()),
                                            bytes.data(), length, &status);
        if (status == U_BUFFER_OVERFLOW_ERROR) {
            text.resize(static_cast<std::size_t>(units));
            continue;
        }
        text.resize(U_SUCCESS(status) ? static_cast<std::size_t>(units) : 0);
        return text;
    }
}

std::string IcuEncoding::FromUnicode(std::u16string_view text) const {
    const int32_t length = CheckedLength(text.size());
    std::string bytes(text.size() * 3 + 8, '\0');
    std::lock_guard lock(mutex_);
    for (;;) {
        UErrorCode status = U_ZERO_ERROR;
        const int32_t written =
            ucnv_fromUChars(writer_, bytes.data(), static_cast<int32_t>(bytes.size()), text.data(),
                            length, &status);
        if (status == U_BUFFER_OVERFLOW_ERROR) {
            bytes.resize(static_cast<std::size_t>(written));
            continue;
        }
        bytes.resize(U_SUCCESS(status) ? static_cast<std::size_t>(written) : 0);
        return bytes;
    }
}
