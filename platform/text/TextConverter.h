#pragma once
// The framework's text converter: reads a text's bytes in one encoding and
// writes the same characters in another, labelled with it.

#include "platform/text/String.h"

#include <memory>

class TextEncoding;

class TextConverter {
public:
    TextConverter(const TextEncoding& source, const TextEncoding& destination);

    // The bytes of `text` are read in the converter's source encoding, whatever its label says.
    String Convert(const String& text) const;

private:
    const TextEncoding& source_;
    const TextEncoding& destination_;
};

// A converter between the two encodings, or nullptr when either is missing.
std::unique_ptr<TextConverter> GetTextConverter(const TextEncoding* source,
                                                const TextEncoding* destination);
