#include "platform/files/FolderEntries.h"

#include <dirent.h>
#include <unistd.h>

#include <cerrno>
#include <string_view>

namespace files {

std::vector<std::string> ReadEntryNames(int folderFd, int& errorNumber) {
    std::vector<std::string> names;
    // The directory stream takes its descriptor over; the caller keeps its own.
    const int listFd = dup(folderFd);
    DIR* folder = listFd < 0 ? nullptr : fdopendir(listFd);
    if (folder == nullptr) {
        errorNumber = errno;
        if (listFd >= 0)
            close(listFd);
        return names;
    }
    errno = 0;
    while (const dirent* entry = readdir(folder)) {
        const std::string_view name(entry->d_name);
        if (name != "." && name != "..")
            names.emplace_back(name);
    }
    errorNumber = errno;
    closedir(folder);
    return names;
}

} // namespace files
