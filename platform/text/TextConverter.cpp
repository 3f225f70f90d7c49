#include "platform/text/TextConverter.h"

#include "platform/text/TextEncoding.h"

TextConverter::TextConverter(const TextEncoding& source, const TextEncoding& destination)
    : source_(source), destination_(destination) {}

String TextConverter::Convert(const String& text) const {
    return String::FromBytes(destination_.FromUnicode(source_.ToUnicode(text.Bytes())),
                             &destination_);
}

std::unique_ptr<TextConverter> GetTextConverter(const TextEncoding* source,
                                                const TextEncoding* destination) {
    if (source == nullptr || destination == nullptr)
        return nullptr;
    return std::make_unique<TextConverter>(*source, *destination);
}
