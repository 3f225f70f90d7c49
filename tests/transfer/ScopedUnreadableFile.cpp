#include "tests/transfer/ScopedUnreadableFile.h"

#include <linux/capability.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <stdexcept>

#include "tests/support/FileFacts.h"

namespace {

// Root reads whatever the permissions say through these two.
constexpr unsigned kReadOverrides = (1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH);

struct Capabilities {
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct data[_LINUX_CAPABILITY_U32S_3]{};
};

Capabilities Current() {
    Capabilities capabilities;
    if (syscall(SYS_capget, &capabilities.header, capabilities.data) != 0)
        throw std::runtime_error("capget failed");
    return capabilities;
}

void SetEffective(unsigned effective) {
    Capabilities capabilities = Current();
    capabilities.data[0].effective = effective;
    if (syscall(SYS_capset, &capabilities.header, capabilities.data) != 0)
        throw std::runtime_error("capset failed");
}

} // namespace

ScopedUnreadableFile::ScopedUnreadableFile(std::string path) : path_(std::move(path)) {
    oldPermissions_ = PermissionsOf(path_);
    if (chmod(path_.c_str(), 0) != 0)
        throw std::runtime_error("chmod failed: " + path_);
    oldEffective_ = Current().data[0].effective;
    if ((oldEffective_ & kReadOverrides) != 0) {
        SetEffective(oldEffective_ & ~kReadOverrides);
        capabilitiesDropped_ = true;
    }
}

ScopedUnreadableFile::~ScopedUnreadableFile() {
    try {
        if (capabilitiesDropped_)
            SetEffective(oldEffective_);
    } catch (const std::runtime_error&) {
        // The test has failed already if the capabilities can't come back.
    }
    chmod(path_.c_str(), oldPermissions_);
}
