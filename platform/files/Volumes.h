#pragma once
// The mounted volumes' root folders. Volume(0) is the start-up disk.
//
// On Linux the Mac layout is looked up under a start-up disk folder: "/", or
// the folder named by DRAVO_STARTUP_DISK. The other volumes are the
// sub-folders of DRAVO_VOLUMES when it is set, else the file systems mounted
// under /media, /run/media and /mnt. Both are read again on every call.

#include "platform/files/FolderItem.h"

#include <cstdint>
#include <optional>

// Nil outside 0...VolumeCount() - 1.
FolderItem Volume(int index);
int VolumeCount();

// When the volume was created, as alias records keep it to tell disks of
// one name apart (seconds since 1904); nullopt when it does not tell.
std::optional<std::uint64_t> VolumeCreationDate(const FolderItem& volume);

// The old machine's disk (the one chosen in the picker, or the start-up disk
// where the assistant runs on the old machine): among mounted volumes of one
// name, the one that Mac paths and alias records stand for when nothing else
// tells them apart. Nil for none.
void SetPreferredVolume(const FolderItem& volume);
