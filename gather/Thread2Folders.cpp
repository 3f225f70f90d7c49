// The user's Preferences and Application Support folders: this machine's for
// the external device, the chosen user's on the old machine's disk for the
// network.

#include "gather/Thread2.h"
#include "platform/files/StandardFolders.h"
#include "platform/files/Volumes.h"

namespace {

// The user's folder on the old machine's disk; Nil when the disk has gone
// away or holds no such user.
FolderItem OldMachineUser(std::int32_t volNo, const String& user) {
    const FolderItem volume = Volume(volNo);
    if (volume == Nil || !volume.Exists())
        return Nil;
    const FolderItem folder = volume.Child("Users").Child(user);
    if (folder == Nil || !folder.Exists())
        return Nil;
    return folder;
}

} // namespace

FolderItem Thread2::GetFolderPref() {
    if (pExdrive)
        return SpecialFolder::Preferences();
    const FolderItem user = OldMachineUser(pVolNo, pUser);
    if (user == Nil)
        return Nil;
    return user.Child("Library").Child("Preferences");
}

FolderItem Thread2::GetFolderAS() {
    if (pExdrive)
        return SpecialFolder::ApplicationData();
    const FolderItem user = OldMachineUser(pVolNo, pUser);
    if (user == Nil)
        return Nil;
    return user.Child("Library").Child("Application Support");
}
