// Any bytes, read as an alias record and resolved from a handle, are either
// a record or refused; nothing reads outside them.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <span>

#include "platform/alias/AliasRecord.h"
#include "platform/alias/Aliases.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const bool parsed = ParseAliasRecord(std::span(data, size)).has_value();

    Handle h = NewHandle(static_cast<Size>(size));
    if (h == nullptr)
        return 0;
    std::memcpy(*h, data, size);
    FSSpec target;
    bool wasChanged = true;
    const OSErr err = ResolveAlias(nullptr, h, &target, &wasChanged);
    DisposeHandle(h);
    if (err == noErr && (!parsed || target.name[0] > 63))
        std::abort();
    if (!parsed && err != paramErr)
        std::abort();
    return 0;
}
