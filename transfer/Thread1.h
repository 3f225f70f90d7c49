#pragma once
// The transfer thread of STEP 3 and STEP 4. The wizard makes one per run and
// starts it: mode 1 copies the ticked items into the transfer folder "temp"
// beside the program (external device, old machine), mode 2 pastes that
// folder's contents into this machine's folders (new machine), mode 3
// copies the ticked items from the old machine's disk straight into them
// (network). Each run counts first, shows its progress and a status line per
// item, polls the wizard's stop flag after every item transferred (a long
// copy under way when it is set ends within a second, leaving nothing of the
// item), and ends with the outcome texts of its page.
//
// It runs as a cooperative thread beside the windows: it yields after every
// row and item, inside each 100 ms wait, and while a copy is being made on a
// background thread. Items that could not be transferred are collected with
// their reasons; a run that leaves any behind is never reported as complete.

#include <cstdint>
#include <functional>
#include <memory>

#include "platform/text/String.h"
#include "platform/threads/Thread.h"
#include "transfer/ItemPlacement.h"
#include "transfer/MadeEntries.h"
#include "transfer/TransferFailures.h"
#include "transfer/TransferRecord.h"

class RunningFlag;
class Window1;

class Thread1 : public Thread {
public:
    // The wizard that started the run.
    std::shared_ptr<Window1> pWin1;
    // What the run does; kNoTransfer: nothing.
    enum Mode : std::int32_t {
        kNoTransfer = 0,
        kCopyToDevice = 1,
        kPasteFromDevice = 2,
        kNetworkCopy = 3,
    };
    Mode pMode = kNoTransfer;
    // True: an entry of the same name at the destination is replaced.
    bool pExist = false;
    // The wizard's running flag, held until the run is over.
    std::unique_ptr<RunningFlag> pRunning;

    Thread1();
    ~Thread1() override;

    // True when the user stopped the run.
    bool CopyFolderItem();
    bool PasteFolderItem();
    // The number of items the transfer will handle: the progress bar's maximum.
    std::int32_t CopyCount();
    std::int32_t PasteCount();
    bool NetCopyPaste();
    // Leaves the transfer folder empty and marked as the assistant's own; a
    // folder "temp" that is not its own is never emptied.
    void DeleteFolderItem();

protected:
    void Event_Run() override;

private:
    struct RunMode;
    static const RunMode* RunModeOf(Mode mode);
    // The steps of a run that may start, and the outcome it leaves on its page.
    void Perform(const RunMode& mode);
    void SetChoiceEnabled(const RunMode& mode, bool enabled);
    // Each mode's own steps around the skeleton.
    bool TransferFolderIsOwn();
    bool TransferFolderIsThere();
    bool CopyIntoTransferFolder();
    std::int32_t CountRecordedPaste();
    // Pastes what a step takes from the transfer folder's sub-folder of that
    // name into the destination; True when the user stopped the run.
    bool PasteSubFolder(const FolderItem& subFolder, const String& name,
                        const FolderItem& destination, std::int32_t& count);
    // How this run's mode places its items: what it does with an entry of
    // an item's name (the user's choice where there is one), with an item
    // that is a link, and the user's stop, which ends a long copy within a
    // second, leaving nothing of it.
    Placement ItemPlacement() const;

    TransferFailures pFailures;
    // What this run put in place, so that no later item takes it for another's.
    MadeEntries pMade;
    // What the copy put into the transfer folder, or what the paste found recorded there.
    TransferRecord pRecord;
};
