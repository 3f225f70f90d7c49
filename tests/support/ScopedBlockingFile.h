#pragma once
// Makes one regular file read like a regular file of procfs or FUSE that has
// nothing to give yet, for one test: a non-blocking read fails with EAGAIN at
// once; a blocking one waits kWaitMs (standing in for ever) and then gives
// the file's bytes. The file is known by its device and inode, so a link to
// it is read the same way. One at a time.

#include <string>

class ScopedBlockingFile {
public:
    static constexpr int kWaitMs = 2000;

    explicit ScopedBlockingFile(const std::string& path);
    ~ScopedBlockingFile();
    ScopedBlockingFile(const ScopedBlockingFile&) = delete;
    ScopedBlockingFile& operator=(const ScopedBlockingFile&) = delete;
};
