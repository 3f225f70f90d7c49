// The paste of STEP 4 on the new machine: what the copy left in the transfer
// folder's sub-folders goes into this machine's folders, one sub-folder after
// the other.

#include <set>
#include <string>
#include <vector>

#include "common/Globals.h"
#include "common/ItemKinds.h"
#include "common/TextEnco.h"
#include "platform/files/GetFolderItem.h"
#include "platform/threads/Cooperative.h"
#include "transfer/ItemPlacement.h"
#include "transfer/Thread1.h"
#include "wizard/Window1.h"

namespace {

// The paths of the sub-folder's entries that the copy recorded, each as the
// sub-folder names it.
std::set<std::string> RecordedPaths(const FolderItem& subFolder, const std::vector<String>& names) {
    std::set<std::string> paths;
    for (const String& name : names) {
        const FolderItem entry = subFolder.Child(name);
        if (entry != Nil)
            paths.insert(entry.AbsolutePath().Bytes());
    }
    return paths;
}

// Every entry that the copy recorded, whatever its visibility; of the others
// (a folder made by hand or by an older run) the visible ones only. An
// AppleDouble companion is never listed: it travels with its entry.
bool PasteFilter(const FolderItem& child, const std::set<std::string>& recorded) {
    if (child == Nil || !child.Exists())
        return false;
    if (recorded.contains(child.AbsolutePath().Bytes()))
        return true;
    return child.Visible() && LeftB(child.Name(), 1) != ".";
}

// A folder that can't be read is a failure that names it, never an empty folder.
bool ReportedUnreadable(const FolderItem& folder, TransferFailures& failures) {
    const String error = folder.ListingError();
    if (error == "")
        return false;
    failures.Add(folder.Name(), error);
    return true;
}

} // namespace

std::int32_t Thread1::PasteCount() {
    const FolderItem transferFolder = GetFolderItem("temp");
    std::int32_t count = 0;
    for (const ItemKind* step : TransferSubFolders()) {
        const String name = step->subFolder;
        const FolderItem subFolder =
            transferFolder == Nil ? FolderItem() : transferFolder.Child(name);
        if (subFolder != Nil && subFolder.Exists()) {
            const auto recorded = RecordedPaths(subFolder, pRecord.NamesIn(name));
            for (int i = 1; i <= subFolder.Count(); ++i) {
                if (PasteFilter(subFolder.Item(i), recorded))
                    ++count;
                coop::YieldToNextThread();
            }
        }
        coop::YieldToNextThread();
    }
    return count;
}

bool Thread1::PasteFolderItem() {
    const FolderItem transferFolder = GetFolderItem("temp");
    if (transferFolder == Nil)
        return false;
    if (ReportedUnreadable(transferFolder, pFailures))
        return false;
    std::int32_t count = 0;
    for (const ItemKind* step : TransferSubFolders()) {
        const String name = step->subFolder;
        if (PasteSubFolder(transferFolder.Child(name), name, step->destination(), count))
            return true;
        coop::YieldToNextThread();
    }
    return false;
}

bool Thread1::PasteSubFolder(const FolderItem& subFolder, const String& name,
                             const FolderItem& destination, std::int32_t& count) {
    const std::vector<String> names = pRecord.NamesIn(name);
    if (subFolder == Nil || !subFolder.Exists()) {
        for (const String& recorded : names)
            pFailures.Add(recorded, MissingReason(subFolder));
        return false;
    }
    if (ReportedUnreadable(subFolder, pFailures))
        return false;
    const auto recorded = RecordedPaths(subFolder, names);
    for (int i = 1; i <= subFolder.Count(); ++i) {
        const FolderItem child = subFolder.Item(i);
        if (PasteFilter(child, recorded)) {
            if (destination == Nil || !destination.Exists()) {
                pFailures.Add(child.Name(), MissingReason(destination));
            } else {
                pWin1->StaticText25->SetText(
                    destination.AbsolutePath() +
                    TextEnco::gEncText(" にペースト中...", "UTF-8", "Shift-JIS"));
                Globals::gWait(100);
                pFailures.Add(child.Name(), PlaceItem(child, destination, ItemPlacement(), pMade));
                ++count;
                pWin1->ProgressBar2->SetValue(count);
                if (pWin1->pStopThread1)
                    return true;
            }
        }
        coop::YieldToNextThread();
    }
    // A device that fails in the middle ends the listing early.
    if (ReportedUnreadable(subFolder, pFailures))
        return false;
    // What the copy put there and is gone now never arrives.
    for (const String& recordedName : names) {
        const FolderItem entry = subFolder.Child(recordedName);
        if (entry == Nil || !entry.Exists())
            pFailures.Add(recordedName, MissingReason(entry == Nil ? subFolder : entry));
    }
    return false;
}
