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
    const auto itemList = Window2::Instance();
    Listbox& rows = *itemList->Listbox1;
    rows.AddRow(item.Name());
    const int r = rows.LastIndex();
    rows.SetCellType(r, Window2::kNameColumn, Listbox::TypeCheckbox);
    rows.SetCellCheck(r, Window2::kNameColumn, true);
    rows.SetCell(r, Window2::kKindColumn, kind);
    rows.SetCell(r, Window2::kIndexColumn, Str(index));
}

// The product's GroupRow: ticked, no kind, its ItemIndexList in column 2.
void Thread2::GetItem2PUItem(const String& list, const String& name) {
    const auto itemList = Window2::Instance();
    Listbox& rows = *itemList->Listbox1;
    rows.AddFolder(name);
    const int r = rows.LastIndex();
    rows.SetCellType(r, Window2::kNameColumn, Listbox::TypeCheckbox);
    rows.SetCellCheck(r, Window2::kNameColumn, true);
    rows.SetCell(r, Window2::kIndexColumn, list);
}

void Thread2::GetItem2Select(const FolderItem& item) {
    if (GetItem2Pickup(item, kChosenByHand)) {
        // Held while the expansion yields: the rows must outlive it.
        const auto itemList = Window2::Instance();
        itemList->Listbox1->SetExpanded(itemList->Listbox1->LastIndex(), true);
    } else {
        Globals::gCautionDlg1(pWin1.get(), Globals::gBeep,
                              "DRAVOSoftware製ソフトウェアが含まれていません。",
                              "フォルダの追加はされません。");
    }
}
