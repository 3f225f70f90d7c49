#pragma once
// An encoding that ICU converts by itself. Each direction keeps one opened
// converter, shared under a lock, so that conversions cost no converter set-up.

#include "platform/text/TextEncoding.h"

#include <mutex>

struct UConverter;

class IcuEncoding final : public TextEncoding {
public:
    // readerName and writerName are ICU converter names; they differ where
    // reading should accept more than writing produces (a byte-order mark).
    IcuEncoding(std::string internetName, std::uint32_t base, std::uint32_t variant,
                std::uint32_t format, const char* readerName, const char* writerName);
    ~IcuEncoding() override;

    std::u16string ToUnicode(std::string_view bytes) const override;
    std::string FromUnicode(std::u16string_view text) const override;

private:
    mutable std::mutex mutex_;
    UConverter* reader_ = nullptr;
    UConverter* writer_ = nullptr;
};
