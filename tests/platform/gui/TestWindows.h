#pragma once
// Windows built the way the application builds its own, for the tests.

#include <string>
#include <vector>

#include "platform/gui/GroupBox.h"
#include "platform/gui/PagePanel.h"
#include "platform/gui/PushButton.h"
#include "platform/gui/RadioButton.h"
#include "platform/gui/StaticText.h"
#include "platform/gui/Window.h"

// A four-page wizard in miniature: a radio pair on page 0, a radio pair in a
// group box on page 2 and another on page 3, a label on page 2, and a
// button outside the panel. Every event is logged in order.
class PagedWindow : public Window {
public:
    static std::shared_ptr<PagedWindow> Instance() { return SingleInstance<PagedWindow>(); }

    PagePanel* Pages = nullptr;
    RadioButton* Device = nullptr;
    RadioButton* Network = nullptr;
    StaticText* CopyHeading = nullptr;
    GroupBox* CopyBox = nullptr;
    RadioButton* CopyReplace = nullptr;
    RadioButton* CopyKeep = nullptr;
    GroupBox* PasteBox = nullptr;
    RadioButton* PasteReplace = nullptr;
    RadioButton* PasteKeep = nullptr;
    PushButton* Next = nullptr;

    std::vector<std::string> log;
    bool refuseClose = false;

protected:
    void Layout() override {
        log.push_back("Layout");
        SetContentSize(600, 480);
        SetResizable(false);
        SetMaximizeBox(false);
        SetTitle("ページ");
    }

    void CreateControls() override {
        log.push_back("CreateControls");
        Pages = Add<PagePanel>("Pages", 0, 60, 600, 350);
        Pages->SetPageCount(4);
        Pages->OnChange = [this] { log.push_back("Change " + std::to_string(Pages->Value())); };
        Device = AddRadio("Device", 50, 100);
        Device->SetParent(*Pages, 0);
        Network = AddRadio("Network", 50, 190);
        Network->SetParent(*Pages, 0);
        CopyHeading = Add<StaticText>("CopyHeading", 50, 70, 354, 20);
        CopyHeading->SetParent(*Pages, 2);
        CopyBox = Add<GroupBox>("CopyBox", 80, 305, 440, 85);
        CopyBox->SetParent(*Pages, 2);
        CopyReplace = AddRadio("CopyReplace", 100, 320);
        CopyReplace->SetParent(*CopyBox);
        CopyKeep = AddRadio("CopyKeep", 100, 350);
        CopyKeep->SetParent(*CopyBox);
        PasteBox = Add<GroupBox>("PasteBox", 80, 305, 440, 85);
        PasteBox->SetParent(*Pages, 3);
        PasteReplace = AddRadio("PasteReplace", 100, 320);
        PasteReplace->SetParent(*PasteBox);
        PasteKeep = AddRadio("PasteKeep", 100, 350);
        PasteKeep->SetParent(*PasteBox);
        Next = Add<PushButton>("Next", 480, 440, 80, 20);
        Next->SetCaption("次へ");
        Next->OnAction = [this] { log.push_back("Next"); };
    }

    void AddMenuHandlers() override { log.push_back("AddMenuHandlers"); }

    void Event_Open() override {
        log.push_back(FindControl("Next") ? "Open with controls" : "Open without controls");
    }

    bool Event_CancelClose(bool appQuitting) override {
        log.push_back(appQuitting ? "CancelClose quitting" : "CancelClose");
        return refuseClose;
    }

    bool Event_MouseDown(int x, int y) override {
        log.push_back("MouseDown " + std::to_string(x) + "," + std::to_string(y));
        return false;
    }

private:
    RadioButton* AddRadio(const std::string& name, int left, int top) {
        RadioButton* button = Add<RadioButton>(name, left, top, 330, 20);
        button->SetCaption(String(name));
        button->OnAction = [this, button] {
            log.push_back(button->Name() + (button->Value() ? " on" : " off"));
        };
        return button;
    }
};

// A small window with one button whose action the test chooses.
class ButtonWindow : public Window {
public:
    static std::shared_ptr<ButtonWindow> Instance() { return SingleInstance<ButtonWindow>(); }

    PushButton* Button = nullptr;
    StaticText* Label = nullptr;
    bool refuseClose = false;
    int cancelCloseCount = 0;

protected:
    void Layout() override {
        SetContentSize(300, 280);
        SetFrame(kSheetFrame);
        SetTitle("Untitled");
    }

    void CreateControls() override {
        Label = Add<StaticText>("Label", 20, 20, 260, 60);
        Button = Add<PushButton>("Button", 200, 240, 80, 20);
        Button->SetCaption("実行");
    }

    bool Event_CancelClose(bool /*appQuitting*/) override {
        ++cancelCloseCount;
        return refuseClose;
    }
};
