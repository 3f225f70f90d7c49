// Any bytes, under any key, decode to one byte per pair and end.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "gather/Enigma.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The first byte tells how many of the following bytes form the key.
    const std::size_t keyLength = size > 0 ? data[0] % 4 : 0;
    const std::size_t textStart = std::min(size, 1 + keyLength);
    const std::string key(reinterpret_cast<const char*>(data) + std::min<std::size_t>(size, 1),
                          reinterpret_cast<const char*>(data) + textStart);
    const std::string text(reinterpret_cast<const char*>(data) + textStart,
                           reinterpret_cast<const char*>(data) + size);
    const String decoded = Enigma::Decode(String::FromBytes(text), String::FromBytes(key));
    if (decoded.Bytes().size() != (text.size() + 1) / 2 || decoded.Encoding() != nullptr)
        std::abort();
    return 0;
}
