#pragma once
// Mac Japanese: Shift_JIS in structure, with Apple's own single bytes and
// three two-byte codes of its own. Single bytes are mapped here (every ICU
// Shift_JIS flavour swaps some control bytes); only two-byte pairs go to the
// JIS flavour of Shift_JIS in ICU, which matches Mac Japanese in the JIS rows.

#include "platform/text/IcuEncoding.h"

class MacJapaneseEncoding final : public TextEncoding {
public:
    MacJapaneseEncoding();

    std::u16string ToUnicode(std::string_view bytes) const override;
    std::string FromUnicode(std::u16string_view text) const override;

private:
    char16_t PairToUnicode(unsigned char lead, unsigned char trail) const;
    void AppendPair(std::string& out, std::u16string_view character) const;

    IcuEncoding jisShiftJIS_;
};
