#pragma once
// An open file descriptor, closed when its owner is done with it.

#include <unistd.h>

#include <cerrno>

namespace files {

class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    Descriptor(Descriptor&& other) noexcept : fd_(other.Release()) {}
    Descriptor& operator=(Descriptor&& other) noexcept {
        Reset(other.Release());
        return *this;
    }

    void Reset(int fd) {
        if (fd_ >= 0)
            ::close(fd_);
        fd_ = fd;
    }

    int get() const { return fd_; }
    // Hands the descriptor to a new owner, which closes it.
    int Release() {
        const int fd = fd_;
        fd_ = -1;
        return fd;
    }
    bool IsOpen() const { return fd_ >= 0; }

    // Closing a written file may report a late write error (network volumes):
    // 0 or the errno.
    int Close() {
        const int result = ::close(fd_);
        fd_ = -1;
        return result == 0 ? 0 : errno;
    }

private:
    int fd_;
};

} // namespace files
