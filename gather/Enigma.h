#pragma once
// The value decoder of the Solvane and Tessaro preference files ("pref2"):
// every value there is written as pairs of alphabet characters, each pair
// standing for one byte mixed with a seed derived from a key.

#include <cstdint>

#include "platform/text/String.h"

namespace Enigma {

// The bytes that the pairs of s stand for, one per pair, with no encoding set.
String Decode(const String& s, const String& key);

// The seed for key: 1 for the empty key, otherwise 0 to 100.
std::int32_t Initialize(const String& key);

} // namespace Enigma
