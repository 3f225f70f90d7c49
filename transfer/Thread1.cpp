// The transfer run: one skeleton for the three modes, each mode a row of its
// page's controls and texts and of its own steps around the count and the
// transfer, and the outcome that the run leaves on its page.

#include "transfer/Thread1.h"

#include "common/Globals.h"
#include "platform/Nil.h"
#include "platform/files/GetFolderItem.h"
#include "transfer/CopyingMachine.h"
#include "transfer/TransferRecord.h"
#include "wizard/RunningFlag.h"
#include "wizard/Window1.h"

namespace {

// A text of one line, or of two joined with the framework's line ending.
struct Lines {
    const char* first;
    const char* second = nullptr;

    String Text() const {
        return second == nullptr ? String(first) : String(first) + EndOfLine() + second;
    }
};

} // namespace

// What one mode does and shows: its page's controls (reached in the wizard),
// its texts, and its own steps.
struct Thread1::RunMode {
    PushButton* Window1::*startButton;
    bool Window1::*startButtonStops; // what a press of the start button means
    ProgressBar* Window1::*progressBar;
    StaticText* Window1::*statusLine;
    RadioButton* Window1::*replace; // nullptr where the mode offers no choice
    RadioButton* Window1::*keep;
    const char* startCaption;
    const char* runningText;
    Lines stoppedText;
    Lines incompleteText;
    Lines completedText;
    const char* failuresMessage;
    // Back stays disabled on the paste side, and a completed run finishes the paste.
    bool pasteSide;

    bool (Thread1::*mayStart)(); // shows its own caution when not; nullptr: always
    std::int32_t (Thread1::*count)();
    bool (Thread1::*transfer)(); // True when the user stopped the run
};

const Thread1::RunMode* Thread1::RunModeOf(Mode mode) {
    static const RunMode kCopyToDeviceMode{
        &Window1::PushButton5,
        &Window1::pCopyStops,
        &Window1::ProgressBar1,
        &Window1::StaticText21,
        nullptr,
        nullptr,
        "コピー",
        "コピー中です。コピー終了まで数分かかる場合があります。",
        {"コピーが中止されました。このまま終了しても、ペーストのステップには進めません。",
         "ペーストのステップに進むには、コピーを完了させてください。"},
        {"コピーできなかったアイテムがあります。このまま終了しても、ペーストのステップには"
         "進めません。",
         "原因を取り除いてから、再度コピーボタンを押してください。"},
        {"コピーが完了しました。終了ボタンを押して、本ソフトウェアを終了して下さい。",
         "その後、外部デバイスを新マシンに繋ぎ直して、再度起動してください。"},
        "コピーできなかったアイテムがあります。",
        false,
        &Thread1::TransferFolderIsOwn,
        &Thread1::CopyCount,
        &Thread1::CopyIntoTransferFolder,
    };
    static const RunMode kPasteFromDeviceMode{
        &Window1::PushButton6,
        &Window1::pPasteStops,
        &Window1::ProgressBar2,
        &Window1::StaticText25,
        &Window1::RadioButton5,
        &Window1::RadioButton6,
        "ペースト",
        "ペースト中です。ペースト終了まで数分かかる場合があります。",
        {"ペーストが中止されました。ペーストは不完全なまま終了しました。",
         "ペーストを最後まで完了させるには再度ペーストボタンを押してください。"},
        {"ペーストできなかったアイテムがあります。ペーストは不完全なまま終了しました。",
         "原因を取り除いてから、再度ペーストボタンを押してください。"},
        {"ペーストが完了しました。終了ボタンを押して、本ソフトウェアを終了して下さい。"},
        "ペーストできなかったアイテムがあります。",
        true,
        &Thread1::TransferFolderIsThere,
        &Thread1::CountRecordedPaste,
        &Thread1::PasteFolderItem,
    };
    static const RunMode kNetworkCopyMode{
        &Window1::PushButton5,
        &Window1::pCopyStops,
        &Window1::ProgressBar1,
        &Window1::StaticText21,
        &Window1::RadioButton3,
        &Window1::RadioButton4,
        "コピー",
        "ネットコピー中です。コピー終了まで数分かかる場合があります。",
        {"ネットコピーが中止されました。コピーは不完全なまま終了しました。",
         "コピーを最後まで完了させるには再度コピーボタンを押してください。"},
        {"ネットコピーできなかったアイテムがあります。コピーは不完全なまま終了しました。",
         "原因を取り除いてから、再度コピーボタンを押してください。"},
        {"ネットコピーが完了しました。終了ボタンを押して、本ソフトウェアを終了して下さい。"},
        "ネットコピーできなかったアイテムがあります。",
        false,
        nullptr,
        &Thread1::CopyCount,
        &Thread1::NetCopyPaste,
    };
    switch (mode) {
    case kCopyToDevice:
        return &kCopyToDeviceMode;
    case kPasteFromDevice:
        return &kPasteFromDeviceMode;
    case kNetworkCopy:
        return &kNetworkCopyMode;
    default:
        return nullptr;
    }
}

