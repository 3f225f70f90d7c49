#include "scripts/demo/DemoSession.h"

#include <exception>
#include <stdexcept>

#include "app/App.h"
#include "app/MenuBar1.h"
#include "common/Globals.h"
#include "gather/Window2.h"
#include "platform/gui/ModalScript.h"
#include "platform/threads/Cooperative.h"
#include "platform/threads/EventLoop.h"
#include "tests/support/gui/UserActions.h"
#include "wizard/Window1.h"
#include "wizard/Window3.h"

namespace demo {

namespace {

constexpr int kTimeLimitMs = 20000;

void SelectRow(Listbox& list, const std::string& text) {
    for (int row = 0; row < list.ListCount(); ++row)
        if (list.List(row).ToUTF8() == text) {
            list.SetListIndex(row);
            return;
        }
    throw std::runtime_error("the picker does not list \"" + text + "\"");
}

} // namespace

DemoSession::DemoSession(const DemoStart& start) : programFolder_(start.programFolder) {
    environment_.Set("DRAVO_STARTUP_DISK", start.startupDisk)
        .Set("HOME", start.home)
        .Set("DRAVO_VOLUMES", start.volumes);
    ModalScript::Clear();
    ModalScript::SetScripting(true);
    ModalScript::SetFailureHook([problems = problems_](const std::string& what) {
        problems->push_back("dialog: " + what);
    });

    try {
        app_ = std::make_unique<App>();
        coop::SetUnhandledExceptionHandler([problems = problems_](std::exception_ptr error) {
            problems->push_back("unhandled exception: " + coop::DescribeException(error));
        });
        app_->SetMenuBar(MenuBar1::Instance());
        app_->InitApp();
        wizard_ = Window1::Instance();
        ThrowProblems("start-up");
    } catch (...) {
        End();
        throw;
    }
}

DemoSession::~DemoSession() {
    End();
}

void DemoSession::End() {
    wizard_.reset();
    Window::CloseAll();
    // Closed windows are released from the event loop.
    coop::RunEventLoopUntil([] { return false; }, 10);
    app_.reset();
    MenuBar1::Release();
    Globals::ReleaseModuleState();
    ModalScript::Clear();
    ModalScript::SetFailureHook({});
    ModalScript::SetScripting(false);
    coop::SetUnhandledExceptionHandler({});
}

Window2& DemoSession::ItemList() const {
    return *Window2::Instance();
}

void DemoSession::ChooseDevice() {
    Click(*wizard_->RadioButton1);
    ThrowProblems("choosing the external device");
}

void DemoSession::ChooseNetwork(const std::string& volume, const std::string& user,
                                const std::function<void(Window3&)>& whileShown) {
    auto failure = std::make_shared<std::string>();
    ModalScript::Push([=](Modal& modal) {
        auto& picker = *static_cast<Window3*>(modal.window);
        try {
            SelectRow(*picker.Listbox1, volume);
            SelectRow(*picker.Listbox2, user);
            if (whileShown)
                whileShown(picker);
            Click(*picker.PushButton2);
        } catch (const std::exception& error) {
            *failure = error.what();
            Click(*picker.PushButton1);
        }
    });
    Click(*wizard_->RadioButton2);
    if (!failure->empty())
        throw std::runtime_error(*failure);
    ThrowProblems("choosing the network");
}

void DemoSession::NextAndGather() {
    Click(*wizard_->PushButton2);
    WaitFor("the end of the gathering",
            [this] { return wizard_->PushButton8->Caption() == "再取得"; });
}

void DemoSession::Next() {
    Click(*wizard_->PushButton2);
    ThrowProblems("Next");
}

void DemoSession::ChooseExisting(Existing existing) {
    const bool paste = wizard_->PagePanel1->Value() == 3;
    RadioButton& replace = paste ? *wizard_->RadioButton5 : *wizard_->RadioButton3;
    RadioButton& keep = paste ? *wizard_->RadioButton6 : *wizard_->RadioButton4;
    Click(existing == Existing::Replace ? replace : keep);
    ThrowProblems("choosing what happens to items already there");
}

void DemoSession::CopyAndWait() {
    Click(*wizard_->PushButton5);
    WaitFor("the end of the copy", [this] { return !wizard_->pRunningCP; });
}

void DemoSession::PasteAndWait() {
    Click(*wizard_->PushButton6);
    WaitFor("the end of the paste", [this] { return !wizard_->pRunningCP; });
}

void DemoSession::Quit() {
    ::Quit();
    ThrowProblems("quitting");
}

void DemoSession::WaitFor(const std::string& what, const std::function<bool()>& done) {
    if (!coop::RunEventLoopUntil(done, kTimeLimitMs))
        problems_->push_back("no " + what + " within " + std::to_string(kTimeLimitMs / 1000) +
                             " s");
    // A thread that has just written its last control ends at its next turn.
    for (int pass = 0; pass < 3; ++pass)
        coop::YieldToNextThread();
    ThrowProblems(what);
}

void DemoSession::ThrowProblems(const std::string& step) {
    if (problems_->empty())
        return;
    std::string message = step + ":";
    for (const auto& problem : *problems_)
        message += "\n  " + problem;
    problems_->clear();
    throw std::runtime_error(message);
}

} // namespace demo
