// The copy of STEP 3 on the old machine: the count that the network copy
// shares, the emptying of the transfer folder, and the copy of each ticked
// item into the transfer folder's sub-folder for its kind.

#include "common/Globals.h"
#include "common/ItemKinds.h"
#include "common/TextEnco.h"
#include "platform/files/GetFolderItem.h"
#include "transfer/ItemPlacement.h"
#include "transfer/Thread1.h"
#include "transfer/TransferWalk.h"
#include "wizard/Window1.h"

void Thread1::DeleteFolderItem() {
    const FolderItem transferFolder = GetFolderItem("temp");
    if (transferFolder == Nil)
        return;
    if (transferFolder.Exists() && IsOwnTransferFolder(transferFolder))
        Globals::gDeleteFolder(transferFolder);
    transferFolder.CreateAsFolder();
    // What an earlier run left and could not be deleted would be pasted too.
    if (transferFolder.Count() > 0 || transferFolder.ListingError() != "") {
        pFailures.Add(transferFolder.Name(),
                      "「" + transferFolder.AbsolutePath() + "」を空にできません。");
        return;
    }
    pFailures.Add(transferFolder.Name(), pRecord.Write(transferFolder));
}

std::int32_t Thread1::CopyCount() {
    // From cleared marks, so that a run after a stopped one counts every item it will copy.
    ClearUsedMarks(*pWin1);
    std::int32_t count = 0;
    TransferWalk(*pWin1, [&count](const WalkRow& row) {
        if (row.record.item != Nil && row.record.item.Exists())
            ++count;
        return false;
    });
    ClearUsedMarks(*pWin1);
    return count;
}

bool Thread1::CopyFolderItem() {
    std::int32_t count = 0;
    const bool stopped = TransferWalk(*pWin1, [this, &count](const WalkRow& row) {
        const FolderItem& item = row.record.item;
        const ItemKind* kind = FindItemKind(row.kind);
        if (kind == nullptr) {
            pFailures.Add(row.name, UnknownKindReason(row.kind));
            return false;
        }
        const String name = kind->subFolder;
        // The transfer folder is opened anew for every item.
        const FolderItem transferFolder = GetFolderItem("temp");
        FolderItem subFolder;
        if (transferFolder != Nil)
            subFolder = transferFolder.Child(name);
        if (subFolder != Nil && !subFolder.Exists())
            subFolder.CreateAsFolder();
        if (item == Nil || !item.Exists()) {
            pFailures.Add(row.name, MissingReason(item));
            return false;
        }
        if (subFolder == Nil || !subFolder.Exists()) {
            pFailures.Add(row.name,
                          subFolder == Nil ? MissingReason(transferFolder) : subFolder.LastError());
            return false;
        }
        pWin1->StaticText21->SetText(item.AbsolutePath() +
                                     TextEnco::gEncText(" をコピー中...", "UTF-8", "Shift-JIS"));
        Globals::gWait(100);
        const Outcome placed = PlaceItem(item, subFolder, ItemPlacement(), pMade);
        if (placed.Succeeded())
            pRecord.Add(name, item.Name());
        pFailures.Add(row.name, placed);
        ++count;
        pWin1->ProgressBar1->SetValue(count);
        return pWin1->pStopThread1;
    });
    // The mark that the emptying left now records every entry put in; a
    // folder without it is not the assistant's to mark.
    const FolderItem transferFolder = GetFolderItem("temp");
    if (HasTransferMark(transferFolder))
        pFailures.Add(transferFolder.Name(), pRecord.Write(transferFolder));
    return stopped;
}
