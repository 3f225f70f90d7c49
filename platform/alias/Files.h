#pragma once
// The Mac's file reference record (FSSpec) and catalogue query, over the directory IDs
// that this layer keeps (see Catalogue.h).

#include "platform/alias/MacTypes.h"

// An item named by its volume, the ID of the folder holding it, and its name
// (length-prefixed, Mac Japanese, at most 63 bytes).
struct FSSpec {
    SInt16 vRefNum = 0;
    SInt32 parID = 0;
    Str63 name = {};
};

// The catalogue parameter block, with the fields of a directory query.
struct CInfoPBRec {
    OSErr ioResult = noErr;
    StringPtr ioNamePtr = nullptr; // 256 bytes: receives the name, length-prefixed, Mac Japanese
    SInt16 ioVRefNum = 0;
    SInt16 ioFDirIndex = 0; // -1: ask about the directory ioDrDirID
    SInt32 ioDrDirID = 0;
    SInt32 ioDrParID = 0; // out: the parent's ID (1 above a volume's root)
};

// Fills the name and parent of directory ioDrDirID on volume ioVRefNum.
// Only directory queries (ioFDirIndex -1) are offered; others give paramErr.
OSErr PBGetCatInfoSync(CInfoPBRec* pb);
