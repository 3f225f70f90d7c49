#include "platform/files/StandardFolders.h"

#include "platform/files/FolderListing.h"
#include "platform/files/VolumeRoots.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

namespace {

std::string HomePath() {
    // Reading the user database costs a file read each time: only without $HOME.
    const char* home = std::getenv("HOME");
    if (home == nullptr || *home == '\0') {
        const passwd* user = getpwuid(getuid());
        return user != nullptr ? user->pw_dir : "/";
    }
    return files::FolderFromEnvironment("HOME", "/");
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

FolderItem UserHome() {
    return FolderItem::AtPosixPath(HomePath());
}

} // namespace SpecialFolder
