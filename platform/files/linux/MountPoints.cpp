#include "platform/files/VolumeRoots.h"

#include "platform/files/MacName.h"
#include "platform/files/PosixPath.h"

#include <algorithm>
#include <fstream>
#include <sstream>

namespace files {

namespace {

// /proc/self/mounts writes blanks and other special bytes as "\ooo".
std::string DecodeMountField(const std::string& field) {
    std::string decoded;
    for (std::size_t i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size()) {
            const std::string octal = field.substr(i + 1, 3);
            if (octal.find_first_not_of("01234567") == std::string::npos) {
                decoded += static_cast<char>(std::stoi(octal, nullptr, 8));
                i += 3;
                continue;
            }
        }
        decoded += field[i];
    }
    return decoded;
}

// Where desktops mount disks: /media/<disk>, /media/<user>/<disk>,
// /run/media/<user>/<disk> and /mnt/<disk>.
bool IsDiskMountPoint(const std::string& path) {
    const auto parts = SplitPath(path);
    if (parts.empty())
        return false;
    if (parts[0] == "media")
        return parts.size() == 2 || parts.size() == 3;
    if (parts[0] == "mnt")
        return parts.size() == 2;
    return parts[0] == "run" && parts.size() == 4 && parts[1] == "media";
}

} // namespace

std::vector<std::string> RemovableMountPoints() {
    std::vector<std::string> mountPoints;
    std::ifstream mounts("/proc/self/mounts");
    for (std::string line; std::getline(mounts, line);) {
        std::istringstream fields(line);
        std::string device, mountPoint;
        fields >> device >> mountPoint;
        mountPoint = DecodeMountField(mountPoint);
        if (IsDiskMountPoint(mountPoint) &&
            std::find(mountPoints.begin(), mountPoints.end(), mountPoint) == mountPoints.end())
            mountPoints.push_back(mountPoint);
    }
    std::sort(mountPoints.begin(), mountPoints.end(), [](const auto& a, const auto& b) {
        return MacNameKey(BaseName(a)) < MacNameKey(BaseName(b));
    });
    return mountPoints;
}

} // namespace files
