#pragma once
// Giving an entry a new name without ever replacing an entry that already
// has that name.

#include <string>

namespace files {

// Renames fromFolder/from to toFolder/to (open folders of one file system).
// 0 or the errno; EEXIST when an entry named `to` is there.
int RenameWithoutReplacing(int fromFolder, const std::string& from, int toFolder,
                           const std::string& to);

} // namespace files
