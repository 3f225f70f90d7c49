// The gathering run: the scan of the Applications folder, its end, and the
// decision of what a recognised item picks up.

#include "gather/Thread2.h"

#include "common/Globals.h"
#include "gather/ProductFolders.h"
#include "gather/Window2.h"
#include "platform/Nil.h"
#include "platform/files/Volumes.h"
#include "platform/threads/Cooperative.h"
#include "wizard/Window1.h"

void Thread2::Event_Run() {
    // Every step reports to the wizard that started the run.
    if (pWin1 == nullptr)
        throw NilObjectException();
    // Alias records and Mac paths name disks by name; the old machine's disk
    // often shares its name with another. Through the device the assistant
    // runs on the old machine itself: its start-up disk is the old disk.
    SetPreferredVolume(pExdrive ? Volume(0) : Volume(pVolNo));
    if (pSelect) {
        GetItem2Select(pFI);
        return;
    }
    GetItem2(pFI);

    // Every row expanded, from the last up, so that children inserted below a
    // row never move a row still to be expanded.
    const auto itemList = Window2::Instance();
    const int n = itemList->Listbox1->ListCount();
    for (int row = n - 1; row >= 0; --row) {
        itemList->Listbox1->SetExpanded(row, true);
        coop::YieldToNextThread();
    }
    itemList->StaticText1->SetVisible(false);
    itemList->ProgressWheel1->SetVisible(false);

    pWin1->StaticText10->SetEnabled(true);
    pWin1->StaticText10->SetText("取得が完了したら、「次へ」ボタンを押して下さい。");
    pWin1->PushButton2->SetEnabled(true);
    pWin1->PushButton3->SetEnabled(true);
    pWin1->PushButton4->SetEnabled(true);
    pWin1->PushButton8->SetCaption("再取得");
    pWin1->pScanStops = false;
}

// Only the folders lying directly in the root are examined; an application
// package lying there itself is passed over.
void Thread2::GetItem2(const FolderItem& root) {
    // The old machine's disk has gone away: there is nothing to scan.
    if (root == Nil)
        return;
    for (int i = 1; i <= root.Count(); ++i) {
        const FolderItem child = root.Item(i);
        if (child != Nil) {
            if (child.Exists() && child.Directory() && child.Visible() &&
                LeftB(child.Name(), 1) != "." && !Globals::gAppPackage(child))
                GetItem2Pickup(child, kScanned);
            if (pWin1->pStopThread2)
                return;
        }
        coop::YieldToNextThread();
    }
}

// Recognition runs afresh before each test. Five products are gathered; the
// other seven are recognised and give nothing.
bool Thread2::GetItem2Pickup(const FolderItem& item, std::int32_t mode) {
    using namespace Globals;
    if (GetItem2FindCre(item, mode) == kSolvane) {
        const ProductFolders& product = FoldersOf(kSolvane);
        String list = GetItem2PUApp("", item);
        list = GetItem2PUPref(list, product.preferences);
        list = GetItem2PUAS(list, product.support);
        list = GetItem2PUDocDSolv(list, item);
        GetItem2PUItem(list, product.name);
        return true;
    }
    if (GetItem2FindCre(item, mode) == kSwapdeck) {
        const String list = GetItem2PUApp("", item);
        GetItem2PUItem(list, FoldersOf(kSwapdeck).name);
        return true;
    }
    if (GetItem2FindCre(item, mode) == kTessaro) {
        const ProductFolders& product = FoldersOf(kTessaro);
        String list = GetItem2PUApp("", item);
        list = GetItem2PUPref(list, product.preferences);
        list = GetItem2PUDocDTessa(list, item);
        GetItem2PUItem(list, product.name);
        return true;
    }
    if (GetItem2FindCre(item, mode) == kKelmo) {
        const ProductFolders& product = FoldersOf(kKelmo);
        String list = GetItem2PUApp("", item);
        list = GetItem2PUPref(list, product.preferences);
        list = GetItem2PUAS(list, product.support);
        list = GetItem2PUDocDKlm(list, item);
        GetItem2PUItem(list, product.name);
        return true;
    }
    if (GetItem2FindCre(item, mode) == kBrisko) {
        const ProductFolders& product = FoldersOf(kBrisko);
        String list = GetItem2PUApp("", item);
        list = GetItem2PUPref(list, product.preferences);
        GetItem2PUItem(list, product.name);
        return true;
    }
    if (GetItem2FindCre(item, mode) == kDocumentFolder) {
        GetItem2PUDoc("", item, "DD");
        return true;
    }
    if (GetItem2FindCre(item, mode) == kDocumentFile) {
        GetItem2PUDoc("", item, "D");
        return true;
    }
    return false;
}
