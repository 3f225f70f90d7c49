#include "tests/support/ScopedImmutableEntry.h"

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <utility>

namespace {

bool SetImmutable(const std::string& path, bool immutable) {
    const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return false;
    int flags = 0;
    bool done = ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    if (done) {
        flags = immutable ? flags | FS_IMMUTABLE_FL : flags & ~FS_IMMUTABLE_FL;
        done = ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    }
    close(fd);
    return done;
}

} // namespace

ScopedImmutableEntry::ScopedImmutableEntry(std::string path)
    : path_(std::move(path)), set_(SetImmutable(path_, true)) {}

ScopedImmutableEntry::~ScopedImmutableEntry() {
    if (set_)
        SetImmutable(path_, false);
}
