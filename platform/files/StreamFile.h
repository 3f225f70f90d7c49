#pragma once
// The open file behind a stream; closed when the last handle lets go of it.

#include "platform/files/ScratchEntry.h"

#include <cstdio>
#include <memory>
#include <optional>
#include <string>

namespace files {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using FilePointer = std::unique_ptr<std::FILE, FileCloser>;

// Opens an existing file for reading, or reading and writing. A disk may
// hold anything at a file's name, so opening never waits (a pipe without a
// writer) and only a regular file is taken, as the open descriptor tells: a
// pipe, device, socket or folder gives -1. The descriptor stays
// non-blocking, as a regular file of procfs or FUSE may still block: a read
// that would wait fails (EAGAIN) instead. size is the file's size at the
// open, all that a reader takes of it. On failure error says why.
int OpenStreamFile(const std::string& path, bool writable, long long& size, std::string& error);

// Reads count bytes into buffer from the descriptor's position, fewer only
// at the end of the file. -1, with errno, when a read fails or would wait.
long long ReadUpTo(int fd, char* buffer, std::size_t count);

// A file written anew beside its place under a scratch name, which takes the
// place of the file there only once it is written whole (see ScratchEntry.h):
// a kill or a full disk meanwhile leaves the old file as it was. A link at
// the name is replaced, never followed; a folder that is a link is refused.
class NewStreamFile {
public:
    // nullptr, with the reason in error, when the file can't be made.
    static std::unique_ptr<NewStreamFile> Create(const std::string& path, std::string& error);

    std::FILE* File() const { return file_.get(); }
    // Writes out what is buffered and puts the file in place of a file of its
    // name. False, with the reason, when that fails; the path is then as it was.
    bool Commit(std::string& error);

    NewStreamFile(int folderFd, const std::string& path);

private:
    std::string path_;
    ScratchEntry scratch_;
    FilePointer file_;
};

// Up to limit bytes from the start of a regular file, and no more than its
// size, opened as OpenStreamFile opens it; nullopt when it can't be opened
// or read.
std::optional<std::string> ReadFileHead(const std::string& path, std::size_t limit);

} // namespace files
