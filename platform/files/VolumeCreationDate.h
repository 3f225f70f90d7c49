#pragma once
// When a volume was created, as an alias record keeps it: seconds since
// 1904-01-01, the Mac's epoch.

#include <cstdint>
#include <optional>
#include <string>

namespace files {

// nullopt when the volume at this root does not tell.
std::optional<std::uint64_t> VolumeCreationDate(const std::string& rootPath);

} // namespace files
