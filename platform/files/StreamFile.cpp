#include "platform/files/StreamFile.h"

#include "platform/files/FileError.h"

#include <sys/stat.h>

#include <cerrno>
#include <string>

namespace files {

FilePointer OpenStreamFile(const std::string& path, const char* mode, std::string& error) {
    // "e": the descriptor is not handed on to programs started later.
    const std::string closeOnExec = std::string(mode) + "e";
    FilePointer file(std::fopen(path.c_str(), closeOnExec.c_str()));
    if (!file)
        error = SystemError(path, errno);
    return file;
}

long long StreamFileLength(std::FILE* file) {
    struct stat info {};
    if (fstat(fileno(file), &info) != 0)
        return 0;
    return static_cast<long long>(info.st_size);
}

} // namespace files
