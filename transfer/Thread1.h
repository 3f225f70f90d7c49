#pragma once
// The transfer thread of STEP 3 and STEP 4. The wizard makes one per run and
// starts it: mode 1 copies the ticked items into the transfer folder "temp"
// beside the program (external device, old machine), mode 2 pastes that
// folder's contents into this machine's folders (new machine), mode 3
// copies the ticked items from the old machine's disk straight into them
// (network). Each run counts first, shows its progress and a status line per
// item, polls the wizard's stop flag after every item transferred, and ends
// with the outcome texts of its page.
//
// It runs as a cooperative thread beside the windows: it yields after every
// row and item, inside each 100 ms wait, and while a copy is being made on a
// background thread. Items that could not be transferred are collected with
// their reasons; a run that leaves any behind is never reported as complete.

#include <cstdint>
#include <memory>

#include "platform/text/String.h"
#include "platform/threads/Thread.h"
#include "transfer/TransferFailures.h"

class Window1;

class Thread1 : public Thread {
public:
    // The wizard that started the run.
    std::shared_ptr<Window1> pWin1;
    // 1 copy to the device, 2 paste from the device, 3 network copy; any other: nothing.
    std::int32_t pMode = 0;
    // True: an entry of the same name at the destination is replaced.
    bool pExist = false;

    // True when the user stopped the run.
    bool CopyFolderItem();
    bool PasteFolderItem();
    // The number of items the transfer will handle: the progress bar's maximum.
    std::int32_t CopyCount();
    std::int32_t PasteCount();
    bool NetCopyPaste();
    // Leaves the transfer folder empty.
    void DeleteFolderItem();

protected:
    void Event_Run() override;

private:
    void CopyToDevice();
    void PasteFromDevice();
    void NetworkCopy();
    // Tells the quit guard whether the run left items behind and, unless the
    // user stopped it, shows the caution that names them.
    void ReportOutcome(bool stopped, const String& message);

    TransferFailures pFailures;
};
