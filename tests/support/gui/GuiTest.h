#pragma once
// Base fixture of tests that make windows. It runs headless (Qt's offscreen
// platform), answers modals only from ModalScript, and records what a test
// must not leave unnoticed: a modal without a scripted answer, an exception
// that escaped an event handler. TearDown fails the test for every one that
// the test did not take, and for scripted answers left unused. Quits are
// counted instead of ending the process.

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/gui/Application.h"

class GuiTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // An application object for the test; the recording hooks stay in place.
    template <class A = Application> std::unique_ptr<A> MakeApplication() {
        auto application = std::make_unique<A>();
        RecordUnhandledExceptions();
        return application;
    }

    // Runs the event loop until done() holds; false when timeoutMs passed first.
    static bool RunEventLoopUntil(const std::function<bool()>& done, int timeoutMs = 5000);

    // Runs the application until its event loop ends by itself with 0; false
    // when timeoutMs passed first (the loop is then ended for the test).
    static bool RunUntilTheApplicationEnds(Application& application, int timeoutMs = 5000);

    // Runs action from the event loop after delayMs milliseconds.
    static void RunLater(int delayMs, std::function<void()> action);

    int QuitCount() const { return *quitCount_; }
    // "ClassName: what()" of each exception reported so far; forgets them.
    std::vector<std::string> TakeUnhandledExceptions();
    // What ModalScript reported so far; forgets it.
    std::vector<std::string> TakeModalFailures();

private:
    void RecordUnhandledExceptions();

    std::shared_ptr<int> quitCount_ = std::make_shared<int>(0);
    std::shared_ptr<std::vector<std::string>> exceptions_ =
        std::make_shared<std::vector<std::string>>();
    std::shared_ptr<std::vector<std::string>> modalFailures_ =
        std::make_shared<std::vector<std::string>>();
};
