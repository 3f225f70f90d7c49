#include "platform/files/EntryCopier.h"

#include "platform/files/AppleDouble.h"
#include "platform/files/Descriptor.h"
#include "platform/files/ExtendedAttributes.h"
#include "platform/files/FileDataCopy.h"
#include "platform/files/FileError.h"
#include "platform/files/FinderInfo.h"
#include "platform/files/FolderEntries.h"
#include "platform/files/PosixPath.h"
#include "platform/files/StopRequest.h"
#include "platform/files/TestSeams.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <vector>

namespace files {

namespace {

constexpr int kFolderFlags = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;
// The entry may have become anything since it was looked at: its open never
// waits (a pipe without a writer) nor makes it our terminal.
constexpr int kSourceFileFlags = O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC;

bool IsFinderInfoAttribute(const std::string& name) {
    const auto names = FinderInfoAttributeNames();
    return std::find(names.begin(), names.end(), name) != names.end();
}

// A file capability ("security.capability") gives its rights to whoever runs
// the file on the new machine, and "trusted." is the superuser's own: neither
// travels.
bool GrantsRights(const std::string& attributeName) {
    return attributeName.starts_with("security.") || attributeName.starts_with("trusted.");
}

// What the destination's file system can't keep is left behind, as cp -a
// does on such disks; Finder information is the exception (see below).
bool IsUnkeepableMetadataError(int errorNumber) {
    return errorNumber == EPERM || IsUnsupportedAttributeError(errorNumber);
}

} // namespace

struct EntryCopier::Entry {
    int sourceFolder;
    const std::string& name;
    int destinationFolder;
    const std::string& newName;
    const std::string& companionName;
    const std::string& sourcePath;
    const std::string& destinationPath;
    struct stat info;
};

EntryCopier::EntryCopier(std::string finderInfoAttribute, const StopRequest* stop)
    : finderInfoAttribute_(std::move(finderInfoAttribute)), stop_(stop), ownUser_(geteuid()),
      ownGroup_(getegid()) {}

bool EntryCopier::Copy(int sourceFolder, const std::string& name, int destinationFolder,
                       const std::string& newName, const std::string& companionName,
                       const std::string& sourcePath, const std::string& destinationPath) {
    Entry entry{sourceFolder,  name,       destinationFolder, newName,
                companionName, sourcePath, destinationPath,   {}};
    if (fstatat(sourceFolder, name.c_str(), &entry.info, AT_SYMLINK_NOFOLLOW) != 0)
        return Fail(sourcePath, errno);
    switch (entry.info.st_mode & S_IFMT) {
    case S_IFREG:
        return CopyFile(entry);
    case S_IFDIR:
        return CopyFolder(entry);
    case S_IFLNK:
        return CopyLink(entry);
    default:
        // A device node, pipe or socket made anew could act on this machine:
        // it is left out, and the copy goes on without it.
        if (leftOut_.empty())
            leftOut_ = LeftOutReason(sourcePath);
        return true;
    }
}

bool EntryCopier::Copies(mode_t mode) {
    return S_ISREG(mode) || S_ISDIR(mode) || S_ISLNK(mode);
}

std::string EntryCopier::LeftOutReason(const std::string& path) {
    return PathError(path, "デバイスファイル、パイプ、ソケットはコピーしません。");
}

bool EntryCopier::CopyFile(const Entry& listed) {
    seams::BeforeCopyOpen(listed.sourcePath);
    Descriptor from(openat(listed.sourceFolder, listed.name.c_str(), kSourceFileFlags));
    if (from.get() < 0)
        return Fail(listed.sourcePath, errno);
    // What was opened is what is copied, with its own size and metadata; only
    // a regular file is.
    Entry entry = listed;
    if (fstat(from.get(), &entry.info) != 0)
        return Fail(entry.sourcePath, errno);
    if (S_ISDIR(entry.info.st_mode))
        return Fail(entry.sourcePath, EISDIR);
    if (!S_ISREG(entry.info.st_mode)) {
        error_ = LeftOutReason(entry.sourcePath);
        return false;
    }
    Descriptor to(openat(entry.destinationFolder, entry.newName.c_str(),
                         O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600));
    if (to.get() < 0)
        return Fail(entry.destinationPath, errno);
    if (const auto failure = CopyFileData(from.get(), to.get(), entry.info.st_size, stop_)) {
        if (failure->error == ECANCELED)
            return Stopped();
        return Fail(failure->atSource ? entry.sourcePath : entry.destinationPath, failure->error);
    }
    if (!CopyAttributes(entry, from.get(), to.get()) || !CopyOwnerModeAndTimes(entry, to.get()))
        return false;
    if (const int error = to.Close())
        return Fail(entry.destinationPath, error);
    return true;
}

bool EntryCopier::CopyFolder(const Entry& entry) {
    Descriptor from(openat(entry.sourceFolder, entry.name.c_str(), kFolderFlags));
    if (from.get() < 0)
        return Fail(entry.sourcePath, errno);
    // Writable by us until its contents are in; its own mode comes last.
    if (mkdirat(entry.destinationFolder, entry.newName.c_str(), 0700) != 0)
        return Fail(entry.destinationPath, errno);
    Descriptor to(openat(entry.destinationFolder, entry.newName.c_str(), kFolderFlags));
    if (to.get() < 0)
        return Fail(entry.destinationPath, errno);
    int listError = 0;
    for (const auto& child : ReadEntryNames(from.get(), listError)) {
        if (StopDue(stop_))
            return Stopped();
        if (!Copy(from.get(), child, to.get(), child, AppleDoubleCompanionName(child),
                  JoinPath(entry.sourcePath, child), JoinPath(entry.destinationPath, child)))
            return false;
    }
    if (listError != 0)
        return Fail(entry.sourcePath, listError);
    // Times last: every entry made inside changed them.
    return CopyAttributes(entry, from.get(), to.get()) && CopyOwnerModeAndTimes(entry, to.get());
}

bool EntryCopier::CopyLink(const Entry& entry) {
    std::string target(static_cast<std::size_t>(std::max<off_t>(entry.info.st_size, PATH_MAX)),
                       '\0');
    const ssize_t length =
        readlinkat(entry.sourceFolder, entry.name.c_str(), target.data(), target.size());
    if (length < 0)
        return Fail(entry.sourcePath, errno);
    target.resize(static_cast<std::size_t>(length));
    if (symlinkat(target.c_str(), entry.destinationFolder, entry.newName.c_str()) != 0)
        return Fail(entry.destinationPath, errno);
    if (!KeepOwner(entry, AT_SYMLINK_NOFOLLOW))
        return false;
    const timespec times[2] = {entry.info.st_atim, entry.info.st_mtim};
    if (utimensat(entry.destinationFolder, entry.newName.c_str(), times, AT_SYMLINK_NOFOLLOW) !=
            0 &&
        !IsUnkeepableMetadataError(errno))
        return Fail(entry.destinationPath, errno);
    return true;
}

bool EntryCopier::CopyAttributes(const Entry& entry, int from, int to) {
    for (const auto& name : ListAttributes(from)) {
        if (GrantsRights(name))
            continue;
        const auto value = ReadAttribute(from, name.c_str());
        if (!value)
            continue; // removed meanwhile, or a system attribute we may not read
        const bool finderInfo = IsFinderInfoAttribute(name);
        const std::string& target = finderInfo ? finderInfoAttribute_ : name;
        const int error = WriteAttribute(to, target.c_str(), *value);
        if (error == 0)
            continue;
        // A Mac keeps Finder information beside the file where the disk takes
        // no attributes; so do we, lest the type and creator be lost.
        if (finderInfo && IsUnsupportedAttributeError(error)) {
            if (!WriteFinderInfoCompanion(entry, *value))
                return false;
            continue;
        }
        if (name.starts_with("user.") && !IsUnsupportedAttributeError(error))
            return Fail(entry.destinationPath, error);
    }
    return true;
}

bool EntryCopier::WriteFinderInfoCompanion(const Entry& entry, const std::string& finderInfo) {
    const std::string sourceCompanion = AppleDoubleCompanionName(entry.name);
    struct stat existing {};
    if (finderInfo.size() < FinderInfo::kSize ||
        fstatat(entry.sourceFolder, sourceCompanion.c_str(), &existing, AT_SYMLINK_NOFOLLOW) == 0)
        return true; // nothing to keep, or the source's own companion travels with it
    FinderInfo info;
    std::copy_n(finderInfo.begin(), FinderInfo::kSize, info.bytes.begin());
    if (info.IsEmpty())
        return true;
    const std::string blob = MinimalAppleDouble(info);
    const std::string companionPath = JoinPath(ParentPath(entry.destinationPath), sourceCompanion);
    Descriptor out(openat(entry.destinationFolder, entry.companionName.c_str(),
                          O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644));
    if (out.get() < 0 && errno == ENAMETOOLONG)
        return true; // a name so long leaves no room for a companion
    if (out.get() < 0)
        return Fail(companionPath, errno);
    if (write(out.get(), blob.data(), blob.size()) != static_cast<ssize_t>(blob.size()))
        return Fail(companionPath, errno);
    if (const int error = out.Close())
        return Fail(companionPath, error);
    return true;
}

bool EntryCopier::CopyOwnerModeAndTimes(const Entry& entry, int to) {
    const struct stat& info = entry.info;
    if (!KeepOwner(entry, 0, to))
        return false;
    // Set-user-ID and set-group-ID rights never travel to the new machine.
    if (fchmod(to, info.st_mode & 07777 & ~(S_ISUID | S_ISGID)) != 0 &&
        !IsUnkeepableMetadataError(errno))
        return Fail(entry.destinationPath, errno);
    const timespec times[2] = {info.st_atim, info.st_mtim};
    if (futimens(to, times) != 0 && !IsUnkeepableMetadataError(errno))
        return Fail(entry.destinationPath, errno);
    return true;
}

bool EntryCopier::KeepOwner(const Entry& entry, int flags, int fd) {
    const struct stat& info = entry.info;
    if (info.st_uid == ownUser_ && info.st_gid == ownGroup_)
        return true; // a new entry is ours already
    const int result = fd >= 0 ? fchown(fd, info.st_uid, info.st_gid)
                               : fchownat(entry.destinationFolder, entry.newName.c_str(),
                                          info.st_uid, info.st_gid, flags);
    // Owners other than ourselves can be kept only with the rights to do so.
    if (result != 0 && !IsUnkeepableMetadataError(errno))
        return Fail(entry.destinationPath, errno);
    return true;
}

bool EntryCopier::Fail(const std::string& path, int errorNumber) {
    error_ = SystemError(path, errorNumber);
    return false;
}

bool EntryCopier::Stopped() {
    error_.clear();
    return false;
}

} // namespace files
