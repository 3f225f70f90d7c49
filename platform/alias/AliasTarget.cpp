#include "platform/alias/AliasTarget.h"

#include <string>
#include <vector>

#include "platform/alias/Catalogue.h"
#include "platform/alias/MacNames.h"
#include "platform/files/MacName.h"
#include "platform/files/PosixPath.h"
#include "platform/files/Volumes.h"

namespace alias {

namespace {

std::string VolumeName(const AliasRecord& record) {
    return record.volumeNameUnicode ? DiskName(*record.volumeNameUnicode)
                                    : DiskName(record.volumeName);
}

std::string TargetName(const AliasRecord& record) {
    return record.targetNameUnicode ? DiskName(*record.targetNameUnicode)
                                    : DiskName(record.targetName);
}

FolderItem VolumeNamed(const std::string& name) {
    for (int i = 0, count = VolumeCount(); i < count; ++i) {
        FolderItem volume = Volume(i);
        if (!volume.IsNil() && files::SameMacName(volume.Name().ToUTF8(), name))
            return volume;
    }
    return Nil;
}

// Walks down from folder by disk names; Nil as soon as one is missing.
FolderItem Descend(FolderItem folder, const std::vector<std::string>& names) {
    for (const auto& name : names) {
        if (folder.IsNil())
            break;
        folder = folder.Child(String(name));
    }
    return folder;
}

// The components of "Volume:Folder:Name" after the volume, as disk names.
std::vector<std::string> ColonPathBelowVolume(const std::string& macPath) {
    std::vector<std::string> names;
    std::size_t start = macPath.find(':');
    while (start != std::string::npos) {
        const std::size_t end = macPath.find(':', start + 1);
        const std::string component =
            macPath.substr(start + 1, end == std::string::npos ? end : end - start - 1);
        if (!component.empty())
            names.push_back(DiskName(component));
        start = end;
    }
    return names;
}

// The target in its parent: the volume's root when the parent ID says so,
// else the folder of the parent's name in the root.
std::vector<std::string> ByParentAndName(const AliasRecord& record) {
    const std::string target = TargetName(record);
    if (target.empty())
        return {};
    if (record.parentID == kRootDirID)
        return {target};
    if (!record.parentName || record.parentName->empty())
        return {};
    return {DiskName(*record.parentName), target};
}

} // namespace

OSErr FindAliasTarget(const AliasRecord& record, AliasTarget& target) {
    const FolderItem volume = VolumeNamed(VolumeName(record));
    if (volume.IsNil())
        return nsvErr;

    std::vector<std::vector<std::string>> routes;
    if (record.posixPath)
        routes.push_back(files::SplitPath(*record.posixPath));
    if (record.absolutePath)
        routes.push_back(ColonPathBelowVolume(*record.absolutePath));
    routes.push_back(ByParentAndName(record));

    const bool wantFolder = record.kind == AliasKind::Folder;
    for (const auto& names : routes) {
        if (names.empty())
            continue;
        const FolderItem item = Descend(volume, names);
        if (!item.IsNil() && item.Exists() && item.Directory() == wantFolder) {
            target = {volume, item};
            return noErr;
        }
    }
    return fnfErr;
}

} // namespace alias
