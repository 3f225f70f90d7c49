#pragma once
// A RAM file system mounted on a fresh temporary folder for one test: a disk
// that takes no extended attributes, as a FAT or exFAT stick. Mounting needs
// the rights to; Available() says whether it worked, so the test can skip.

#include "tests/support/TemporaryFolder.h"

#include <string>

class ScopedRamDisk {
public:
    ScopedRamDisk();
    ~ScopedRamDisk();
    ScopedRamDisk(const ScopedRamDisk&) = delete;
    ScopedRamDisk& operator=(const ScopedRamDisk&) = delete;

    bool Available() const { return mounted_; }
    const std::string& Path() const { return folder_.Path(); }

private:
    TemporaryFolder folder_;
    bool mounted_ = false;
};
