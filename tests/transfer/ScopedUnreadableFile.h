#pragma once
// Makes a file unreadable to this process for one test, also when the test
// runs as root: the file loses its permissions, and the calling thread the
// capabilities that let root read it anyway. Threads started meanwhile (the
// background copies) inherit that; both come back when the object goes.

#include <string>

class ScopedUnreadableFile {
public:
    explicit ScopedUnreadableFile(std::string path);
    ~ScopedUnreadableFile();
    ScopedUnreadableFile(const ScopedUnreadableFile&) = delete;
    ScopedUnreadableFile& operator=(const ScopedUnreadableFile&) = delete;

private:
    std::string path_;
    unsigned oldPermissions_ = 0;
    unsigned oldEffective_ = 0;
    bool capabilitiesDropped_ = false;
};
