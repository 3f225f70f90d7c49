#pragma once
// A run of the assistant for the transfer tests: an external device that
// holds the assistant's bundles (and the transfer folder that the copy
// makes), the machine the assistant runs on (the old one; after
// StartAgainOnNewMachine a new one), the wizard opened as at start-up, and
// the steps a user takes through the wizard's own buttons. Every wait runs
// the event loop with a time limit.

#include <functional>
#include <memory>
#include <string>

#include "app/App.h"
#include "tests/support/FakeMachine.h"
#include "tests/support/ScopedProgramFolder.h"
#include "tests/support/gui/GuiTest.h"
#include "wizard/Window1.h"

class Listbox;

// The outcome texts, lines joined with the framework's line ending.
namespace texts {
inline const std::string kCopyDone =
    "コピーが完了しました。終了ボタンを押して、本ソフトウェアを終了して下さい。\n"
    "その後、外部デバイスを新マシンに繋ぎ直して、再度起動してください。";
inline const std::string kCopyStopped =
    "コピーが中止されました。このまま終了しても、ペーストのステップには進めません。\n"
    "ペーストのステップに進むには、コピーを完了させてください。";
inline const std::string kCopyIncomplete =
    "コピーできなかったアイテムがあります。このまま終了しても、ペーストのステップには進めません。\n"
    "原因を取り除いてから、再度コピーボタンを押してください。";
inline const std::string kPasteDone =
    "ペーストが完了しました。終了ボタンを押して、本ソフトウェアを終了して下さい。";
inline const std::string kPasteStopped =
    "ペーストが中止されました。ペーストは不完全なまま終了しました。\n"
    "ペーストを最後まで完了させるには再度ペーストボタンを押してください。";
inline const std::string kPasteIncomplete =
    "ペーストできなかったアイテムがあります。ペーストは不完全なまま終了しました。\n"
    "原因を取り除いてから、再度ペーストボタンを押してください。";
inline const std::string kPasteWaiting = "ペーストが完了するまで、次のステップへは進めません。";
inline const std::string kNetDone =
    "ネットコピーが完了しました。終了ボタンを押して、本ソフトウェアを終了して下さい。";
inline const std::string kNetStopped =
    "ネットコピーが中止されました。コピーは不完全なまま終了しました。\n"
    "コピーを最後まで完了させるには再度コピーボタンを押してください。";
inline const std::string kNetIncomplete =
    "ネットコピーできなかったアイテムがあります。コピーは不完全なまま終了しました。\n"
    "原因を取り除いてから、再度コピーボタンを押してください。";
inline const std::string kNoChoice = "既存アイテムの処理方法が選択されていません。";
inline const std::string kCopyFailedQuestion =
    "コピーが完了していないまま終了すると、ペーストができません。それでも終了しますか？";
inline const std::string kPasteFailedQuestion =
    "ペーストが完了していないまま終了すると、ペーストが不完全で終わります。それでも終了しますか？";
inline const std::string kRunningQuestion =
    "処理中に終了すると、処理が不完全で終わります。それでも終了しますか？";
} // namespace texts

// Two items whose names the layer takes for one: the same name, or names
// that differ only in letter case or in Unicode normalisation.
struct SameNameCase {
    const char* name;
    const char* first;
    const char* second;
};

inline void PrintTo(const SameNameCase& value, std::ostream* out) {
    *out << value.name;
}

inline const SameNameCase kSameNames[] = {
    {"SameName", "Plan", "Plan"},
    {"LetterCase", "Plan", "PLAN"},
    {"Normalisation", "Caf\xC3\xA9", "Cafe\xCC\x81"},
};

inline std::string SameNameCaseName(const testing::TestParamInfo<SameNameCase>& info) {
    return info.param.name;
}

// The reason a later item of a name that the run made already gives.
inline std::string SameRunFailure(const std::string& first) {
    return "「" + first + "」：同じ名前の別のアイテムを、今回の処理ですでにコピーしています。";
}

// The transfer folder as an earlier version left it: the four sub-folders, no mark.
inline void EverySubFolder(FakeMacDisk& device) {
    for (const char* subFolder : {"App", "Pref", "AS", "Doc"})
        device.Folder(std::string("temp/") + subFolder);
}

// The list row with that name and kind column; -1 when there is none.
int RowOf(const Listbox& list, const std::string& name, const std::string& kind);

class TransferTest : public GuiTest {
protected:
    static constexpr int kTimeLimitMs = 30000;
    static constexpr const char* kBundle = "DRAVO Migration Assistant.app";
    static constexpr const char* kSecondBundle = "DRAVO Migration Assistant copy.app";
    // The file by which the copy marks the transfer folder as its own.
    static constexpr const char* kTransferMark = ".dravo-transfer";

    // What an alert showed, and how often one was shown.
    struct ShownAlert {
        std::string message;
        std::string explanation;
        int count = 0;
    };

    void SetUp() override;
    void TearDown() override;
    // True for tests that start where the device has come to the new
    // machine: the copy-done marker is there before the wizard opens.
    virtual bool StartsOnPasteSide() const { return false; }

    // The machine the assistant runs on now, and a path on its start-up disk.
    FakeMachine& Machine() const;
    FakeMacDisk& Disk() const { return Machine().StartupDisk(); }
    std::string DiskPath(const std::string& relative) const { return Disk().Path(relative); }
    // "<home>/Library/Preferences" and the like, relative to the start-up disk.
    std::string Home(const std::string& relative) const;
    // A path in the transfer folder on the device.
    std::string TransferPath(const std::string& relative = "") const;

    // Gathered products: an application folder holding the bundle, a typed
    // document with an AppleDouble companion, a link and a plain file; the
    // preference folder; Kelmo also its Application Support folder.
    static void InstallKelmo(FakeMacDisk& disk, const std::string& home);
    static void InstallTessaro(FakeMacDisk& disk, const std::string& home);

    // The user's steps.
    void GatherByDevice();
    void ChooseNetwork(const std::string& user);
    void PressNextAndWaitForScan();
    void AddByHand(const FolderItem& item, bool folder);
    void GoToCopyStep();
    void StartCopy();
    void PressCopy();
    void StartPaste();
    void PressPaste();
    void CopyToDevice();
    // Next, which reads "終了" after a copy: the wizard quits through its guard.
    void QuitWithNext();
    // The assistant started again from the device, on a new machine.
    void StartAgainOnNewMachine();
    void WaitForRunEnd();
    void WaitForStatus(const StaticText& statusLine);
    void WaitUntil(const std::function<bool()>& done);

    // Scripts the next caution: what it shows is kept, OK is pressed.
    void ExpectCaution();
    // Scripts the quit guard's question: "強制終了" or "終了しない".
    void AnswerQuitQuestion(bool forceQuit);

    bool HasMarker(const std::string& bundle = kBundle) const;

    Listbox& List() const;
    std::string InstructionText() const { return wizard->StaticText10->Text().ToUTF8(); }

    FakeMacDisk device{"Device"};
    std::shared_ptr<Window1> wizard;
    ShownAlert caution;
    ShownAlert question;

private:
    ScopedProgramFolder programFolder_{device.Path()};
    std::unique_ptr<FakeMachine> oldMachine_;
    std::unique_ptr<FakeMachine> newMachine_;
    std::unique_ptr<App> app_;
};
