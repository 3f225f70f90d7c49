// The assistant's own start-up (app/main.cpp) in a process of its own, for
// the tests that start it twice. What a user would see is printed on
// standard output, a line each: the message of every dialog, which is
// answered with its action button, and the title of every window open once
// the event loop runs.

#include <QCoreApplication>
#include <QTimer>

#include <iostream>

#include "platform/gui/ModalScript.h"
#include "platform/gui/Window.h"

namespace {

void PrintOpenWindowsOnceRunning() {
    QTimer::singleShot(0, [] {
        for (const auto& window : Window::OpenWindows())
            std::cout << "window: " << window->Title().ToUTF8() << std::endl;
    });
}

struct ScriptedDialogs {
    ScriptedDialogs() {
        ModalScript::SetScripting(true);
        ModalScript::SetFailureHook(
            [](const std::string& what) { std::cout << "unexpected: " << what << std::endl; });
        ModalScript::Push([](Modal& dialog) {
            std::cout << "dialog: " << dialog.message << std::endl;
            dialog.PressActionButton();
        });
    }
} scriptedDialogs;

} // namespace

Q_COREAPP_STARTUP_FUNCTION(PrintOpenWindowsOnceRunning)
