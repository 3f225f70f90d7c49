#include "platform/alias/AliasTarget.h"

#include <algorithm>
#include <string>
#include <vector>

#include "platform/alias/Catalogue.h"
#include "platform/alias/MacNames.h"
#include "platform/files/PosixPath.h"
#include "platform/files/SameNamedVolumes.h"
#include "platform/files/VolumeCreationDate.h"

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

// Among disks of the record's name, those created when the record says;
// all of them when none is, or the record keeps no date.
std::vector<std::string> DatedAlike(const AliasRecord& record,
                                    const std::vector<std::string>& roots) {
    std::vector<std::string> dated;
    for (const auto& root : roots)
        if (record.volumeCreated != 0 && files::VolumeCreationDate(root) == record.volumeCreated)
            dated.push_back(root);
    return dated.empty() ? roots : dated;
}

// The record's volume: the one disk of its name, else the one of that name
// created when the record says, else the old Mac's disk among those alike;
// "" when no disk has the name or nothing tells them apart.
std::string RecordVolumeRoot(const AliasRecord& record, bool& nameShared) {
    const auto roots = files::VolumeRootsNamed(VolumeName(record));
    nameShared = roots.size() > 1;
    if (roots.size() <= 1)
        return roots.empty() ? std::string() : roots.front();
    const auto alike = DatedAlike(record, roots);
    if (alike.size() == 1)
        return alike.front();
    const std::string& preferred = files::PreferredVolumeRoot();
    if (std::find(alike.begin(), alike.end(), preferred) != alike.end())
        return preferred;
    return {};
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
    bool nameShared = false;
    const std::string root = RecordVolumeRoot(record, nameShared);
    if (root.empty())
        return nsvErr;
    const FolderItem volume = FolderItem::AtPosixPath(root);

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
            // Its Mac path, which names only the volume, must lead back here.
            if (nameShared)
                files::KeepPlaceOnVolume(item.PosixPath());
            target = {volume, item};
            return noErr;
        }
    }
    return fnfErr;
}

} // namespace alias
