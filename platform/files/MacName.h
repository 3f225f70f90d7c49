#pragma once
// Names compared the way a Mac disk compares them: HFS+ and APFS take names
// that differ only in letter case or Unicode normalisation for the same name,
// so "Contents" answers to "contents" and a composed "が" to a decomposed one.

#include <string>
#include <string_view>

namespace files {

// A key that two names share exactly when a Mac disk takes them for one name;
// keys in code-unit order give the order in which HFS+ lists a folder. Bytes
// that are not UTF-8 count as U+FFFD, so any name gets a key.
std::u16string MacNameKey(std::string_view name);

bool SameMacName(std::string_view a, std::string_view b);

} // namespace files
