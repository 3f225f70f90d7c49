#include "tests/transfer/ScopedUnreadableFile.h"

#include <sys/stat.h>

#include <stdexcept>

#include "tests/support/FileFacts.h"

ScopedUnreadableFile::ScopedUnreadableFile(std::string path) : path_(std::move(path)) {
    oldPermissions_ = PermissionsOf(path_);
    if (chmod(path_.c_str(), 0) != 0)
        throw std::runtime_error("chmod failed: " + path_);
    rights_.emplace();
}

ScopedUnreadableFile::~ScopedUnreadableFile() {
    rights_.reset();
    chmod(path_.c_str(), oldPermissions_);
}
