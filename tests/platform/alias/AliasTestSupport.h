#pragma once
// Resolving record bytes through a handle, and walking the catalogue from a
// resolved item up to its volume's root, as the application does.

#include <cstring>
#include <string>

#include "platform/alias/Aliases.h"

struct Resolution {
    OSErr err = noErr;
    FSSpec target;
    std::string Name() const {
        return std::string(reinterpret_cast<const char*>(target.name + 1), target.name[0]);
    }
};

inline Resolution Resolve(const std::string& record) {
    Resolution result;
    Handle h = NewHandle(static_cast<Size>(record.size()));
    std::memcpy(*h, record.data(), record.size());
    bool wasChanged = true;
    result.err = ResolveAlias(nullptr, h, &result.target, &wasChanged);
    DisposeHandle(h);
    return result;
}

// "Volume:Folder:...:" for directory dirID, in Mac Japanese: the names up to
// the first failing query, which is the one about the root's parent.
inline std::string CataloguePath(SInt16 vRefNum, SInt32 dirID) {
    Str255 name = {};
    CInfoPBRec pb;
    pb.ioNamePtr = name;
    pb.ioVRefNum = vRefNum;
    pb.ioFDirIndex = -1;
    pb.ioDrParID = dirID;
    std::string path;
    for (int depth = 0; depth < 100; ++depth) {
        pb.ioDrDirID = pb.ioDrParID;
        if (PBGetCatInfoSync(&pb) != noErr)
            break;
        path = std::string(reinterpret_cast<const char*>(name + 1), name[0]) + ":" + path;
    }
    return path;
}
