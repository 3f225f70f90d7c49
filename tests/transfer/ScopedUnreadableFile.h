#pragma once
// Makes a file unreadable to this process for one test, also when the test
// runs as root: the file loses its permissions, and the calling thread the
// rights that let root read it anyway (see ScopedOrdinaryFileRights.h).

#include <optional>
#include <string>

#include "tests/support/ScopedOrdinaryFileRights.h"

class ScopedUnreadableFile {
public:
    explicit ScopedUnreadableFile(std::string path);
    ~ScopedUnreadableFile();
    ScopedUnreadableFile(const ScopedUnreadableFile&) = delete;
    ScopedUnreadableFile& operator=(const ScopedUnreadableFile&) = delete;

private:
    std::string path_;
    unsigned oldPermissions_ = 0;
    std::optional<ScopedOrdinaryFileRights> rights_;
};
