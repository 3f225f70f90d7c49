#include "platform/files/TreeCopy.h"

#include "platform/files/Descriptor.h"
#include "platform/files/EntryCopier.h"
#include "platform/files/FileError.h"
#include "platform/files/PosixPath.h"
#include "platform/files/ScratchCopy.h"
#include "platform/files/VolumeRoots.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <deque>
#include <vector>

namespace files {

namespace {

constexpr int kFolderFlags = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;
// As many links as the system itself follows on one path.
constexpr int kMaxLinks = 40;

bool SameEntry(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

} // namespace

bool IsSameOrInside(int folderFd, const struct stat& entry) {
    Descriptor walker(dup(folderFd));
    struct stat current {};
    if (!walker.IsOpen() || fstat(walker.get(), &current) != 0)
        return false;
    for (;;) {
        if (SameEntry(current, entry))
            return true;
        walker.Reset(openat(walker.get(), "..", kFolderFlags));
        struct stat above {};
        if (!walker.IsOpen() || fstat(walker.get(), &above) != 0 || SameEntry(above, current))
            return false;
        current = above;
    }
}

bool ResolveItem(const std::string& path, std::string& resolved, std::string& error) {
    struct stat info {};
    if (lstat(path.c_str(), &info) != 0) {
        error = SystemError(path, errno);
        return false;
    }
    if (!S_ISLNK(info.st_mode)) {
        resolved = path;
        return true;
    }
    char* target = realpath(path.c_str(), nullptr);
    if (target == nullptr) {
        error = errno == ENOENT ? PathError(path, "リンク先が見つかりません。")
                                : SystemError(path, errno);
        return false;
    }
    resolved = target;
    free(target);
    return true;
}

bool ResolveItemOnDisk(const std::string& path, const std::string& root, std::string& resolved,
                       std::string& error) {
    std::deque<std::string> pending;
    for (auto& name : SplitPath(std::string_view(path).substr(root == "/" ? 0 : root.size())))
        pending.push_back(std::move(name));
    std::vector<std::string> reached;
    std::string at = root;
    for (int links = 0; !pending.empty();) {
        std::string name = std::move(pending.front());
        pending.pop_front();
        if (name == "..") {
            if (reached.empty()) {
                error = PathError(path, "リンク先が、このディスクの外にあります。");
                return false;
            }
            reached.pop_back();
            at = root;
            for (const auto& step : reached)
                at = JoinPath(at, step);
            continue;
        }
        const std::string next = JoinPath(at, name);
        struct stat info {};
        if (lstat(next.c_str(), &info) != 0) {
            error = errno == ENOENT && links > 0 ? PathError(path, "リンク先が見つかりません。")
                                                 : SystemError(path, errno);
            return false;
        }
        if (!S_ISLNK(info.st_mode)) {
            reached.push_back(std::move(name));
            at = next;
            continue;
        }
        std::string target(PATH_MAX, '\0');
        const ssize_t length = readlink(next.c_str(), target.data(), target.size());
        if (length < 0 || ++links > kMaxLinks) {
            error = SystemError(path, length < 0 ? errno : ELOOP);
            return false;
        }
        target.resize(static_cast<std::size_t>(length));
        const auto steps = SplitPath(target);
        pending.insert(pending.begin(), steps.begin(), steps.end());
        if (target.starts_with('/')) {
            reached.clear();
            at = root;
        }
    }
    resolved = at;
    return true;
}

bool CopyIntoFolder(const std::string& sourcePath, const std::string& destinationFolder,
                    std::string& error) {
    std::string leftOut;
    if (!CopyIntoFolder(sourcePath, destinationFolder, SourceLink::Kept, error, leftOut))
        return false;
    error = leftOut;
    return leftOut.empty();
}

std::optional<CopySource> OpenCopySource(const std::string& itemPath, SourceLink sourceLink,
                                         std::string& error) {
    CopySource source{itemPath, {}, Descriptor(-1)};
    if (sourceLink == SourceLink::Followed && !ResolveItem(itemPath, source.path, error))
        return std::nullopt;
    if (sourceLink == SourceLink::FollowedOnItsDisk &&
        !ResolveItemOnDisk(itemPath, VolumeRootHolding(itemPath), source.path, error))
        return std::nullopt;
    if (lstat(source.path.c_str(), &source.info) != 0) {
        error = SystemError(source.path, errno);
        return std::nullopt;
    }
    if (!EntryCopier::Copies(source.info.st_mode)) {
        error = EntryCopier::LeftOutReason(source.path);
        return std::nullopt;
    }
    // The path names the item as the user sees it, through whatever links lead to its folder.
    const std::string parentPath(ParentPath(source.path));
    source.parent.Reset(open(parentPath.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!source.parent.IsOpen()) {
        error = SystemError(parentPath, errno);
        return std::nullopt;
    }
    return source;
}

bool CopyIntoFolder(const std::string& itemPath, const std::string& destinationFolder,
                    SourceLink sourceLink, std::string& error, std::string& leftOut,
                    const StopRequest* stop) {
    const auto source = OpenCopySource(itemPath, sourceLink, error);
    if (!source)
        return false;
    const Descriptor destination(open(destinationFolder.c_str(), kFolderFlags));
    if (!destination.IsOpen()) {
        error = SystemError(destinationFolder, errno);
        return false;
    }
    // The copy bears the item's own name, also where the item is a link.
    const std::string name(BaseName(itemPath));
    const std::string finalPath = JoinPath(destinationFolder, name);
    struct stat existing {};
    if (fstatat(destination.get(), name.c_str(), &existing, AT_SYMLINK_NOFOLLOW) == 0) {
        error = SystemError(finalPath, EEXIST);
        return false;
    }
    ScratchCopy copy(destination.get(), destinationFolder);
    if (!copy.Make(*source, finalPath, error, stop) ||
        !copy.Commit(name, ScratchEntry::Existing::Refused, error))
        return false;
    leftOut = copy.LeftOut();
    return true;
}

} // namespace files
