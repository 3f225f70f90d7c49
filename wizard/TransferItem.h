#pragma once
// One record of the wizard's item store: a gathered file or folder with its
// item kind, and the transfer thread's per-run mark.

#include "platform/files/FolderItem.h"
#include "platform/text/String.h"

struct TransferItem {
    FolderItem item;   // never changed after registration
    String kind;       // "A", "AD", "P", "AS", "DD" or "D"
    bool used = false; // written by the transfer thread only
};
