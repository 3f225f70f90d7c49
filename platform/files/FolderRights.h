#pragma once
// Changing a folder's rights through a handle on the folder itself, so that
// a link put in its place is never followed.

#include <string>

namespace files {

// Gives the owner every right on the folder of that name in the open folder,
// which may be one that can't be opened for reading; false when it is no
// folder (a link included) or its rights can't be changed.
bool MakeFolderWritable(int folderFd, const std::string& name);

} // namespace files
