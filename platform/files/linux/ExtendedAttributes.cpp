#include "platform/files/ExtendedAttributes.h"

#include <sys/statfs.h>
#include <sys/xattr.h>

#include <cerrno>

namespace files {

namespace {

// hfsplus keeps the catalogue's own Finder information under "osx."; other
// Linux file systems get "user.", as rsync -X from a Mac writes it.
constexpr const char* kFinderInfoNames[] = {"osx.com.apple.FinderInfo",
                                            "user.com.apple.FinderInfo"};
constexpr long kHfsPlusMagic = 0x482b;

// Runs a getxattr-style call twice: once for the size, once for the value,
// again when the value grew in between.
template <class Call> std::optional<std::string> ReadSized(Call call) {
    for (;;) {
        const ssize_t size = call(nullptr, 0);
        if (size <= 0)
            return size == 0 ? std::optional<std::string>("") : std::nullopt;
        std::string value(static_cast<std::size_t>(size), '\0');
        const ssize_t read = call(value.data(), value.size());
        if (read >= 0) {
            value.resize(static_cast<std::size_t>(read));
            return value;
        }
        if (errno != ERANGE)
            return std::nullopt;
    }
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

std::vector<std::string> ListAttributes(int fd) {
    std::vector<std::string> names;
    const auto list =
        ReadSized([&](char* buffer, std::size_t size) { return flistxattr(fd, buffer, size); });
    if (!list)
        return names;
    std::size_t start = 0;
    while (start < list->size()) {
        const std::size_t end = list->find('\0', start);
        const std::size_t stop = end == std::string::npos ? list->size() : end;
        if (stop > start)
            names.emplace_back(list->substr(start, stop - start));
        start = stop + 1;
    }
    return names;
}

std::optional<std::string> ReadAttribute(int fd, const char* name) {
    return ReadSized(
        [&](char* buffer, std::size_t size) { return fgetxattr(fd, name, buffer, size); });
}

int WriteAttribute(int fd, const char* name, std::string_view value) {
    return fsetxattr(fd, name, value.data(), value.size(), 0) == 0 ? 0 : errno;
}

} // namespace files
