#include "platform/work/SafeReplace.h"

#include "platform/files/Descriptor.h"
#include "platform/files/FileError.h"
#include "platform/files/PosixPath.h"
#include "platform/files/ScratchCopy.h"
#include "platform/files/TreeCopy.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>

namespace work {

namespace {

using files::Descriptor;

constexpr int kFolderFlags = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;

// The same entry reached by two paths, or a folder with the source somewhere inside.
bool IsOrHolds(const struct stat& target, const files::CopySource& source) {
    if (target.st_dev == source.info.st_dev && target.st_ino == source.info.st_ino)
        return true;
    return S_ISDIR(target.st_mode) && files::IsSameOrInside(source.parent.get(), target);
}

} // namespace

bool ReplaceWithCopyOf(const std::string& targetPath, const std::string& itemPath,
                       files::SourceLink sourceLink, std::string& error,
                       const files::StopRequest* stop) {
    const auto source = files::OpenCopySource(itemPath, sourceLink, error);
    if (!source)
        return false;
    struct stat target {};
    if (lstat(targetPath.c_str(), &target) != 0) {
        error = files::SystemError(targetPath, errno);
        return false;
    }
    if (IsOrHolds(target, *source)) {
        error = files::PathError(
            targetPath, "コピーするアイテムそのものか、それを含むフォルダなので、置き換えません。");
        return false;
    }
    // The copy is made beside the target, on its file system.
    const std::string folderPath(files::ParentPath(targetPath));
    const Descriptor folder(open(folderPath.c_str(), kFolderFlags));
    if (!folder.IsOpen()) {
        error = files::SystemError(folderPath, errno);
        return false;
    }
    files::ScratchCopy copy(folder.get(), folderPath);
    if (!copy.Make(*source, targetPath, error, stop) ||
        !copy.Commit(std::string(files::BaseName(targetPath)),
                     files::ScratchEntry::Existing::Replaced, error))
        return false;
    // Entries left out make the replace incomplete, though the copy is in place.
    error = copy.LeftOut();
    return error.empty();
}

} // namespace work
