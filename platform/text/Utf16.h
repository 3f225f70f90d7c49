#pragma once
// Walking UTF-16 text one code point at a time.

#include <cstddef>
#include <string_view>

// How many code units the code point at `index` takes: 2 for a whole surrogate pair, else 1.
inline std::size_t CodePointUnits(std::u16string_view text, std::size_t index) {
    const bool high = text[index] >= 0xD800 && text[index] <= 0xDBFF;
    const bool lowFollows =
        index + 1 < text.size() && text[index + 1] >= 0xDC00 && text[index + 1] <= 0xDFFF;
    return high && lowFollows ? 2 : 1;
}
