#pragma once
// Removing entries without ever following a symbolic link.

#include <string>

namespace files {

// Removes a file or link, or a folder that holds nothing but AppleDouble
// companions, and the entry's own companion beside it.
bool RemoveEntry(const std::string& path, std::string& error);

// Removes the entry of that name in the open folder with everything inside
// it; for undoing a copy that failed half-way.
void RemoveTree(int folderFd, const std::string& name);

} // namespace files
