#include "app/App.h"

#include "app/AboutPanel.h"
#include "app/MenuBar1.h"
#include "common/Globals.h"

void App::Event_Open() {
    InitApp();
}

void App::Event_EnableMenuItems() {
    if (auto about = MenuBar1::Instance()->FindItem("AppleAbout"))
        about->SetEnabled(true);
}

bool App::_AppleAbout_Action() {
    ShowAboutPanel();
    return true;
}

void App::InitApp() {
    using namespace Globals;
    gBeep = true;

    for (const char* name : {"Solvane", "Swapdeck", "SolvaCard", "Tessaro", "Kelmo", "KelmoDX",
                             "Reelmint", "Norvik", "Pelloq", "Brisko", "Lutemo", "Dorvan"})
        gAppName.push_back(name);

    for (const char* code :
         {"APPLqWt1", "APPLqWt2", "APPLqWt3", "APPLqWt4", "APPLqWt5", "APPLqWt6", "APPLqWtf",
          "APPLqWtj", "APPLqWtk", "APPLqWtm", "APPLqWtq", "APPLqWtr"})
        gAppTypeCre.push_back(code);

    for (const char* code : {"Tbx3qWt1", "Tcx3qWt1", "TpxlqWt4", "TkmoqWt5"})
        gDocTypeCre.push_back(code);
}

void App::ShowAboutPanel() {
    auto panel = Window::New<AboutPanel>();
    panel->StaticText1->SetText("Ver. 1.0b2");
    panel->ShowModal();
    panel->Close();
}
