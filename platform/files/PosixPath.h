#pragma once
// Plain text operations on absolute POSIX paths; nothing here touches the disk.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace files {

// folder + "/" + name, without doubling the slash of the root.
std::string JoinPath(std::string_view folder, std::string_view name);

// The last component ("/" for the root itself).
std::string_view BaseName(std::string_view path);

// The folder holding the path ("/" for the root and its direct entries).
std::string_view ParentPath(std::string_view path);

// The components of a path, without empty ones and "."; ".." is kept.
std::vector<std::string> SplitPath(std::string_view path);

// The absolute path with "." and ".." applied and no doubled or trailing "/";
// nullopt when it is not absolute or holds a NUL byte.
std::optional<std::string> NormalisedAbsolutePath(std::string_view path);

// Whether a name may stand as one entry of a folder: not empty, not "." or
// "..", no "/" or NUL, at most 255 bytes.
bool IsValidEntryName(std::string_view name);

bool IsValidUTF8(std::string_view bytes);

} // namespace files
