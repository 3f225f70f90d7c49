#pragma once
// Exchanging two entries of one file system in a single step, so that at no
// moment either name is missing.

#include <string>

namespace files {

// Swaps folderA/nameA and folderB/nameB (open folders). 0 or the errno;
// EINVAL or ENOTSUP where the file system can't swap.
int SwapEntries(int folderA, const std::string& nameA, int folderB, const std::string& nameB);

} // namespace files
