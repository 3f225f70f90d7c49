#pragma once
// The writing side of the preference-value code, as the products that write
// "pref2" files apply it: each byte becomes a pair of alphabet characters.
// It keeps its own copy of the seed table, so tests notice when the
// decoder's table or seed derivation changes.

#include <cstdint>
#include <string>
#include <string_view>

namespace testprefs {

inline constexpr std::string_view DecoderKey = "3y";

// The seed that both sides derive from key.
std::int32_t EnigmaSeed(std::string_view key);

// The pairs that decode to bytes with key. Throws std::length_error when the
// value is too long: past about 3500 bytes the pair number no longer lets
// every byte be written.
std::string EnigmaEncode(std::string_view bytes, std::string_view key = DecoderKey);

} // namespace testprefs
