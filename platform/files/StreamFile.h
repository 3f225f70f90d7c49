#pragma once
// The open file behind a stream; closed when the last handle lets go of it.

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

// Creates an empty file at the path, replacing what is there. The file is
// made anew beside it and renamed into place, so a link at the name is
// replaced, never followed; a folder that is a link is refused. On failure
// nothing is left and error says why.
FilePointer CreateStreamFile(const std::string& path, std::string& error);

// Up to limit bytes from the start of a regular file, and no more than its
// size, opened as OpenStreamFile opens it; nullopt when it can't be opened
// or read.
std::optional<std::string> ReadFileHead(const std::string& path, std::size_t limit);

} // namespace files
