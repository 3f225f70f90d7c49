// Pick-up: registering a product's items in the wizard's item store, the
// rows of the item list, and the manual add.

#include "common/Globals.h"
#include "gather/Thread2.h"
#include "gather/Window2.h"
#include "wizard/Window1.h"

namespace {

// An ItemIndexList with one more index.
String WithIndex(const String& list, std::int32_t index) {
    return list + Str(index) + ":";
}

} // namespace

String Thread2::GetItem2PUApp(const String& list, const FolderItem& item) {
    const String kind = Globals::gExtractExtn(item.Name()) == "app" ? "A" : "AD";
    return WithIndex(list, pWin1->AddFIlist(item, kind));
}

String Thread2::GetItem2PUPref(const String& list, const String& name) {
    return PickUpChild(list, GetFolderPref(), name, "P");
}

String Thread2::GetItem2PUAS(const String& list, const String& name) {
    return PickUpChild(list, GetFolderAS(), name, "AS");
}

String Thread2::PickUpChild(const String& list, const FolderItem& folder, const String& name,
                            const String& kind) {
    if (folder == Nil)
        return list;
    const FolderItem candidate = folder.Child(name);
    if (candidate == Nil || !candidate.Exists())
        return list;
    return WithIndex(list, pWin1->AddFIlist(candidate, kind));
}

// A document added by hand: one top-level ItemRow without a kind label.
void Thread2::GetItem2PUDoc(const String& /*text*/, const FolderItem& item, const String& kind) {
    // Registered before its row is added: the registration yields, and rows
    // expanded or deleted meanwhile would move a row number taken earlier.
    const std::int32_t index = pWin1->AddFIlist(item, kind);
    Listbox& rows = *Window2::Instance()->Listbox1;
    rows.AddRow(item.Name());
    const int r = rows.LastIndex();
    rows.SetCellType(r, 0, Listbox::TypeCheckbox);
    rows.SetCellCheck(r, 0, true);
    rows.SetCell(r, 1, kind);
    rows.SetCell(r, 2, Str(index));
}

// The product's GroupRow: ticked, no kind, its ItemIndexList in column 2.
void Thread2::GetItem2PUItem(const String& list, const String& name) {
    Listbox& rows = *Window2::Instance()->Listbox1;
    rows.AddFolder(name);
    const int r = rows.LastIndex();
    rows.SetCellType(r, 0, Listbox::TypeCheckbox);
    rows.SetCellCheck(r, 0, true);
    rows.SetCell(r, 2, list);
}

void Thread2::GetItem2Select(const FolderItem& item) {
    if (GetItem2Pickup(item, kChosenByHand)) {
        Listbox& rows = *Window2::Instance()->Listbox1;
        rows.SetExpanded(rows.LastIndex(), true);
    } else {
        Globals::gCautionDlg1(pWin1.get(), Globals::gBeep,
                              "DRAVOSoftware製ソフトウェアが含まれていません。",
                              "フォルダの追加はされません。");
    }
}
