#include "platform/alias/Files.h"

#include <algorithm>

#include "platform/alias/Catalogue.h"
#include "platform/alias/MacNames.h"

namespace {

constexpr SInt16 DirectoryByID = -1;

OSErr Query(CInfoPBRec& pb) {
    if (pb.ioFDirIndex != DirectoryByID)
        return paramErr;
    alias::Catalogue::Directory directory;
    if (const OSErr err =
            alias::Catalogue::Instance().Lookup(pb.ioVRefNum, pb.ioDrDirID, directory))
        return err;
    const auto name = alias::MacJapaneseName(directory.name, 255);
    if (!name)
        return bdNamErr;
    if (pb.ioNamePtr != nullptr) {
        pb.ioNamePtr[0] = static_cast<unsigned char>(name->size());
        std::copy(name->begin(), name->end(), pb.ioNamePtr + 1);
    }
    pb.ioDrParID = directory.parentID;
    return noErr;
}

} // namespace

OSErr PBGetCatInfoSync(CInfoPBRec* pb) {
    if (pb == nullptr)
        return paramErr;
    return pb->ioResult = Query(*pb);
}
