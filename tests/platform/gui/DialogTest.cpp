#include "platform/files/FolderItem.h"
#include "platform/gui/MessageDialog.h"
#include "platform/gui/ModalScript.h"
#include "platform/gui/MsgBox.h"
#include "platform/gui/OpenDialog.h"
#include "platform/gui/SelectFolderDialog.h"
#include "tests/platform/gui/TestWindows.h"
#include "tests/support/gui/GuiTest.h"
#include "tests/support/gui/UserActions.h"

#include <gmock/gmock.h>

#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QFileDialog>

#include <functional>
#include <string>
#include <vector>

using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

// A caution with all three buttons, as the application builds one.
class ThreeButtonCaution : public MessageDialog {
public:
    ThreeButtonCaution() {
        SetIcon(kCautionIcon);
        SetMessage("処理を中止したままで終了しますか？");
        SetExplanation("説明");
        AlternateButton().SetVisible(true);
        AlternateButton().SetCaption("保存しない");
        CancelButton().SetVisible(true);
        CancelButton().SetCaption("強制終了");
        ActionButton().SetCaption("終了しない");
    }
};

enum class Pressed { Action, Cancel, Alternate, Nothing };

struct DialogCase {
    const char* name;
    void (Modal::*answer)();
    Pressed expected;
};

void PrintTo(const DialogCase& value, std::ostream* out) {
    *out << value.name;
}

class MessageDialogResultTest : public GuiTest, public ::testing::WithParamInterface<DialogCase> {};

