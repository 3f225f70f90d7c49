#pragma once
// Which machine a copy was made on, so that its paste is never made back onto
// that machine, over what the user has changed there since: the start-up disk,
// by name and creation date as alias records tell disks apart, and the
// user's folder.

#include "platform/files/FolderItem.h"
#include "platform/text/String.h"

// This machine; "" where its start-up disk keeps no creation date, so that
// it can't be told apart from another of the same names.
String ThisMachine();

// True when the transfer folder's copy was made on this machine; false also
// when its mark records no machine.
bool CopiedOnThisMachine(const FolderItem& transferFolder);
