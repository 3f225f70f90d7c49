#include "platform/gui/Application.h"

#include "platform/gui/ExceptionName.h"
#include "platform/gui/HandlerGuard.h"
#include "platform/gui/MenuBar.h"
#include "platform/gui/MessageDialog.h"
#include "platform/gui/QtApplication.h"
#include "platform/gui/Window.h"
#include "platform/threads/Cooperative.h"

#include <QApplication>
#include <QMenuBar>
#include <QTimer>

namespace {

Application* gApplication = nullptr;

std::function<void()>& QuitHook() {
    static std::function<void()> hook;
    return hook;
}

// The framework's answer to an exception that nothing caught: say so and end.
void AlertAndEnd(std::exception_ptr error) {
    static bool alerting = false;
    if (alerting)
        return;
    alerting = true;
    MessageDialog alert;
    alert.SetIcon(MessageDialog::kStopIcon);
    alert.SetMessage(String("An exception of class ") + String(ExceptionClassName(error)) +
                     String(" was not handled. The application must shut down."));
    alert.ShowModal();
    alerting = false;
    EndApplication();
}

} // namespace

Application::Application() {
    EnsureQtApplication();
    gApplication = this;
    coop::SetUnhandledExceptionHandler(AlertAndEnd);
}

Application::~Application() {
    Window::CloseAll();
    if (gApplication == this)
        gApplication = nullptr;
}

Application* TheApplication() {
    return gApplication;
}

int Application::Run() {
    running_ = true;
    QTimer::singleShot(0, QApplication::instance(),
                       [this] { coop::Guard([this] { Event_Open(); }); });
    const int exitCode = QApplication::exec();
    running_ = false;
    Window::CloseAll();
    return exitCode;
}

void Application::SetMenuBar(std::shared_ptr<MenuBar> bar) {
    menuBar_ = std::move(bar);
    InstallAppMenuBar();
}

void Application::InstallAppMenuBar() {
#ifdef Q_OS_MACOS
    // A menu bar without a parent is the one shown while no window has its own.
    static QMenuBar* applicationBar = new QMenuBar(nullptr);
    applicationBar->clear();
    if (menuBar_)
        menuBar_->ShowIn(applicationBar);
#endif
}

void Application::AddMenuHandler(const std::string& itemName, std::function<bool()> handler) {
    menuHandlers_[itemName] = std::move(handler);
}

bool Application::HandleMenuCommand(const std::string& itemName) {
    const auto found = menuHandlers_.find(itemName);
    if (found == menuHandlers_.end())
        return false;
    const std::function<bool()> handler = found->second;
    // A handler that throws has been reported; nothing else is to act on the command.
    return GuardedAnswer<bool>(handler, true);
}

void Application::EnableMenuItems() {
    coop::Guard([this] { Event_EnableMenuItems(); });
}

void Application::SetQuitHook(std::function<void()> hook) {
    QuitHook() = std::move(hook);
}

void Quit() {
    for (const auto& window : Window::OpenWindows())
        if (window->CancelClose(true))
            return;
    EndApplication();
}

void EndApplication() {
    Window::CloseAll();
    if (gApplication && gApplication->running_)
        QCoreApplication::exit(0);
    if (const auto hook = QuitHook())
        hook();
}

void Beep() {
    QApplication::beep();
}
