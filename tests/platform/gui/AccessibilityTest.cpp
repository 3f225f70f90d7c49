// What screen readers are told of windows and of the controls that show no
// text of their own, through the accessibility interface that Qt offers.

#include "tests/support/gui/Accessibility.h"
#include "platform/gui/ModalScript.h"
#include "platform/gui/ProgressBar.h"
#include "platform/gui/Separator.h"
#include "tests/platform/gui/TestWindows.h"
#include "tests/support/gui/GuiTest.h"
#include "tests/support/gui/UserActions.h"

#include <gtest/gtest.h>

namespace {

using AccessibilityTest = GuiTest;

TEST_F(AccessibilityTest, AWindowIsCalledByItsNameElseByItsTitle) {
    auto window = ButtonWindow::Instance();
    EXPECT_EQ(AccessibleOf(*window).name, "Untitled");
    window->SetAccessibleName("旧マシンのディスクとユーザの選択");
    EXPECT_EQ(AccessibleOf(*window).name, "旧マシンのディスクとユーザの選択");
    EXPECT_EQ(window->Title(), String("Untitled"));
}

TEST_F(AccessibilityTest, AWindowIsADialogWhileShownModally) {
    auto window = ButtonWindow::Instance();
    EXPECT_EQ(AccessibleOf(*window).role, "window");
    std::string whileModal;
    ModalScript::Push([&](Modal& modal) {
        whileModal = AccessibleOf(*modal.window).role;
        modal.window->Hide();
    });
    window->ShowModal();
    EXPECT_EQ(whileModal, "dialog");
    EXPECT_EQ(AccessibleOf(*window).role, "window");
}

TEST_F(AccessibilityTest, ControlsWithoutTextOfTheirOwnAreToldWhatTheyAre) {
    auto window = ButtonWindow::Instance();
    auto* line = window->Add<Separator>("Separator1", -1, 50, 302, 4);
    auto* bar = window->Add<ProgressBar>("ProgressBar1", 50, 100, 200, 20);
    bar->SetAccessibleName("コピーの進行状況");
    auto* status = window->Add<StaticText>("StaticText21", 0, 130, 300, 20);
    status->SetAccessibleName("コピーの状況");
    status->SetText("/Users/taro/Documents をコピー中...");
    window->Label->SetText("STEP 2");
    window->Label->SetAccessibleDescription("現在のステップ");

    struct Row {
        const Control& control;
        std::string role, name, description;
    };
    for (const Row& row : {
             Row{*line, "separator", "", ""},
             Row{*bar, "progress bar", "コピーの進行状況", ""},
             Row{*status, "label", "コピーの状況", "/Users/taro/Documents をコピー中..."},
             Row{*window->Label, "label", "STEP 2", "現在のステップ"},
         }) {
        const AccessibleFacts seen = AccessibleOf(row.control);
        EXPECT_EQ(seen.role, row.role) << row.control.Name();
        EXPECT_EQ(seen.name, row.name) << row.control.Name();
        EXPECT_EQ(seen.description, row.description) << row.control.Name();
    }
}

} // namespace