TEST_P(MessageDialogResultTest, ShowModalReturnsTheButtonPressed) {
    ThreeButtonCaution dialog;
    ModalScript::Push([](Modal& modal) { (modal.*GetParam().answer)(); });

    MessageDialogButton* pressed = dialog.ShowModal();

    const std::map<Pressed, MessageDialogButton*> buttons = {
        {Pressed::Action, &dialog.ActionButton()},
        {Pressed::Cancel, &dialog.CancelButton()},
        {Pressed::Alternate, &dialog.AlternateButton()},
        {Pressed::Nothing, nullptr}};
    EXPECT_EQ(pressed, buttons.at(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(
    Answers, MessageDialogResultTest,
    ::testing::Values(DialogCase{"Action", &Modal::PressActionButton, Pressed::Action},
                      DialogCase{"Cancel", &Modal::PressCancelButton, Pressed::Cancel},
                      DialogCase{"Alternate", &Modal::PressAlternateButton, Pressed::Alternate},
                      DialogCase{"Closed", &Modal::CloseWithoutButton, Pressed::Nothing}),
    [](const auto& info) { return std::string(info.param.name); });

using ModalScriptTest = GuiTest;

TEST_F(ModalScriptTest, TheScriptSeesTheTextsAndButtonsShown) {
    ThreeButtonCaution dialog;
    dialog.AlternateButton().SetVisible(false);
    ModalScript::Push([](Modal& modal) {
        EXPECT_EQ(modal.kind, ModalKind::MessageDialog);
        EXPECT_EQ(modal.icon, MessageDialog::kCautionIcon);
        EXPECT_EQ(modal.message, "処理を中止したままで終了しますか？");
        EXPECT_EQ(modal.explanation, "説明");
        EXPECT_EQ(modal.actionButton.caption, "終了しない");
        EXPECT_TRUE(modal.actionButton.visible);
        EXPECT_EQ(modal.cancelButton.caption, "強制終了");
        EXPECT_TRUE(modal.cancelButton.visible);
        EXPECT_FALSE(modal.alternateButton.visible);
        modal.PressCancelButton();
    });
    EXPECT_EQ(dialog.ShowModal(), &dialog.CancelButton());
}

TEST_F(ModalScriptTest, PressingAHiddenButtonFails) {
    MessageDialog dialog;
    ModalScript::Push([](Modal& modal) { modal.PressCancelButton(); });

    EXPECT_EQ(dialog.ShowModal(), nullptr);
    EXPECT_THAT(TakeModalFailures(),
                ElementsAre(HasSubstr("hidden button \"Cancel\""), HasSubstr("unanswered")));
}

TEST_F(ModalScriptTest, AModalWithoutAnAnswerFailsAndIsCancelled) {
    MessageDialog dialog;
    dialog.SetMessage("ディスクまたはユーザが指定されていません。");
    auto window = ButtonWindow::Instance();

    EXPECT_EQ(dialog.ShowModalWithin(*window), nullptr);
    MsgBox("失敗");
    EXPECT_TRUE(SelectFolder().IsNil());
    window->ShowModal();

    EXPECT_FALSE(window->Visible());
    EXPECT_THAT(
        TakeModalFailures(),
        ElementsAre(HasSubstr("message dialog \"ディスクまたはユーザが指定されていません。\""),
                    HasSubstr("message box \"失敗\""), HasSubstr("folder chooser"),
                    HasSubstr("modal window \"Untitled\"")));
}

TEST_F(ModalScriptTest, AModalOpenedByAScriptTakesTheNextAnswer) {
    auto window = ButtonWindow::Instance();
    MessageDialogButton* inner = nullptr;
    MessageDialog caution;
    window->Button->OnAction = [&] { inner = caution.ShowModalWithin(*window); };
    ModalScript::Push([&](Modal&) {
        Click(*window->Button);
        window->Hide();
    });
    ModalScript::Push([](Modal& modal) { modal.PressActionButton(); });

    window->ShowModal();

    EXPECT_EQ(inner, &caution.ActionButton());
}

TEST_F(ModalScriptTest, MsgBoxShowsItsText) {
    std::string shown;
    ModalScript::Push([&](Modal& modal) {
        EXPECT_EQ(modal.kind, ModalKind::MsgBox);
        shown = modal.message;
        modal.PressActionButton();
    });
    MsgBox("失敗");
    EXPECT_EQ(shown, "失敗");
}

TEST_F(ModalScriptTest, FolderChooserGivesTheChosenFolderOrNil) {
    const FolderItem tmp = FolderItem::AtPosixPath("/tmp");
    SelectFolderDialog dialog;
    dialog.SetTitle("フォルダを選択");
    dialog.SetInitialDirectory(tmp);
    ModalScript::Push([&](Modal& modal) {
        EXPECT_EQ(modal.kind, ModalKind::SelectFolder);
        EXPECT_EQ(modal.title, "フォルダを選択");
        EXPECT_EQ(modal.initialDirectory.PosixPath(), "/tmp");
        modal.Choose(tmp);
    });
    ModalScript::Push([](Modal& modal) { modal.CancelChooser(); });

    EXPECT_EQ(dialog.ShowModal().PosixPath(), "/tmp");
    EXPECT_TRUE(dialog.ShowModal().IsNil());
}

TEST_F(ModalScriptTest, OpenFileChooserPassesItsFilter) {
    const FolderItem tmp = FolderItem::AtPosixPath("/tmp");
    ModalScript::Push([&](Modal& modal) {
        EXPECT_EQ(modal.kind, ModalKind::OpenFile);
        EXPECT_EQ(modal.filter, "text/plain");
        modal.Choose(tmp);
    });
    EXPECT_EQ(GetOpenFolderItem("text/plain").PosixPath(), "/tmp");
}

// The dialogs as the user meets them, with scripting off.
class ShownDialogTest : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        ModalScript::SetScripting(false);
    }

    // Presses the caption once the dialog is up, then calls pressed; gives up
    // after five seconds.
    void PressWhenShown(
        const std::string& caption, std::function<void()> pressed = [] {}, int attemptsLeft = 250) {
        RunLater(20, [this, caption, pressed, attemptsLeft] {
            if (PressModalButton(caption))
                return pressed();
            if (attemptsLeft > 0)
                return PressWhenShown(caption, pressed, attemptsLeft - 1);
            ADD_FAILURE() << "no modal dialog with the button " << caption;
            HideActiveModal();
        });
    }
};

TEST_F(ShownDialogTest, TheUsersButtonIsReturned) {
    ThreeButtonCaution dialog;
    PressWhenShown("強制終了");
    EXPECT_EQ(dialog.ShowModal(), &dialog.CancelButton());
}

TEST_F(ShownDialogTest, ShowModalWithinAWindowReturnsTheUsersButton) {
    auto window = ButtonWindow::Instance();
    ThreeButtonCaution dialog;
    PressWhenShown("保存しない");
    EXPECT_EQ(dialog.ShowModalWithin(*window), &dialog.AlternateButton());
}

TEST_F(ShownDialogTest, MsgBoxReturnsOnceDismissed) {
    bool dismissed = false;
    PressWhenShown("OK", [&dismissed] { dismissed = true; });
    MsgBox("完了");
    EXPECT_TRUE(dismissed);
}

namespace {

// The names of the push buttons under an accessible node, as a screen
// reader finds them.
void CollectButtons(QAccessibleInterface* node, std::vector<std::string>& names) {
    if (!node)
        return;
    if (node->role() == QAccessible::Button && !node->state().invisible)
        names.push_back(node->text(QAccessible::Name).toStdString());
    for (int i = 0; i < node->childCount(); ++i)
        CollectButtons(node->child(i), names);
}

} // namespace

// The standard choosers speak the interface's language, and open in the
// user's folder when the caller names none.
TEST_F(ShownDialogTest, ChoosersSpeakJapaneseAndOpenInTheUsersFolder) {
    ASSERT_NE(QDir::currentPath(), QDir::homePath()) << "the test could not tell them apart";
    for (const bool folder : {true, false}) {
        std::vector<std::string> buttons;
        QString openedIn;
        std::function<void(int)> whenShown = [&](int attemptsLeft) {
            auto* chooser = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (!chooser && attemptsLeft > 0)
                return RunLater(20, [&, attemptsLeft] { whenShown(attemptsLeft - 1); });
            ASSERT_NE(chooser, nullptr) << "no chooser shown";
            CollectButtons(QAccessible::queryAccessibleInterface(chooser), buttons);
            openedIn = chooser->directory().absolutePath();
            chooser->reject();
        };
        RunLater(20, [&] { whenShown(250); });

        const FolderItem chosen = folder ? SelectFolder() : GetOpenFolderItem("");

        EXPECT_TRUE(chosen.IsNil());
        EXPECT_THAT(buttons, Contains("キャンセル")) << (folder ? "folder" : "file");
        EXPECT_EQ(openedIn, QDir::homePath());
    }
}
