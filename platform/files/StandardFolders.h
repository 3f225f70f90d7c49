#pragma once
// The current user's folders on this machine, as the framework's
// SpecialFolder names them. On Linux they follow the Mac layout: Applications
// on the start-up disk (see Volumes.h), the rest under $HOME.

#include "platform/files/FolderItem.h"

namespace SpecialFolder {

FolderItem Applications();    // <start-up disk>/Applications
FolderItem Preferences();     // $HOME/Library/Preferences
FolderItem ApplicationData(); // $HOME/Library/Application Support
FolderItem Documents();       // $HOME/Documents
FolderItem UserHome();        // $HOME

} // namespace SpecialFolder
