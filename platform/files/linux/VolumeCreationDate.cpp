#include "platform/files/VolumeCreationDate.h"

#include "platform/files/AppleDouble.h"
#include "platform/files/ExtendedAttributes.h"
#include "platform/files/PosixPath.h"

#include <fcntl.h>
#include <sys/stat.h>

namespace files {

namespace {

constexpr std::uint64_t kSeconds1904To1970 = 2082844800;
constexpr std::uint64_t kSeconds1904To2000 = 3029529600;

std::optional<std::uint64_t> FromAppleDouble(const std::optional<std::string>& blob) {
    if (!blob)
        return std::nullopt;
    const auto date = CreationDateFromAppleDouble(*blob);
    if (!date)
        return std::nullopt;
    return static_cast<std::uint64_t>(static_cast<std::int64_t>(kSeconds1904To2000) + *date);
}

} // namespace

// Linux keeps no creation date for a volume. A Mac makes a disk's root folder
// with the disk, so the root's creation date stands for it: the Mac's own
// dates where a Mac disk keeps them on Linux (netatalk's metadata of the
// root, or the root's AppleDouble companion "._."), else the birth time that
// the file system reports for the root (statx; SMB and most local file
// systems give one).
std::optional<std::uint64_t> VolumeCreationDate(const std::string& rootPath) {
    if (auto date = FromAppleDouble(ReadAttribute(rootPath, kNetatalkMetadataAttribute)))
        return date;
    if (auto date = FromAppleDouble(ReadAppleDoubleHead(JoinPath(rootPath, "._."))))
        return date;
    struct statx info {};
    if (statx(AT_FDCWD, rootPath.c_str(), 0, STATX_BTIME, &info) == 0 &&
        (info.stx_mask & STATX_BTIME) != 0 && info.stx_btime.tv_sec >= 0)
        return kSeconds1904To1970 + static_cast<std::uint64_t>(info.stx_btime.tv_sec);
    return std::nullopt;
}

} // namespace files
