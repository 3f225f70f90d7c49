#include "tests/support/ScopedRamDisk.h"

#include <sys/mount.h>

ScopedRamDisk::ScopedRamDisk()
    : mounted_(mount("ramfs", folder_.Path().c_str(), "ramfs", 0, nullptr) == 0) {}

ScopedRamDisk::~ScopedRamDisk() {
    if (mounted_)
        umount2(folder_.Path().c_str(), MNT_DETACH);
}
