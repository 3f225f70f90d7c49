#pragma once
// Giving an entry a new name within its folder without ever replacing an
// entry that already has that name.

#include <string>

namespace files {

// Renames `from` to `to` inside the open folder. 0 or the errno; EEXIST when
// an entry named `to` is there.
int RenameWithoutReplacing(int folderFd, const std::string& from, const std::string& to);

} // namespace files
