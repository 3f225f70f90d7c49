#include "tests/support/FileFacts.h"

#include "platform/files/ExtendedAttributes.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <fstream>
#include <sstream>
#include <stdexcept>

namespace {

constexpr long long kNanoseconds = 1'000'000'000LL;

struct stat StatusOf(const std::string& path) {
    struct stat info {};
    if (lstat(path.c_str(), &info) != 0)
        throw std::runtime_error("no such entry: " + path);
    return info;
}

timespec AsTimespec(long long nanoseconds) {
    return timespec{static_cast<time_t>(nanoseconds / kNanoseconds),
                    static_cast<long>(nanoseconds % kNanoseconds)};
}

} // namespace

EntryTimes TimesOf(const std::string& path) {
    const struct stat info = StatusOf(path);
    return {info.st_atim.tv_sec * kNanoseconds + info.st_atim.tv_nsec,
            info.st_mtim.tv_sec * kNanoseconds + info.st_mtim.tv_nsec};
}

void SetTimes(const std::string& path, EntryTimes times) {
    const timespec both[2] = {AsTimespec(times.accessed), AsTimespec(times.modified)};
    if (utimensat(AT_FDCWD, path.c_str(), both, AT_SYMLINK_NOFOLLOW) != 0)
        throw std::runtime_error("can't set the times of " + path);
}

unsigned PermissionsOf(const std::string& path) {
    return StatusOf(path).st_mode & 07777;
}

std::optional<std::string> AttributeOf(const std::string& path, const std::string& name) {
    return files::ReadAttribute(path, name.c_str());
}

void SetAttribute(const std::string& path, const std::string& name, std::string_view value) {
    if (files::WriteAttribute(path, name.c_str(), value) != 0)
        throw std::runtime_error("can't set attribute " + name + " on " + path);
}

std::string ContentsOf(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error("can't read " + path);
    std::ostringstream contents;
    contents << in.rdbuf();
    return contents.str();
}
