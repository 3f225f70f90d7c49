#include "platform/files/FolderRights.h"

#include "platform/files/Descriptor.h"

#include <fcntl.h>
#include <sys/stat.h>

namespace files {

bool MakeFolderWritable(int folderFd, const std::string& name) {
    // A path handle opens a folder without the right to read it; its entry
    // in /proc names the folder itself.
    const Descriptor folder(
        openat(folderFd, name.c_str(), O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    return folder.IsOpen() &&
           chmod(("/proc/self/fd/" + std::to_string(folder.get())).c_str(), S_IRWXU) == 0;
}

} // namespace files
