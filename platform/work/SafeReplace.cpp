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

Outcome ReplaceWithCopyOf(const std::string& targetPath, const std::string& itemPath,
                          files::SourceLink sourceLink, const files::StopRequest* stop) {
    std::string error;
    const auto source = files::OpenCopySource(itemPath, sourceLink, error);
    if (!source)
        return Outcome::Failure(String(error));
    struct stat target {};
    if (lstat(targetPath.c_str(), &target) != 0)
        return Outcome::Failure(String(files::SystemError(targetPath, errno)));
    if (IsOrHolds(target, *source))
        return Outcome::Failure(String(files::PathError(
            targetPath,
            "コピーするアイテムそのものか、それを含むフォルダなので、置き換えません。")));
    // The copy is made beside the target, on its file system.
    const std::string folderPath(files::ParentPath(targetPath));
    const Descriptor folder(open(folderPath.c_str(), kFolderFlags));
    if (!folder.IsOpen())
        return Outcome::Failure(String(files::SystemError(folderPath, errno)));
    files::ScratchCopy copy(folder.get(), folderPath);
    if (!copy.Make(*source, targetPath, error, stop))
        return CopyOutcome(false, error);
    if (!copy.Commit(std::string(files::BaseName(targetPath)),
                     files::ScratchEntry::Existing::Replaced, error))
        return Outcome::Failure(String(error));
    // Entries left out make the replace incomplete, though the copy is in place.
    return CopyOutcome(copy.LeftOut().empty(), copy.LeftOut());
}

Outcome CopyOutcome(bool copied, const std::string& error) {
    if (copied)
        return Outcome::Success();
    return error.empty() ? Outcome::Stopped() : Outcome::Failure(String(error));
}

} // namespace work
