#pragma once
// The Mac's basic types and result codes, as the alias, catalogue and memory
// calls of this layer take and return them.

#include <cstdint>

using SInt8 = std::int8_t;
using SInt16 = std::int16_t;
using SInt32 = std::int32_t;
using UInt8 = std::uint8_t;
using UInt16 = std::uint16_t;
using UInt32 = std::uint32_t;
using Size = long;
using OSErr = SInt16;

// Length-prefixed strings: a length byte, then that many bytes.
using StringPtr = unsigned char*;
using Str63 = unsigned char[64];
using Str255 = unsigned char[256];

enum : OSErr {
    noErr = 0,
    nsvErr = -35,        // no such volume
    bdNamErr = -37,      // a name this call cannot express
    fnfErr = -43,        // file or folder not found
    paramErr = -50,      // a malformed argument, such as a damaged alias record
    memFullErr = -108,   // not enough memory
    nilHandleErr = -109, // a null handle where a block was needed
    memLockedErr = -117, // a locked block cannot move
    dirNFErr = -120,     // directory not found
};
