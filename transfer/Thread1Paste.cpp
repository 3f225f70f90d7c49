// The paste of STEP 4 on the new machine: what the copy left in the transfer
// folder's sub-folders goes into this machine's folders, in six steps.

#include "common/Globals.h"
#include "common/TextEnco.h"
#include "platform/files/GetFolderItem.h"
#include "platform/files/StandardFolders.h"
#include "platform/threads/Cooperative.h"
#include "transfer/ItemPlacement.h"
#include "transfer/Thread1.h"
#include "wizard/Window1.h"

namespace {

constexpr int kLastStep = 5;

// The transfer folder's sub-folder that a step takes; Nil for the steps
// without one and when the transfer folder is missing.
FolderItem StepSubFolder(int step) {
    String name;
    if (step == 0)
        name = "App";
    if (step == 2)
        name = "Pref";
    if (step == 3)
        name = "AS";
    if (step == 4)
        name = "Doc";
    if (name == "")
        return Nil;
    const FolderItem transferFolder = GetFolderItem("temp");
    if (transferFolder == Nil)
        return Nil;
    return transferFolder.Child(name);
}

FolderItem StepDestination(int step) {
    if (step == 0)
        return SpecialFolder::Applications();
    if (step == 2)
        return SpecialFolder::Preferences();
    if (step == 3)
        return SpecialFolder::ApplicationData();
    if (step == 4)
        return SpecialFolder::Documents();
    return Nil;
}

// Every visible entry that the copy placed: folders, application packages
// and single files. Hidden entries and "." names stay; an AppleDouble
// companion travels with its file.
bool PasteFilter(const FolderItem& child) {
    return child != Nil && child.Exists() && child.Visible() && LeftB(child.Name(), 1) != ".";
}

} // namespace

std::int32_t Thread1::PasteCount() {
    std::int32_t count = 0;
    for (int step = 0; step <= kLastStep; ++step) {
        const FolderItem subFolder = StepSubFolder(step);
        if (subFolder != Nil && subFolder.Exists()) {
            for (int i = 1; i <= subFolder.Count(); ++i) {
                if (PasteFilter(subFolder.Item(i)))
                    ++count;
                coop::YieldToNextThread();
            }
        }
        coop::YieldToNextThread();
    }
    return count;
}

bool Thread1::PasteFolderItem() {
    std::int32_t count = 0;
    for (int step = 0; step <= kLastStep; ++step) {
        const FolderItem subFolder = StepSubFolder(step);
        const FolderItem destination = StepDestination(step);
        if (subFolder != Nil && subFolder.Exists()) {
            for (int i = 1; i <= subFolder.Count(); ++i) {
                const FolderItem child = subFolder.Item(i);
                if (PasteFilter(child)) {
                    if (destination == Nil || !destination.Exists()) {
                        pFailures.Add(child.Name(), MissingReason(destination));
                    } else {
                        pWin1->StaticText25->SetText(
                            destination.AbsolutePath() +
                            TextEnco::gEncText(" にペースト中...", "UTF-8", "Shift-JIS"));
                        Globals::gWait(100);
                        String reason;
                        if (!PlaceItem(child, destination, pExist, reason))
                            pFailures.Add(child.Name(), reason);
                        ++count;
                        pWin1->ProgressBar2->SetValue(count);
                        if (pWin1->pStopThread1)
                            return true;
                    }
                }
                coop::YieldToNextThread();
            }
        }
        coop::YieldToNextThread();
    }
    return false;
}
