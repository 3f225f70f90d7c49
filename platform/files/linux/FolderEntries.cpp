#include "platform/files/FolderEntries.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstddef>
#include <string_view>

namespace files {

namespace {

// As large as the C library's own directory streams read.
constexpr std::size_t kRecordBufferBytes = 32 * 1024;

} // namespace

std::vector<FolderRecord> ReadFolderRecords(int folderFd, int& errorNumber) {
    std::vector<FolderRecord> records;
    errorNumber = 0;
    // The records straight from the kernel: a directory stream would first
    // duplicate the descriptor and ask again what it is.
    alignas(dirent64) char buffer[kRecordBufferBytes];
    for (;;) {
        const ssize_t filled = getdents64(folderFd, buffer, sizeof buffer);
        if (filled < 0) {
            errorNumber = errno;
            return records;
        }
        if (filled == 0)
            return records;
        for (ssize_t at = 0; at < filled;) {
            const auto* record = reinterpret_cast<const dirent64*>(buffer + at);
            at += record->d_reclen;
            const std::string_view name(record->d_name);
            if (name != "." && name != "..")
                records.push_back(FolderRecord{std::string(name), record->d_type});
        }
    }
}

std::vector<std::string> ReadEntryNames(int folderFd, int& errorNumber) {
    std::vector<std::string> names;
    for (auto& record : ReadFolderRecords(folderFd, errorNumber))
        names.push_back(std::move(record.name));
    return names;
}

bool HoldsFolderNamed(int folderFd, const std::string& name) {
    struct stat info {};
    return fstatat(folderFd, name.c_str(), &info, AT_SYMLINK_NOFOLLOW) == 0 &&
           S_ISDIR(info.st_mode);
}

} // namespace files
