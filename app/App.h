#pragma once
// The application object: fills the product catalogue at start-up and
// answers the About menu item.

#include "platform/gui/Application.h"

class App : public Application {
public:
    bool _AppleAbout_Action();
    void InitApp();
    void ShowAboutPanel();

protected:
    void Event_Open() override;
    void Event_EnableMenuItems() override;
};
