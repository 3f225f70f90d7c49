// Start-up: the application object with its menu bar, the About handler,
// the wizard window, then the event loop until the user quits. A second
// start of the assistant of the same program folder only says so and ends.

#include "app/App.h"
#include "app/MenuBar1.h"
#include "common/Globals.h"
#include "platform/files/ProgramFolderLock.h"
#include "wizard/Window1.h"

int main() {
    // Before anything touches the disk: the transfer folder and the marker
    // belong to the assistant that runs.
    const bool alone = files::LockProgramFolder();
    int status = 0;
    {
        App app;
        if (alone) {
            app.SetMenuBar(MenuBar1::Instance());
            app.AddMenuHandler("AppleAbout", [&app] { return app._AppleAbout_Action(); });
            Window1::Instance();
            status = app.Run();
        } else {
            Globals::gCautionDlg1(nullptr, Globals::gBeep, "本ソフトウェアはすでに起動しています。",
                                  "");
        }
    }
    MenuBar1::Release();
    Globals::ReleaseModuleState();
    return status;
}
