#pragma once
// The About panel: made anew for each showing, hidden by a click anywhere in
// it or by Escape, Return or Space.

#include "platform/gui/StaticText.h"
#include "platform/gui/Window.h"

class AboutPanel : public Window {
public:
    StaticText* StaticText2 = nullptr; // credits
    StaticText* StaticText1 = nullptr; // version line
    StaticText* StaticText3 = nullptr; // title line
    StaticText* StaticText4 = nullptr; // build line

protected:
    void Layout() override;
    void CreateControls() override;
    void Event_Open() override;
    bool Event_MouseDown(int x, int y) override;
    bool Event_KeyDown(const String& key) override;

private:
    void _CreateControls0();
};
