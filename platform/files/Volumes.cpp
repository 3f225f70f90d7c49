#include "platform/files/Volumes.h"

#include "platform/files/FolderListing.h"
#include "platform/files/PosixPath.h"
#include "platform/files/SameNamedVolumes.h"
#include "platform/files/VolumeCreationDate.h"
#include "platform/files/VolumeRoots.h"

#include <sys/stat.h>

#include <climits>
#include <cstdlib>

namespace files {

std::string FolderFromEnvironment(const char* variable, const std::string& fallback) {
    const char* value = std::getenv(variable);
    if (value == nullptr || *value == '\0')
        return fallback;
    char resolved[PATH_MAX];
    if (realpath(value, resolved) != nullptr)
        return resolved;
    return NormalisedAbsolutePath(value).value_or(fallback);
}

std::string StartupDiskPath() {
    return FolderFromEnvironment("DRAVO_STARTUP_DISK", "/");
}

std::vector<std::string> VolumeRootPaths() {
    std::vector<std::string> roots{StartupDiskPath()};
    const std::string volumes = FolderFromEnvironment("DRAVO_VOLUMES", "");
    if (volumes.empty()) {
        for (auto& mountPoint : RemovableMountPoints())
            roots.push_back(std::move(mountPoint));
        return roots;
    }
    for (const auto& entry : FolderListing::Of(volumes)->Entries()) {
        const std::string path = JoinPath(volumes, entry.name);
        struct stat info {};
        if (!entry.name.starts_with(".") && lstat(path.c_str(), &info) == 0 &&
            S_ISDIR(info.st_mode))
            roots.push_back(path);
    }
    return roots;
}

std::string VolumeRootHolding(const std::string& path) {
    std::string holding = "/";
    for (auto& root : VolumeRootPaths())
        if ((path == root || (path.starts_with(root) && path[root.size()] == '/')) &&
            root.size() > holding.size())
            holding = std::move(root);
    return holding;
}

} // namespace files

FolderItem Volume(int index) {
    const auto roots = files::VolumeRootPaths();
    if (index < 0 || static_cast<std::size_t>(index) >= roots.size())
        return FolderItem();
    return FolderItem::AtPosixPath(roots[static_cast<std::size_t>(index)]);
}

int VolumeCount() {
    return static_cast<int>(files::VolumeRootPaths().size());
}

std::optional<std::uint64_t> VolumeCreationDate(const FolderItem& volume) {
    return files::VolumeCreationDate(volume.PosixPath());
}

void SetPreferredVolume(const FolderItem& volume) {
    files::SetPreferredVolumeRoot(volume.IsNil() ? std::string() : volume.PosixPath());
}
