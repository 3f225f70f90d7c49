#include "platform/alias/Catalogue.h"

#include "platform/files/PosixPath.h"

namespace alias {

namespace {

// IDs below 16 are the Mac's own.
constexpr SInt32 FirstFolderID = 16;

SInt16 RefOfIndex(std::size_t index) {
    return static_cast<SInt16>(-1 - static_cast<int>(index));
}

bool IsBelow(const std::string& path, const std::string& root) {
    const std::string prefix = root == "/" ? root : root + "/";
    return path.size() > prefix.size() && path.compare(0, prefix.size(), prefix) == 0;
}

} // namespace

Catalogue& Catalogue::Instance() {
    static Catalogue catalogue;
    return catalogue;
}

SInt16 Catalogue::VolumeRef(const FolderItem& volumeRoot) {
    const std::string& rootPath = volumeRoot.PosixPath();
    for (std::size_t i = 0; i < volumes_.size(); ++i) {
        if (volumes_[i].rootPath == rootPath) {
            volumes_[i].name = volumeRoot.Name().ToUTF8(); // a volume may be renamed
            return RefOfIndex(i);
        }
    }
    volumes_.push_back(Volume{volumeRoot.Name().ToUTF8(), rootPath, {}, {}});
    return RefOfIndex(volumes_.size() - 1);
}

Catalogue::Volume* Catalogue::VolumeOf(SInt16 vRefNum) {
    const int index = -1 - vRefNum;
    if (index < 0 || index >= static_cast<int>(volumes_.size()))
        return nullptr;
    return &volumes_[static_cast<std::size_t>(index)];
}

SInt32 Catalogue::DirectoryID(SInt16 vRefNum, const std::string& posixPath) {
    Volume* volume = VolumeOf(vRefNum);
    if (volume == nullptr)
        return 0;
    if (posixPath == volume->rootPath)
        return kRootDirID;
    if (!IsBelow(posixPath, volume->rootPath))
        return 0;
    const auto [entry, added] = volume->idOfPath.try_emplace(
        posixPath, FirstFolderID + static_cast<SInt32>(volume->pathOfID.size()));
    if (added)
        volume->pathOfID.push_back(posixPath);
    return entry->second;
}

OSErr Catalogue::Lookup(SInt16 vRefNum, SInt32 dirID, Directory& directory) {
    Volume* volume = VolumeOf(vRefNum);
    if (volume == nullptr)
        return nsvErr;
    if (dirID == kRootDirID) {
        directory = {volume->name, kRootParentID};
        return noErr;
    }
    const std::size_t index = static_cast<std::size_t>(dirID) - FirstFolderID;
    if (dirID < FirstFolderID || index >= volume->pathOfID.size())
        return dirNFErr;
    const std::string path = volume->pathOfID[index];
    if (!FolderItem::AtPosixPath(path).Directory())
        return dirNFErr;
    directory = {std::string(files::BaseName(path)),
                 DirectoryID(vRefNum, std::string(files::ParentPath(path)))};
    return noErr;
}

} // namespace alias
