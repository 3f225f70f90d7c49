#pragma once
// Mounted disks often share a name: every Mac's start-up disk is
// "Macintosh HD", the old Mac's disk mounted beside the new one's included.
// What tells them apart where only the name is given (a Mac path, an alias
// record): a place that an alias record was found at keeps its disk, and the
// old Mac's disk (the picker's choice, or the start-up disk where the
// assistant runs on the old Mac) comes first among equals.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace files {

// Root folders of the mounted volumes of that name, in Volume(i) order.
std::vector<std::string> VolumeRootsNamed(std::string_view name);

// The old Mac's disk; "" for none.
void SetPreferredVolumeRoot(std::string rootPath);
const std::string& PreferredVolumeRoot();

// A place found on a disk that shares its name: Mac paths to it, or below
// it, lead to that disk (to the disk of the place kept last, when the same
// place lies on several). The last 64 places are kept.
void KeepPlaceOnVolume(std::string placePath);

// The path of the entry names below the volume of that name: on the disk of
// a kept place that holds it, else on the preferred disk, else on the first;
// nullopt when no volume has the name.
std::optional<std::string> PathOnVolumeNamed(std::string_view volumeName,
                                             const std::vector<std::string>& names);

} // namespace files
