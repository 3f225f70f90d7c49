#include "platform/files/SpecialFolder.h"

#include "platform/files/FolderListing.h"
#include "platform/files/VolumeRoots.h"

#include <pwd.h>
#include <unistd.h>

namespace {

std::string HomePath() {
    const passwd* user = getpwuid(getuid());
    return files::FolderFromEnvironment("HOME", user != nullptr ? user->pw_dir : "/");
}

FolderItem Below(const std::string& folder, const std::vector<std::string>& names) {
    return FolderItem::AtPosixPath(files::ResolvePathBelow(folder, names));
}

} // namespace

namespace SpecialFolder {

FolderItem Applications() {
    return Below(files::StartupDiskPath(), {"Applications"});
}

FolderItem Preferences() {
    return Below(HomePath(), {"Library", "Preferences"});
}

FolderItem ApplicationData() {
    return Below(HomePath(), {"Library", "Application Support"});
}

FolderItem Documents() {
    return Below(HomePath(), {"Documents"});
}

} // namespace SpecialFolder
