#include "platform/files/SameNamedVolumes.h"

#include "platform/files/FolderItem.h"
#include "platform/files/FolderListing.h"
#include "platform/files/MacName.h"
#include "platform/files/VolumeRoots.h"

#include <algorithm>

namespace files {

namespace {

std::string& PreferredRoot() {
    static std::string root;
    return root;
}

// As many places as a gathering's products have alias records, and more.
constexpr std::size_t kPlacesKept = 64;

std::vector<std::string>& KeptPlaces() {
    static std::vector<std::string> places;
    return places;
}

bool IsAtOrBelow(const std::string& path, const std::string& place) {
    return path == place || (path.starts_with(place) && path[place.size()] == '/');
}

} // namespace

std::vector<std::string> VolumeRootsNamed(std::string_view name) {
    std::vector<std::string> roots;
    for (auto& root : VolumeRootPaths())
        if (SameMacName(FolderItem::AtPosixPath(root).Name().ToUTF8(), name))
            roots.push_back(std::move(root));
    return roots;
}

void SetPreferredVolumeRoot(std::string rootPath) {
    PreferredRoot() = std::move(rootPath);
}

const std::string& PreferredVolumeRoot() {
    return PreferredRoot();
}

void KeepPlaceOnVolume(std::string placePath) {
    auto& places = KeptPlaces();
    std::erase(places, placePath);
    // The oldest place goes first: a later one of the same disk stands for it.
    if (places.size() == kPlacesKept)
        places.erase(places.begin());
    places.push_back(std::move(placePath));
}

std::optional<std::string> PathOnVolumeNamed(std::string_view volumeName,
                                             const std::vector<std::string>& names) {
    const auto roots = VolumeRootsNamed(volumeName);
    if (roots.empty())
        return std::nullopt;
    if (roots.size() > 1) {
        std::vector<std::string> paths;
        for (const auto& root : roots)
            paths.push_back(ResolvePathBelow(root, names));
        // The place kept last wins: one path may have been kept on each disk.
        for (auto place = KeptPlaces().rbegin(); place != KeptPlaces().rend(); ++place)
            for (const auto& path : paths)
                if (IsAtOrBelow(path, *place))
                    return path;
        if (std::find(roots.begin(), roots.end(), PreferredRoot()) != roots.end())
            return ResolvePathBelow(PreferredRoot(), names);
    }
    return ResolvePathBelow(roots.front(), names);
}

} // namespace files
