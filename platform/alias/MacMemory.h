#pragma once
// Relocatable memory blocks as the Mac's Memory Manager hands them out. A
// Handle points to a master pointer, so the block's bytes are *h; the block
// may move when its size changes, unless it is locked.

#include <cstddef>

#include "platform/alias/MacTypes.h"

using Ptr = char*;
using Handle = Ptr*;

// State flags of a block.
inline constexpr SInt8 kHandleLockedMask = static_cast<SInt8>(0x80);

// A new block of size bytes, or nullptr (MemError memFullErr) when the memory
// cannot be had; a negative size gives nullptr with paramErr.
Handle NewHandle(Size size);

// The block's byte count; 0 for a null handle.
Size GetHandleSize(Handle h);

// Grows or shrinks the block, keeping its first bytes. A block that cannot be
// had, or a locked block that would have to move, is left as it was and
// MemError tells why.
void SetHandleSize(Handle h, Size newSize);

SInt8 HGetState(Handle h);
void HSetState(Handle h, SInt8 flags);
void HLock(Handle h);

// Releases the block; a null handle is ignored.
void DisposeHandle(Handle h);

// The result of the last call above.
OSErr MemError();

// Blocks made and not yet disposed of: how a leak of handles shows.
std::size_t HandlesInUse();
