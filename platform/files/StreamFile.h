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

// Opens an existing file for reading ("rb") or reading and writing ("r+b").
// A disk may hold anything at a file's name, so opening never waits (a pipe
// without a writer) and only a regular file is taken, as the open descriptor
// tells: a pipe, device, socket or folder gives nullptr. On failure error
// says why.
FilePointer OpenStreamFile(const std::string& path, const char* mode, std::string& error);

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

// Up to limit bytes from the start of a regular file, opened as
// OpenStreamFile opens it; nullopt when it can't be opened.
std::optional<std::string> ReadFileHead(const std::string& path, std::size_t limit);

// The file's size in bytes, 0 when it can't be told.
long long StreamFileLength(std::FILE* file);

} // namespace files
