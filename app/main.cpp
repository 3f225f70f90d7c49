// Start-up: the application object with its menu bar, the About handler,
// the wizard window, then the event loop until the user quits.

#include "app/App.h"
#include "app/MenuBar1.h"
#include "common/Globals.h"
#include "wizard/Window1.h"

int main() {
    int status = 0;
    {
        App app;
        app.SetMenuBar(MenuBar1::Instance());
        app.AddMenuHandler("AppleAbout", [&app] { return app._AppleAbout_Action(); });
        Window1::Instance();
        status = app.Run();
    }
    MenuBar1::Release();
    Globals::ReleaseModuleState();
    return status;
}
