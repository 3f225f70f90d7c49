#include "platform/files/ScratchCopy.h"

#include "platform/files/AppleDouble.h"
#include "platform/files/EntryCopier.h"
#include "platform/files/ExtendedAttributes.h"
#include "platform/files/FileError.h"
#include "platform/files/PosixPath.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace files {

ScratchCopy::ScratchCopy(int folderFd, const std::string& folderPath)
    : folderPath_(folderPath), entry_(folderFd, folderPath), companion_(folderFd, folderPath) {}

bool ScratchCopy::Make(const CopySource& source, const std::string& finalPath, std::string& error,
                       const StopRequest* stop) {
    if (S_ISDIR(source.info.st_mode) && IsSameOrInside(entry_.Folder(), source.info)) {
        error = PathError(folderPath_, "フォルダをそれ自身の中にはコピーできません。");
        return false;
    }
    EntryCopier copier(FinderInfoAttributeFor(folderPath_), stop);
    const std::string name(BaseName(source.path));
    const std::string companion = AppleDoubleCompanionName(name);
    const int from = source.parent.get();
    struct stat companionInfo {};
    const bool made = copier.Copy(from, name, entry_.Folder(), entry_.Name(), companion_.Name(),
                                  source.path, finalPath) &&
                      (fstatat(from, companion.c_str(), &companionInfo, AT_SYMLINK_NOFOLLOW) != 0 ||
                       copier.Copy(from, companion, companion_.Folder(), companion_.Name(), "",
                                   JoinPath(ParentPath(source.path), companion),
                                   JoinPath(ParentPath(finalPath),
                                            AppleDoubleCompanionName(BaseName(finalPath)))));
    if (!made) {
        error = copier.Error();
        return false;
    }
    leftOut_ = copier.LeftOut();
    return true;
}

bool ScratchCopy::Commit(const std::string& finalName, ScratchEntry::Existing existing,
                         std::string& error) {
    if (!entry_.Commit(finalName, existing, error))
        return false;
    const std::string companionName = AppleDoubleCompanionName(finalName);
    // A name so long leaves no room for a companion.
    if (companion_.Made() && IsValidEntryName(companionName))
        // One left there without its file describes what is copied now.
        return companion_.Commit(companionName, ScratchEntry::Existing::Replaced, error);
    if (existing == ScratchEntry::Existing::Refused)
        return true;
    // The replaced entry's companion goes with it.
    if (unlinkat(companion_.Folder(), companionName.c_str(), 0) == 0 || IsNoCompanionError(errno))
        return true;
    error = SystemError(JoinPath(folderPath_, companionName), errno);
    return false;
}

} // namespace files
