#include "platform/files/StreamFile.h"

#include "platform/files/Descriptor.h"
#include "platform/files/FileError.h"
#include "platform/files/FolderEntries.h"
#include "platform/files/FolderListing.h"
#include "platform/files/PosixPath.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <string>

namespace files {

namespace {

// Never wait on the file, never take it as a terminal, never hand it on to
// programs started later.
constexpr int kOpenFlags = O_NONBLOCK | O_NOCTTY | O_CLOEXEC;
constexpr int kFolderFlags = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;
constexpr int kNewFileFlags = O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC;

// The stream blocks as usual once the file is known to be regular.
FilePointer StreamOn(Descriptor& fd, const std::string& path, const char* mode,
                     std::string& error) {
    const int flags = fcntl(fd.get(), F_GETFL);
    if (flags == -1 || fcntl(fd.get(), F_SETFL, flags & ~O_NONBLOCK) == -1) {
        error = SystemError(path, errno);
        return nullptr;
    }
    FilePointer file(fdopen(fd.get(), mode));
    if (!file) {
        error = SystemError(path, errno);
        return nullptr;
    }
    fd.Release();
    return file;
}

} // namespace

FilePointer OpenStreamFile(const std::string& path, const char* mode, std::string& error) {
    const int access = std::strcmp(mode, "r+b") == 0 ? O_RDWR : O_RDONLY;
    Descriptor fd(open(path.c_str(), access | kOpenFlags));
    struct stat info {};
    if (!fd.IsOpen() || fstat(fd.get(), &info) != 0) {
        error = SystemError(path, errno);
        return nullptr;
    }
    if (S_ISDIR(info.st_mode)) {
        error = SystemError(path, EISDIR);
        return nullptr;
    }
    if (!S_ISREG(info.st_mode)) {
        error = PathError(path, "通常のファイルではありません。");
        return nullptr;
    }
    return StreamOn(fd, path, mode, error);
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
    const FilePointer file = OpenStreamFile(path, "rb", ignored);
    if (!file)
        return std::nullopt;
    std::string bytes;
    char buffer[16 * 1024];
    while (bytes.size() < limit) {
        const std::size_t read =
            std::fread(buffer, 1, std::min(sizeof buffer, limit - bytes.size()), file.get());
        if (read == 0)
            break;
        bytes.append(buffer, read);
    }
    return bytes;
}

long long StreamFileLength(std::FILE* file) {
    struct stat info {};
    if (fstat(fileno(file), &info) != 0)
        return 0;
    return static_cast<long long>(info.st_size);
}

} // namespace files
