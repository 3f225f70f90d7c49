// STEP 3's Copy and STEP 4's Paste buttons: each starts a transfer run, or
// asks the running one to stop while it reads "中止" (pCopyStops, pPasteStops). Each run is a new
// transfer thread that the window neither keeps nor waits for.

#include <memory>

#include "common/Globals.h"
#include "gather/Window2.h"
#include "platform/files/GetFolderItem.h"
#include "platform/threads/Cooperative.h"
#include "transfer/CopyingMachine.h"
#include "transfer/Thread1.h"
#include "wizard/RunningFlag.h"
#include "wizard/Window1.h"

namespace {

// A transfer run for the wizard; the wizard learns of its end only through
// the controls and flags that the run itself writes.
void StartThread1(Window1& window, Thread1::Mode mode, bool exist) {
    const auto thread = std::make_shared<Thread1>();
    thread->pWin1 = std::static_pointer_cast<Window1>(window.shared_from_this());
    thread->pMode = mode;
    thread->pExist = exist;
    thread->pRunning = std::make_unique<RunningFlag>(window);
    thread->Run();
}

} // namespace

void Window1::PushButton5_Action() {
    if (!pCopyStops) {
        if (RadioButton2->Value() && !RadioButton3->Value() && !RadioButton4->Value()) {
            Globals::gCautionDlg1(this, Globals::gBeep,
                                  "既存アイテムの処理方法が選択されていません。",
                                  "どちらかを選択して下さい。");
            return;
        }
        PutForCopy();
    } else {
        pStopThread1 = true;
    }
}

void Window1::PushButton6_Action() {
    if (!pPasteStops) {
        if (!RadioButton5->Value() && !RadioButton6->Value()) {
            Globals::gCautionDlg1(this, Globals::gBeep,
                                  "既存アイテムの処理方法が選択されていません。",
                                  "どちらかを選択して下さい。");
            return;
        }
        // Pasting back onto the old machine would put the copies over what
        // the user has changed there since; nothing starts, and the marker stays.
        if (CopiedOnThisMachine(GetFolderItem("temp"))) {
            Globals::gCautionDlg1(
                this, Globals::gBeep, "このマシンは、コピーを作成したマシン（旧マシン）です。",
                "ペーストは、新規マシンで本ソフトウェアを起動して行ってください。");
            return;
        }
        PutForPaste();
    } else {
        pStopThread1 = true;
    }
}

void Window1::PutForCopy() {
    // Every row expanded, from the last up, so that the ItemRows inserted
    // below a GroupRow never move a row still to be expanded: the transfer
    // walks the ItemRows.
    const auto itemList = Window2::Instance();
    const int n = itemList->Listbox1->ListCount();
    for (int row = n - 1; row >= 0; --row) {
        itemList->Listbox1->SetExpanded(row, true);
        coop::YieldToNextThread();
    }
    pStopThread1 = false;
    pStartCP = true;
    StartThread1(*this, RadioButton1->Value() ? Thread1::kCopyToDevice : Thread1::kNetworkCopy,
                 RadioButton3->Value());
}

void Window1::PutForPaste() {
    pStopThread1 = false;
    pStartCP = true;
    StartThread1(*this, Thread1::kPasteFromDevice, RadioButton5->Value());
}
