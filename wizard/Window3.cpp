#include "wizard/Window3.h"

#include "common/Globals.h"
#include "platform/files/Volumes.h"
#include "platform/threads/Cooperative.h"

void Window3::Layout() {
    SetContentSize(300, 280);
    SetFrame(kSheetFrame);
    SetTitle("Untitled");
    SetAccessibleName("旧マシンのディスクとユーザの選択");
    SetResizable(false);
    SetCloseBox(true);
    SetMinimizeBox(true);
    SetMaximizeBox(false);
    SetVisible(true);
}

void Window3::CreateControls() {
    _CreateControls0();
}

void Window3::_CreateControls0() {
    Listbox1 = Add<Listbox>("Listbox1", 16, 40, 268, 93);
    Listbox1->SetColumnCount(1);
    Listbox1->SetHasHeading(false);
    Listbox1->SetTextSize(12);
    Listbox1->OnChange = [this] { Listbox1_Change(); };

    PushButton1 = Add<PushButton>("PushButton1", 100, 240, 80, 20);
    PushButton1->OnAction = [this] { PushButton1_Action(); };

    PushButton2 = Add<PushButton>("PushButton2", 200, 240, 80, 20);
    PushButton2->SetDefault(true);
    PushButton2->OnAction = [this] { PushButton2_Action(); };

    StaticText1 = Add<StaticText>("StaticText1", 20, 20, 260, 20);
    StaticText1->SetTextSize(12);
    StaticText1->SetTextAlign(StaticText::Alignment::Center);

    Listbox2 = Add<Listbox>("Listbox2", 16, 160, 268, 62);
    Listbox2->SetColumnCount(1);
    Listbox2->SetHasHeading(false);
    Listbox2->SetTextSize(12);

    StaticText2 = Add<StaticText>("StaticText2", 20, 140, 260, 20);
    StaticText2->SetTextSize(12);
    StaticText2->SetTextAlign(StaticText::Alignment::Center);
}

// The picker answers no menu item itself.
void Window3::AddMenuHandlers() {}

void Window3::Event_Open() {
    StaticText1->SetText("旧マシンのディスクを選択してください。");
    StaticText2->SetText("ユーザを選択してください。");
    PushButton1->SetCaption("キャンセル");
    PushButton2->SetCaption("実行");
    Listbox1->SetAccessibleName(StaticText1->Text());
    Listbox2->SetAccessibleName(StaticText2->Text());

    Listbox1->DeleteAllRows();
    const int count = VolumeCount();
    for (int i = 0; i < count; ++i) {
        // A volume gone meanwhile keeps its row, so rows stay volume indexes.
        const FolderItem volume = Volume(i);
        String row = volume == Nil ? String() : volume.Name();
        if (i == 0)
            row = row + "（起動ディスク・選択不可）";
        Listbox1->AddRow(row);
        coop::YieldToNextThread();
    }
}

void Window3::Listbox1_Change() {
    const int n = Listbox1->ListIndex();
    if (n < 0) {
        Listbox2->DeleteAllRows();
        return;
    }
    // A volume gone since it was listed has no users to offer.
    const FolderItem volume = Volume(n);
    const FolderItem users = volume == Nil ? FolderItem() : volume.Child("Users");
    Listbox2->DeleteAllRows();
    for (int j = 1; users != Nil && j <= users.Count(); ++j) {
        const FolderItem entry = users.Item(j);
        if (entry != Nil && entry.Exists()) {
            const String name = entry.Name();
            if (!(LeftB(name, 1) == ".") && !(name == "Shared"))
                Listbox2->AddRow(name);
        }
        coop::YieldToNextThread();
    }
}

void Window3::PushButton1_Action() {
    pVolNo = -1;
    Hide();
}

void Window3::PushButton2_Action() {
    if (Listbox1->ListIndex() < 1 || Listbox2->ListIndex() < 0) {
        Globals::gCautionDlg1(this, Globals::gBeep, "ディスクまたはユーザが指定されていません。",
                              "");
        return;
    }
    pVolNo = Listbox1->ListIndex();
    pUser = Listbox2->List(Listbox2->ListIndex());
    Hide();
}

// The close box and Escape are a Cancel: the caller must never take them
// for a choice.
bool Window3::Event_CancelClose(bool /*appQuitting*/) {
    PushButton1_Action();
    return false;
}

bool Window3::Event_KeyDown(const String& key) {
    if (!(key == KeyEscape))
        return false;
    PushButton1_Action();
    return true;
}
