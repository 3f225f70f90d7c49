#pragma once
// Names between the disk's spelling (UTF-8, as the file layer gives them)
// and the Mac's (Mac Japanese, composed, "/" where the disk has ":").

#include <optional>
#include <string>
#include <string_view>

namespace alias {

// The Mac's spelling of a name from the disk; nothing when a character has no
// Mac Japanese code or the result would exceed maxBytes.
std::optional<std::string> MacJapaneseName(std::string_view diskName, std::size_t maxBytes);

// The disk's spelling of a Mac name: from Mac Japanese bytes, or from UTF-16.
std::string DiskName(std::string_view macJapaneseName);
std::string DiskName(std::u16string_view unicodeName);

} // namespace alias
