#include "platform/files/ExtendedAttributes.h"

#include <sys/statfs.h>
#include <sys/xattr.h>

#include <algorithm>
#include <cerrno>

namespace files {

namespace {

// hfsplus keeps the catalogue's own Finder information under "osx."; other
// Linux file systems get "user.", as rsync -X from a Mac writes it.
constexpr const char* kFinderInfoNames[] = {"osx.com.apple.FinderInfo",
                                            "user.com.apple.FinderInfo"};
constexpr long kHfsPlusMagic = 0x482b;

// Most values fit this buffer, which saves the call that asks for the size.
constexpr std::size_t kUsualValueSize = 1024;

// Runs a getxattr-style call into a buffer; when the value is longer, asks for
// its size and reads again, again when it grew in between.
template <class Call> std::optional<std::string> ReadSized(Call call) {
    std::string value(kUsualValueSize, '\0');
    for (;;) {
        const ssize_t read = call(value.data(), value.size());
        if (read >= 0) {
            value.resize(static_cast<std::size_t>(read));
            return value;
        }
        if (errno != ERANGE)
            return std::nullopt;
        const ssize_t size = call(nullptr, 0);
        if (size < 0)
            return std::nullopt;
        // Never a buffer of 0 bytes: that would ask for the size again.
        value.assign(std::max<std::size_t>(static_cast<std::size_t>(size), 1), '\0');
    }
}

std::vector<std::string> SplitNames(const std::string& list) {
    std::vector<std::string> names;
    std::size_t start = 0;
    while (start < list.size()) {
        const std::size_t end = list.find('\0', start);
        const std::size_t stop = end == std::string::npos ? list.size() : end;
        if (stop > start)
            names.emplace_back(list.substr(start, stop - start));
        start = stop + 1;
    }
    return names;
}

} // namespace

const char* const kNetatalkMetadataAttribute = "user.org.netatalk.Metadata";

std::span<const char* const> FinderInfoAttributeNames() {
    return kFinderInfoNames;
}

std::string FinderInfoAttributeFor(const std::string& path) {
    struct statfs info {};
    if (statfs(path.c_str(), &info) == 0 && info.f_type == kHfsPlusMagic)
        return kFinderInfoNames[0];
    return kFinderInfoNames[1];
}

bool IsUnsupportedAttributeError(int errorNumber) {
    return errorNumber == ENOTSUP || errorNumber == EOPNOTSUPP;
}

std::optional<std::string> ReadAttribute(const std::string& path, const char* name) {
    return ReadSized([&](char* buffer, std::size_t size) {
        return lgetxattr(path.c_str(), name, buffer, size);
    });
}

int WriteAttribute(const std::string& path, const char* name, std::string_view value) {
    return lsetxattr(path.c_str(), name, value.data(), value.size(), 0) == 0 ? 0 : errno;
}

std::optional<std::vector<std::string>> ListAttributes(const std::string& path) {
    const auto list = ReadSized(
        [&](char* buffer, std::size_t size) { return llistxattr(path.c_str(), buffer, size); });
    if (!list)
        return std::nullopt;
    return SplitNames(*list);
}

std::vector<std::string> ListAttributes(int fd) {
    const auto list =
        ReadSized([&](char* buffer, std::size_t size) { return flistxattr(fd, buffer, size); });
    return list ? SplitNames(*list) : std::vector<std::string>{};
}

std::optional<std::string> ReadAttribute(int fd, const char* name) {
    return ReadSized(
        [&](char* buffer, std::size_t size) { return fgetxattr(fd, name, buffer, size); });
}

int WriteAttribute(int fd, const char* name, std::string_view value) {
    return fsetxattr(fd, name, value.data(), value.size(), 0) == 0 ? 0 : errno;
}

} // namespace files
