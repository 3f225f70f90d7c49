#include "platform/gui/QtApplication.h"

#include <QApplication>

void EnsureQtApplication() {
    if (QApplication::instance())
        return;
    static int argc = 1;
    static char name[] = "DRAVO Migration Assistant";
    static char* argv[] = {name, nullptr};
    auto* application = new QApplication(argc, argv);
    // Closing the last window ends the application through Window, which
    // knows a hidden window from a closed one.
    application->setQuitOnLastWindowClosed(false);
}
