// STEP 2 of the wizard: the full scan, its stop and re-scan button, and the
// items added by hand through a folder or file dialog. Each run is a new
// gathering thread that the window neither keeps nor waits for.

#include <memory>

#include "common/Globals.h"
#include "gather/Thread2.h"
#include "gather/Window2.h"
#include "platform/files/StandardFolders.h"
#include "platform/files/Volumes.h"
#include "platform/gui/OpenDialog.h"
#include "platform/gui/SelectFolderDialog.h"
#include "wizard/Window1.h"

namespace {

// The Applications folder of the old machine's disk; Nil when that disk has
// gone away since it was picked.
FolderItem OldApplicationsFolder(std::int32_t volNo) {
    const FolderItem volume = Volume(volNo);
    if (volume == Nil || !volume.Exists())
        return Nil;
    return volume.Child("Applications");
}

// A gathering run with the window's method and old-machine choice.
void StartThread2(Window1& window, bool select, const FolderItem& f, std::int32_t volNo,
                  const String& user) {
    const auto thread = std::make_shared<Thread2>();
    thread->pWin1 = std::static_pointer_cast<Window1>(window.shared_from_this());
    thread->pSelect = select;
    thread->pFI = f;
    thread->pExdrive = window.RadioButton1->Value();
    thread->pVolNo = volNo;
    thread->pUser = user;
    thread->Run();
}

// The two manual-add buttons differ only in their dialog. In the network
// method it opens in the old machine's Applications folder.
template <class Dialog> void AddByHand(Window1& window, std::int32_t volNo) {
    Dialog dialog;
    if (window.RadioButton2->Value()) {
        if (volNo > 0) {
            dialog.SetInitialDirectory(OldApplicationsFolder(volNo));
        } else {
            Globals::gCautionDlg1(&window, Globals::gBeep,
                                  "旧マシンのディスクが選択されていません。", "");
            return;
        }
    }
    const FolderItem f = dialog.ShowModal();
    if (f != Nil)
        window.GetItemSelect(f);
}

} // namespace

void Window1::GetItem() {
    const FolderItem root =
        RadioButton1->Value() ? SpecialFolder::Applications() : OldApplicationsFolder(pVolNo);
    PushButton8->SetCaption("中止");
    pScanStops = true;
    pStopThread2 = false;
    Window2::Instance()->Listbox1->DeleteAllRows();
    Window2::Instance()->StaticText1->SetVisible(true);
    Window2::Instance()->ProgressWheel1->SetVisible(true);
    StartThread2(*this, false, root, pVolNo, pUser);
}

void Window1::GetItemSelect(const FolderItem& f) {
    StartThread2(*this, true, f, pVolNo, pUser);
}

void Window1::PushButton8_Action() {
    if (pScanStops)
        pStopThread2 = true;
    else
        GetItem();
}

void Window1::PushButton3_Action() {
    AddByHand<SelectFolderDialog>(*this, pVolNo);
}

void Window1::PushButton4_Action() {
    AddByHand<OpenDialog>(*this, pVolNo);
}
