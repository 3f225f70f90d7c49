#include "app/MenuBar1.h"

namespace {

std::shared_ptr<MenuBar1>& SharedBar() {
    static std::shared_ptr<MenuBar1> bar;
    return bar;
}

template <class Item = MenuItem>
std::shared_ptr<MenuItem> MakeItem(const char* name, const char* text, const char* shortcut = "") {
    auto item = std::make_shared<Item>();
    item->SetName(name);
    item->SetAutoEnable(true);
    item->SetText(text);
    item->SetKeyboardShortcut(shortcut);
    return item;
}

} // namespace

std::shared_ptr<MenuBar1> MenuBar1::Instance() {
    if (!SharedBar())
        SharedBar() = std::make_shared<MenuBar1>();
    return SharedBar();
}

void MenuBar1::Release() {
    SharedBar().reset();
}

MenuBar1::MenuBar1() {
    Untitled0();
    Untitled1();
}

void MenuBar1::Untitled0() {
    Append(MakeItem("FileMenu", "File"));
    Child("FileMenu")->Append(MakeItem<QuitMenuItem>("FileQuit", "&Quit", "Cmd+Q"));
}

void MenuBar1::Untitled1() {
    Append(MakeItem("EditMenu", "Edit"));
    auto edit = Child("EditMenu");
    edit->Append(MakeItem("EditUndo", "Undo", "Cmd+Z"));
    edit->Append(MakeItem("UntitledMenu1", "-"));
    edit->Append(MakeItem("EditCut", "Cut", "Cmd+X"));
    edit->Append(MakeItem("EditCopy", "Copy", "Cmd+C"));
    edit->Append(MakeItem("EditPaste", "Paste", "Cmd+V"));
    edit->Append(MakeItem("EditClear", "Clear"));
    edit->Append(MakeItem("UntitledMenu0", "-"));
    edit->Append(MakeItem("EditSelectAll", "Select All", "Cmd+A"));
    edit->Append(MakeItem<AppleMenuItem>("AppleAbout", "About DRAVO Migration Assistant…"));
}
