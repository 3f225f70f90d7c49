#include "tests/support/ScopedOrdinaryFileRights.h"

#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <stdexcept>

namespace {

// Root passes over permission bits through the first two, and acts on
// another user's entries as their owner through the third.
constexpr unsigned kOverrides =
    (1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH) | (1u << CAP_FOWNER);

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

ScopedOrdinaryFileRights::ScopedOrdinaryFileRights() : oldEffective_(Current().data[0].effective) {
    if ((oldEffective_ & kOverrides) != 0) {
        SetEffective(oldEffective_ & ~kOverrides);
        dropped_ = true;
    }
}

ScopedOrdinaryFileRights::~ScopedOrdinaryFileRights() {
    try {
        if (dropped_)
            SetEffective(oldEffective_);
    } catch (const std::runtime_error&) {
        // The test has failed already if the capabilities can't come back.
    }
}
