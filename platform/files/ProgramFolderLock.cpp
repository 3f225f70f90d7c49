#include "platform/files/ProgramFolderLock.h"

#include "platform/files/Descriptor.h"
#include "platform/files/ProgramFolder.h"

#include <fcntl.h>
#include <sys/file.h>

#include <cerrno>

namespace files {

bool LockProgramFolder() {
    // Kept open until the process ends; its close is what frees the folder.
    static int lockedFolder = -1;
    if (lockedFolder >= 0)
        return true;
    Descriptor folder(open(ProgramFolder().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!folder.IsOpen())
        return true;
    if (flock(folder.get(), LOCK_EX | LOCK_NB) == 0) {
        lockedFolder = folder.Release();
        return true;
    }
    return errno != EWOULDBLOCK;
}

} // namespace files
