#pragma once
// The raw entries of an open folder, "." and ".." left out, companions kept.

#include <string>
#include <vector>

namespace files {

// errorNumber: 0, or why the folder could not be read to its end.
std::vector<std::string> ReadEntryNames(int folderFd, int& errorNumber);

} // namespace files
