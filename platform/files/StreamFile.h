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

// Opens an existing file for reading ("rb") or reading and writing ("r+b").
// A disk may hold anything at a file's name, so opening never waits (a pipe
// without a writer) and only a regular file is taken, as the open descriptor
// tells: a pipe, device, socket or folder gives nullptr. On failure error
// says why.
FilePointer OpenStreamFile(const std::string& path, const char* mode, std::string& error);

// Creates an empty file at the path, replacing what is there. The file is
// made anew beside it and renamed into place, so a link at the name is
// replaced, never followed; a folder that is a link is refused. On failure
// nothing is left and error says why.
FilePointer CreateStreamFile(const std::string& path, std::string& error);

// Up to limit bytes from the start of a regular file, opened as
// OpenStreamFile opens it; nullopt when it can't be opened.
std::optional<std::string> ReadFileHead(const std::string& path, std::size_t limit);

// The file's size in bytes, 0 when it can't be told.
long long StreamFileLength(std::FILE* file);

} // namespace files
