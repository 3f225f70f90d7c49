#pragma once
// The POSIX paths behind the framework's volumes and special folders.

#include <string>
#include <vector>

namespace files {

// Root folders of the mounted volumes, the start-up disk first.
std::vector<std::string> VolumeRootPaths();

std::string StartupDiskPath();

// The root folder of the volume that holds the path: the deepest of
// VolumeRootPaths at or above it, else "/".
std::string VolumeRootHolding(const std::string& path);

// The file systems mounted where the desktop mounts removable and network
// disks, in name order.
std::vector<std::string> RemovableMountPoints();

// The folder named by an environment variable, resolved to its real path
// when it exists; fallback when the variable is unset or empty.
std::string FolderFromEnvironment(const char* variable, const std::string& fallback);

} // namespace files
