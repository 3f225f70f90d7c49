#pragma once
// The open file behind a stream; closed when the last handle lets go of it.

#include <cstdio>
#include <memory>
#include <string>

namespace files {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using FilePointer = std::unique_ptr<std::FILE, FileCloser>;

// Opens with an fopen mode; on failure returns nullptr and says why in error.
FilePointer OpenStreamFile(const std::string& path, const char* mode, std::string& error);

// The file's size in bytes, 0 when it can't be told.
long long StreamFileLength(std::FILE* file);

} // namespace files
