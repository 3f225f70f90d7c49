#include "platform/files/StreamFile.h"

#include "platform/files/Descriptor.h"
#include "platform/files/FileError.h"
#include "platform/files/FolderEntries.h"
#include "platform/files/FolderListing.h"
#include "platform/files/PosixPath.h"
#include "platform/files/TestSeams.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <string>

namespace files {

namespace {

// Never wait on the file, never take it as a terminal, never hand it on to
// programs started later.
constexpr int kOpenFlags = O_NONBLOCK | O_NOCTTY | O_CLOEXEC;
constexpr int kFolderFlags = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;
constexpr int kNewFileFlags = O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC;

} // namespace

int OpenStreamFile(const std::string& path, bool writable, long long& size, std::string& error) {
    Descriptor fd(open(path.c_str(), (writable ? O_RDWR : O_RDONLY) | kOpenFlags));
    struct stat info {};
    if (!fd.IsOpen() || fstat(fd.get(), &info) != 0) {
        error = SystemError(path, errno);
        return -1;
    }
    if (S_ISDIR(info.st_mode)) {
        error = SystemError(path, EISDIR);
        return -1;
    }
    if (!S_ISREG(info.st_mode)) {
        error = PathError(path, "通常のファイルではありません。");
        return -1;
    }
    size = static_cast<long long>(info.st_size);
    return fd.Release();
}

long long ReadUpTo(int fd, char* buffer, std::size_t count) {
    std::size_t done = 0;
    while (done < count) {
        const ssize_t read = seams::Read(fd, buffer + done, count - done);
        if (read == 0)
            break;
        if (read < 0) {
            if (errno == EINTR)
                continue;
            return -1;
        }
        done += static_cast<std::size_t>(read);
    }
    return static_cast<long long>(done);
}

NewStreamFile::NewStreamFile(int folderFd, const std::string& path)
    : path_(path), scratch_(folderFd, std::string(ParentPath(path))) {}

std::unique_ptr<NewStreamFile> NewStreamFile::Create(const std::string& path, std::string& error) {
    const std::string folderPath(ParentPath(path));
    const Descriptor folder(open(folderPath.c_str(), kFolderFlags));
    if (!folder.IsOpen()) {
        error = SystemError(folderPath, errno);
        return nullptr;
    }
    if (HoldsFolderNamed(folder.get(), std::string(BaseName(path)))) {
        error = SystemError(path, EISDIR);
        return nullptr;
    }
    auto file = std::make_unique<NewStreamFile>(folder.get(), path);
    Descriptor fd(openat(folder.get(), file->scratch_.Name().c_str(), kNewFileFlags, 0666));
    if (!fd.IsOpen()) {
        error = SystemError(path, errno);
        return nullptr;
    }
    file->file_.reset(fdopen(fd.get(), "wb"));
    if (!file->file_) {
        error = SystemError(path, errno);
        return nullptr;
    }
    fd.Release();
    return file;
}

bool NewStreamFile::Commit(std::string& error) {
    const int written = std::fflush(file_.get()) == 0 ? 0 : errno;
    const int closed = std::fclose(file_.release()) == 0 ? 0 : errno;
    if (written != 0 || closed != 0) {
        error = SystemError(path_, written != 0 ? written : closed);
        return false;
    }
    // A file takes the place of a file; a folder of that name is never replaced.
    const std::string name(BaseName(path_));
    if (HoldsFolderNamed(scratch_.Folder(), name)) {
        error = SystemError(path_, EISDIR);
        return false;
    }
    return scratch_.Commit(name, ScratchEntry::Existing::Replaced, error);
}

std::optional<std::string> ReadFileHead(const std::string& path, std::size_t limit) {
    std::string ignored;
    long long size = 0;
    const Descriptor fd(OpenStreamFile(path, false, size, ignored));
    if (!fd.IsOpen())
        return std::nullopt;
    std::string bytes(std::min(static_cast<std::size_t>(size), limit), '\0');
    const long long read = ReadUpTo(fd.get(), bytes.data(), bytes.size());
    if (read < 0)
        return std::nullopt;
    bytes.resize(static_cast<std::size_t>(read));
    return bytes;
}

} // namespace files
