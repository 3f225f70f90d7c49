#include "transfer/CopyingMachine.h"

#include "platform/files/StandardFolders.h"
#include "platform/files/Volumes.h"
#include "transfer/TransferRecord.h"

String ThisMachine() {
    const FolderItem startupDisk = Volume(0);
    const auto created = startupDisk == Nil ? std::nullopt : VolumeCreationDate(startupDisk);
    if (!created)
        return "";
    return startupDisk.Name() + ":" + Str(*created) + ":" +
           SpecialFolder::UserHome().AbsolutePath();
}

bool CopiedOnThisMachine(const FolderItem& transferFolder) {
    const String machine = ThisMachine();
    return machine != "" && RecordedMachine(transferFolder) == machine;
}
