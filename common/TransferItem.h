#pragma once
// One record of the wizard's item store: a gathered file or folder with its
// item kind (common/ItemKinds.h), and the transfer thread's per-run mark.

#include "platform/files/FolderItem.h"
#include "platform/text/String.h"

struct TransferItem {
    FolderItem item;   // never changed after registration
    String kind;       // the code of one of the kItemKinds
    bool used = false; // written by the transfer thread only
};
