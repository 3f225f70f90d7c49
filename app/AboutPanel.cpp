#include "app/AboutPanel.h"

#include "app/MenuBar1.h"

namespace {

StaticText* AddLabel(Window& window, const char* name, int left, int top, int width, int height,
                     const String& text, double points, bool multiline, Color color) {
    auto* label = window.Add<StaticText>(name, left, top, width, height);
    label->SetText(text);
    label->SetTextSize(points);
    label->SetMultiline(multiline);
    label->SetTextAlign(StaticText::Alignment::Center);
    label->SetTextColor(color);
    return label;
}

const char* const kCredits = "DRAVO Migration Assistant\n"
                             "moves DRAVO Software applications with their preferences,\n"
                             "Application Support and document folders to a new Mac.\n\n"
                             "© DRAVO Software";

} // namespace

void AboutPanel::Layout() {
    SetContentSize(420, 260);
    SetMinimumSize(64, 64);
    SetMaximumSize(32000, 32000);
    SetFrame(kModalDialogFrame);
    SetTitle("名称未設定");
    SetAccessibleName("本ソフトウェアについて");
    SetResizable(true);
    SetCloseBox(true);
    SetMinimizeBox(true);
    SetMaximizeBox(true);
    SetMenuBar(MenuBar1::Instance());
    SetMenuBarVisible(true);
}

void AboutPanel::CreateControls() {
    _CreateControls0();
}

void AboutPanel::_CreateControls0() {
    StaticText2 =
        AddLabel(*this, "StaticText2", 40, 138, 340, 110, kCredits, 10, true, RGB(51, 0, 0));
    StaticText1 =
        AddLabel(*this, "StaticText1", 160, 74, 100, 15, "Ver. 1.0.0", 12, true, RGB(0, 51, 102));
    StaticText3 = AddLabel(*this, "StaticText3", 20, 22, 380, 50, "", 32, false, RGB(0, 0, 255));
    StaticText3->SetItalic(true);
    StaticText4 = AddLabel(*this, "StaticText4", 140, 100, 140, 20, "Universal Application", 10,
                           false, RGB(0, 51, 102));
}

void AboutPanel::Event_Open() {
    StaticText3->SetText("DRAVO 移行アシスタント");
}

bool AboutPanel::Event_MouseDown(int, int) {
    Hide();
    return false;
}

// The keys that close a dialog close the panel as a click does.
bool AboutPanel::Event_KeyDown(const String& key) {
    if (!(key == KeyEscape || key == KeyReturn || key == KeyEnter || key == " "))
        return false;
    Hide();
    return true;
}
