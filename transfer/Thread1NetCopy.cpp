// The copy of STEP 3 in the network method: each ticked item goes from the
// old machine's disk straight into this machine's folder for its kind.

#include "common/Globals.h"
#include "common/ItemKinds.h"
#include "common/TextEnco.h"
#include "transfer/ItemPlacement.h"
#include "transfer/Thread1.h"
#include "transfer/TransferWalk.h"
#include "wizard/Window1.h"

bool Thread1::NetCopyPaste() {
    std::int32_t count = 0;
    return TransferWalk(*pWin1, [this, &count](const WalkRow& row) {
        const FolderItem& item = row.record.item;
        const ItemKind* kind = FindItemKind(row.kind);
        const FolderItem destination = kind != nullptr ? kind->destination() : FolderItem();
        // An item gone with the old machine's disk is one that could not be copied.
        if (item == Nil || !item.Exists()) {
            pFailures.Add(row.name, MissingReason(item));
            return false;
        }
        if (destination == Nil || !destination.Exists()) {
            pFailures.Add(row.name, kind == nullptr ? UnknownKindReason(row.kind)
                                                    : MissingReason(destination));
            return false;
        }
        pWin1->StaticText21->SetText(item.AbsolutePath() +
                                     TextEnco::gEncText(" をコピー中...", "UTF-8", "Shift-JIS"));
        Globals::gWait(100);
        pFailures.Add(row.name, PlaceItem(item, destination, ItemPlacement(), pMade));
        ++count;
        pWin1->ProgressBar1->SetValue(count);
        return pWin1->pStopThread1;
    });
}
