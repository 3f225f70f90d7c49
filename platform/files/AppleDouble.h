#pragma once
// AppleDouble: how a Mac keeps metadata beside a file on disks without its
// catalogue, as a "._name" companion or as netatalk's metadata attribute.

#include "platform/files/FinderInfo.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace files {

// The companion's name for an entry name.
std::string AppleDoubleCompanionName(std::string_view name);

// Whether a failure on a companion's name means there is no companion: it is
// missing, or the entry's name is so long that "._" makes it too long to exist.
bool IsNoCompanionError(int errorNumber);

// The Finder information held in an AppleDouble blob (first 32 bytes of entry
// 9), found by walking the entry table; nullopt when the blob holds none.
std::optional<FinderInfo> FinderInfoFromAppleDouble(std::string_view blob);

// The first bytes of a companion file, which hold its entries; nullopt when
// it cannot be opened or is no regular file.
std::optional<std::string> ReadAppleDoubleHead(const std::string& companionPath);

// The creation date in an AppleDouble blob's dates entry (8), in seconds
// since 2000-01-01 GMT; nullopt when the blob holds none.
std::optional<std::int32_t> CreationDateFromAppleDouble(std::string_view blob);

// The smallest companion every reader accepts: entries {9, 50, 32} and
// {2, 82, 0}, the Finder information at 50..81.
std::string MinimalAppleDouble(const FinderInfo& info);

// The blob with the first 32 bytes of its entry 9 replaced, keeping every other
// entry; nullopt when it has no Finder information entry of 32 bytes or more.
std::optional<std::string> WithFinderInfo(std::string blob, const FinderInfo& info);

} // namespace files
