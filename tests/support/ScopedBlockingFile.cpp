#include "tests/support/ScopedBlockingFile.h"

#include "platform/files/TestSeams.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <stdexcept>
#include <thread>

namespace {

std::atomic<dev_t> gDevice{0};
std::atomic<ino_t> gInode{0};

ssize_t ReadAsBlockingFile(int fd, void* buffer, std::size_t count) {
    struct stat info {};
    if (fstat(fd, &info) == 0 && info.st_dev == gDevice.load() && info.st_ino == gInode.load()) {
        if ((fcntl(fd, F_GETFL) & O_NONBLOCK) != 0) {
            errno = EAGAIN;
            return -1;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(ScopedBlockingFile::kWaitMs));
    }
    return ::read(fd, buffer, count);
}

} // namespace

ScopedBlockingFile::ScopedBlockingFile(const std::string& path) {
    struct stat info {};
    if (stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode))
        throw std::runtime_error("no regular file at " + path);
    gDevice = info.st_dev;
    gInode = info.st_ino;
    files::seams::SetRead(ReadAsBlockingFile);
}

ScopedBlockingFile::~ScopedBlockingFile() {
    files::seams::SetRead(nullptr);
    gInode = 0;
    gDevice = 0;
}
