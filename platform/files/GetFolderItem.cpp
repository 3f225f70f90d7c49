#include "platform/files/GetFolderItem.h"

#include "platform/files/FolderListing.h"
#include "platform/files/PosixPath.h"
#include "platform/files/ProgramFolder.h"
#include "platform/files/SameNamedVolumes.h"

#include <sys/stat.h>

#include <algorithm>
#include <climits>
#include <optional>

namespace {

std::optional<std::string> FromPosixPath(const std::string& text) {
    const auto normalised = files::NormalisedAbsolutePath(text);
    if (!normalised || normalised->size() >= PATH_MAX)
        return std::nullopt;
    const auto names = files::SplitPath(*normalised);
    if (!std::all_of(names.begin(), names.end(), files::IsValidEntryName))
        return std::nullopt;
    struct stat info {};
    if (lstat(normalised->c_str(), &info) == 0)
        return normalised;
    return files::ResolvePathBelow("/", names);
}

std::optional<std::string> FromMacPath(const std::string& text) {
    std::vector<std::string> names;
    for (std::size_t start = 0; start <= text.size();) {
        const auto end = std::min(text.find(':', start), text.size());
        names.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    if (names.size() > 1 && names.back().empty())
        names.pop_back(); // "Disk:Folder:" names the folder
    for (auto& name : names) {
        std::replace(name.begin(), name.end(), '/', ':');
        if (!files::IsValidEntryName(name))
            return std::nullopt;
    }
    const std::string volumeName = names.front();
    names.erase(names.begin());
    const auto path = files::PathOnVolumeNamed(volumeName, names);
    return path && path->size() < PATH_MAX ? path : std::nullopt;
}

} // namespace

FolderItem GetFolderItem(const String& path, int /*pathType*/) {
    const std::string text = path.ToUTF8();
    if (text.find('\0') != std::string::npos)
        return FolderItem();
    const std::string programFolder = files::ProgramFolder();
    std::optional<std::string> resolved;
    if (text.empty())
        resolved = programFolder;
    else if (text.front() == '/')
        resolved = FromPosixPath(text); // any bytes: what AbsolutePath gave comes back
    else if (!files::IsValidUTF8(text))
        return FolderItem();
    else if (text.find(':') != std::string::npos)
        resolved = FromMacPath(text);
    else
        resolved = FromPosixPath(files::JoinPath(programFolder, text));
    return resolved ? FolderItem::AtPosixPath(std::move(*resolved)) : FolderItem();
}
