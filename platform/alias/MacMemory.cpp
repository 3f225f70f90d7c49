#include "platform/alias/MacMemory.h"

#include <cstdlib>
#include <new>

namespace {

// The master pointer comes first, so a Handle (its address) leads back to
// the whole record.
struct MasterBlock {
    Ptr bytes = nullptr;
    Size size = 0;
    SInt8 flags = 0;
};

OSErr lastMemoryResult = noErr;
std::size_t blocksInUse = 0;

OSErr Result(OSErr result) {
    return lastMemoryResult = result;
}

// The record behind h; nullptr (and nilHandleErr) for a null handle.
MasterBlock* BlockOf(Handle h) {
    Result(h == nullptr ? nilHandleErr : noErr);
    return reinterpret_cast<MasterBlock*>(h);
}

// malloc rather than new: an absurd size must give no block, not an abort.
Ptr AllocateBytes(Ptr old, Size size) {
    return static_cast<Ptr>(std::realloc(old, size > 0 ? static_cast<std::size_t>(size) : 1));
}

bool IsLocked(const MasterBlock* block) {
    return (block->flags & kHandleLockedMask) != 0;
}

} // namespace

Handle NewHandle(Size size) {
    if (size < 0) {
        Result(paramErr);
        return nullptr;
    }
    auto* block = new (std::nothrow) MasterBlock;
    if (block != nullptr)
        block->bytes = AllocateBytes(nullptr, size);
    if (block == nullptr || block->bytes == nullptr) {
        delete block;
        Result(memFullErr);
        return nullptr;
    }
    block->size = size;
    ++blocksInUse;
    Result(noErr);
    return &block->bytes;
}

Size GetHandleSize(Handle h) {
    const MasterBlock* block = BlockOf(h);
    return block != nullptr ? block->size : 0;
}

void SetHandleSize(Handle h, Size newSize) {
    MasterBlock* block = BlockOf(h);
    if (block == nullptr)
        return;
    if (newSize < 0) {
        Result(paramErr);
    } else if (IsLocked(block) && newSize <= block->size) {
        block->size = newSize; // shrinks in place: the bytes stay where they are
    } else if (IsLocked(block)) {
        Result(memLockedErr);
    } else if (Ptr moved = AllocateBytes(block->bytes, newSize); moved == nullptr) {
        Result(memFullErr);
    } else {
        block->bytes = moved;
        block->size = newSize;
    }
}

SInt8 HGetState(Handle h) {
    const MasterBlock* block = BlockOf(h);
    return block != nullptr ? block->flags : 0;
}

void HSetState(Handle h, SInt8 flags) {
    if (MasterBlock* block = BlockOf(h))
        block->flags = flags;
}

void HLock(Handle h) {
    if (MasterBlock* block = BlockOf(h))
        block->flags = static_cast<SInt8>(block->flags | kHandleLockedMask);
}

void DisposeHandle(Handle h) {
    MasterBlock* block = BlockOf(h);
    if (block == nullptr)
        return;
    std::free(block->bytes);
    delete block;
    --blocksInUse;
}

OSErr MemError() {
    return lastMemoryResult;
}

std::size_t HandlesInUse() {
    return blocksInUse;
}