Thread1::Thread1() = default;
Thread1::~Thread1() = default;

void Thread1::Event_Run() {
    // Every step reports to the wizard that started the run.
    if (pWin1 == nullptr)
        throw NilObjectException();
    const RunMode* mode = RunModeOf(pMode);
    if (mode != nullptr && (mode->mayStart == nullptr || (this->*mode->mayStart)()))
        Perform(*mode);
    // Over before the caution that names what failed is answered.
    pRunning.reset();
    // Also after a stop: the items that failed before it need their cause removed.
    if (mode != nullptr && !pFailures.Empty())
        Globals::gCautionDlg1(pWin1.get(), Globals::gBeep, mode->failuresMessage,
                              pFailures.Explanation());
}

void Thread1::Perform(const RunMode& mode) {
    Window1& wizard = *pWin1;
    PushButton* startButton = wizard.*mode.startButton;
    ProgressBar* progressBar = wizard.*mode.progressBar;
    startButton->SetCaption("中止");
    wizard.*mode.startButtonStops = true;
    wizard.PushButton7->SetEnabled(false);
    wizard.StaticText10->SetText(mode.runningText);
    SetChoiceEnabled(mode, false);
    progressBar->SetVisible(true);
    progressBar->SetMaximum((this->*mode.count)());
    const bool stopped = (this->*mode.transfer)();

    progressBar->SetVisible(false);
    startButton->SetCaption(mode.startCaption);
    wizard.*mode.startButtonStops = false;
    wizard.StaticText10->SetEnabled(true);
    wizard.PushButton2->SetEnabled(true);
    wizard.PushButton2->SetCaption("終了");
    (wizard.*mode.statusLine)->SetText("");
    const bool failed = !pFailures.Empty();
    wizard.pIncompleteCP = failed;
    if (stopped || failed) {
        // The next run may take the other choice.
        SetChoiceEnabled(mode, true);
        if (!mode.pasteSide)
            wizard.PushButton7->SetEnabled(true);
        wizard.StaticText10->SetText((stopped ? mode.stoppedText : mode.incompleteText).Text());
        return;
    }
    wizard.StaticText10->SetText(mode.completedText.Text());
    startButton->SetEnabled(false);
    if (mode.pasteSide)
        wizard.pPastePhase = Window1::kPasteFinished;
    else
        wizard.PushButton7->SetVisible(false);
}

void Thread1::SetChoiceEnabled(const RunMode& mode, bool enabled) {
    if (mode.replace == nullptr)
        return;
    (*pWin1.*mode.replace)->SetEnabled(enabled);
    (*pWin1.*mode.keep)->SetEnabled(enabled);
}

bool Thread1::TransferFolderIsOwn() {
    // Another's "temp" is never emptied: the page stays as it was, so that the
    // user can move that folder away and press Copy again.
    const FolderItem transferFolder = GetFolderItem("temp");
    if (transferFolder == Nil || !transferFolder.Exists() || IsOwnTransferFolder(transferFolder))
        return true;
    Globals::gCautionDlg1(
        pWin1.get(), Globals::gBeep,
        "外部デバイスに、本ソフトウェアが作成したものではない「temp」フォルダがあります。",
        "「temp」フォルダの名前を変えるか別の場所へ移してから、再度コピーボタンを押してください。");
    // Nothing was copied: quitting must not mark the device as ready to paste.
    pWin1->pIncompleteCP = true;
    return false;
}

bool Thread1::TransferFolderIsThere() {
    const FolderItem transferFolder = GetFolderItem("temp");
    if (transferFolder != Nil && transferFolder.Exists())
        return true;
    Globals::gCautionDlg1(pWin1.get(), Globals::gBeep,
                          "ペースト用のフォルダがないので処理できません。", "");
    // No paste can ever come from this device: quitting removes the marker
    // without asking, so the next start is not held on STEP 4.
    pWin1->pIncompleteCP = false;
    return false;
}

bool Thread1::CopyIntoTransferFolder() {
    // The paste will know the machine the copy came from.
    pRecord.SetMachine(ThisMachine());
    DeleteFolderItem();
    return CopyFolderItem();
}

std::int32_t Thread1::CountRecordedPaste() {
    const FolderItem transferFolder = GetFolderItem("temp");
    pFailures.Add(transferFolder.Name(), pRecord.Read(transferFolder));
    return PasteCount();
}

Placement Thread1::ItemPlacement() const {
    const SameNamedEntry choice = pExist ? SameNamedEntry::Replaced : SameNamedEntry::Kept;
    const auto stopRequested = [this] { return pWin1->pStopThread1; };
    if (pMode == kCopyToDevice)
        // The transfer folder was emptied for this run: an entry there is one it made.
        return {SameNamedEntry::Refused, files::SourceLink::Followed, stopRequested};
    if (pMode == kPasteFromDevice)
        return {choice, files::SourceLink::Kept, stopRequested};
    return {choice, files::SourceLink::FollowedOnItsDisk, stopRequested};
}
