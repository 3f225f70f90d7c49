#include "tests/support/gui/GuiTest.h"

#include "platform/gui/ExceptionName.h"
#include "platform/gui/ModalScript.h"
#include "platform/gui/QtApplication.h"
#include "platform/gui/Window.h"
#include "platform/threads/Cooperative.h"
#include "platform/threads/EventLoop.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>

#include <utility>

namespace {

std::string Describe(std::exception_ptr error) {
    std::string description = ExceptionClassName(error);
    try {
        std::rethrow_exception(error);
    } catch (const std::exception& e) {
        description += std::string(": ") + e.what();
    } catch (...) {
    }
    return description;
}

} // namespace

void GuiTest::SetUp() {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    EnsureQtApplication();
    ModalScript::Clear();
    ModalScript::SetScripting(true);
    ModalScript::SetFailureHook(
        [failures = modalFailures_](const std::string& what) { failures->push_back(what); });
    Application::SetQuitHook([count = quitCount_] { ++*count; });
    RecordUnhandledExceptions();
}

void GuiTest::TearDown() {
    Window::CloseAll();
    // Let closed windows go and their widgets be deleted.
    QApplication::processEvents();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    for (const auto& failure : *modalFailures_)
        ADD_FAILURE() << "modal: " << failure;
    for (const auto& exception : *exceptions_)
        ADD_FAILURE() << "unhandled exception: " << exception;
    EXPECT_EQ(ModalScript::Pending(), 0u) << "scripted answers left unused";
    ModalScript::Clear();
    ModalScript::SetFailureHook({});
    Application::SetQuitHook({});
    coop::SetUnhandledExceptionHandler({});
}

bool GuiTest::RunEventLoopUntil(const std::function<bool()>& done, int timeoutMs) {
    return coop::RunEventLoopUntil(done, timeoutMs);
}

bool GuiTest::RunUntilTheApplicationEnds(Application& application, int timeoutMs) {
    bool timedOut = false;
    QTimer limit;
    limit.setSingleShot(true);
    QObject::connect(&limit, &QTimer::timeout, [&] {
        timedOut = true;
        EndApplication();
    });
    limit.start(timeoutMs);
    return application.Run() == 0 && !timedOut;
}

void GuiTest::RunLater(int delayMs, std::function<void()> action) {
    QTimer::singleShot(delayMs, QApplication::instance(), std::move(action));
}

std::vector<std::string> GuiTest::TakeUnhandledExceptions() {
    return std::exchange(*exceptions_, {});
}

std::vector<std::string> GuiTest::TakeModalFailures() {
    return std::exchange(*modalFailures_, {});
}

void GuiTest::RecordUnhandledExceptions() {
    coop::SetUnhandledExceptionHandler([exceptions = exceptions_](std::exception_ptr error) {
        exceptions->push_back(Describe(error));
    });
}
