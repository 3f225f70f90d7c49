// The transfer run: the control changes of each mode around its count and
// transfer, and the outcome that the run leaves on its page.

#include "transfer/Thread1.h"

#include "common/Globals.h"
#include "platform/Nil.h"
#include "platform/files/GetFolderItem.h"
#include "transfer/CopyingMachine.h"
#include "transfer/TransferRecord.h"
#include "wizard/Window1.h"

namespace {

String TwoLines(const String& first, const String& second) {
    return first + EndOfLine() + second;
}

// Clears the wizard's running flag however the run ends.
class RunningFlag {
public:
    explicit RunningFlag(Window1& wizard) : wizard_(wizard) {}
    ~RunningFlag() { wizard_.pRunningCP = false; }
    RunningFlag(const RunningFlag&) = delete;
    RunningFlag& operator=(const RunningFlag&) = delete;

private:
    Window1& wizard_;
};

} // namespace

void Thread1::Event_Run() {
    // Every step reports to the wizard that started the run.
    if (pWin1 == nullptr)
        throw NilObjectException();
    const RunningFlag running(*pWin1);
    if (pMode == kCopyToDevice)
        CopyToDevice();
    else if (pMode == kPasteFromDevice)
        PasteFromDevice();
    else if (pMode == kNetworkCopy)
        NetworkCopy();
}

void Thread1::CopyToDevice() {
    // Another's "temp" is never emptied: the page stays as it was, so that the
    // user can move that folder away and press Copy again.
    const FolderItem transferFolder = GetFolderItem("temp");
    if (transferFolder != Nil && transferFolder.Exists() && !IsOwnTransferFolder(transferFolder)) {
        Globals::gCautionDlg1(
            pWin1.get(), Globals::gBeep,
            "外部デバイスに、本ソフトウェアが作成したものではない「temp」フォルダがあります。",
            "「temp」フォルダの名前を変えるか別の場所へ移してから、"
            "再度コピーボタンを押してください。");
        // Nothing was copied: quitting must not mark the device as ready to paste.
        pWin1->pIncompleteCP = true;
        return;
    }
    pWin1->PushButton5->SetCaption("中止");
    pWin1->pCopyStops = true;
    pWin1->PushButton7->SetEnabled(false);
    pWin1->StaticText10->SetText("コピー中です。コピー終了まで数分かかる場合があります。");
    pWin1->ProgressBar1->SetVisible(true);
    pWin1->ProgressBar1->SetMaximum(CopyCount());
    // The paste will know the machine the copy came from.
    pRecord.SetMachine(ThisMachine());
    DeleteFolderItem();
    const bool stopped = CopyFolderItem();
    pWin1->ProgressBar1->SetVisible(false);
    pWin1->PushButton5->SetCaption("コピー");
    pWin1->pCopyStops = false;
    pWin1->StaticText10->SetEnabled(true);
    pWin1->PushButton2->SetEnabled(true);
    pWin1->PushButton2->SetCaption("終了");
    pWin1->StaticText21->SetText("");
    if (stopped) {
        pWin1->PushButton7->SetEnabled(true);
        pWin1->StaticText10->SetText(TwoLines(
            "コピーが中止されました。このまま終了しても、ペーストのステップには進めません。",
            "ペーストのステップに進むには、コピーを完了させてください。"));
    } else if (!pFailures.Empty()) {
        pWin1->PushButton7->SetEnabled(true);
        pWin1->StaticText10->SetText(
            TwoLines("コピーできなかったアイテムがあります。このまま終了しても、ペーストのステップ"
                     "には進めません。",
                     "原因を取り除いてから、再度コピーボタンを押してください。"));
    } else {
        pWin1->StaticText10->SetText(
            TwoLines("コピーが完了しました。終了ボタンを押して、本ソフトウェアを終了して下さい。",
                     "その後、外部デバイスを新マシンに繋ぎ直して、再度起動してください。"));
        pWin1->PushButton5->SetEnabled(false);
        pWin1->PushButton7->SetVisible(false);
    }
    ReportOutcome("コピーできなかったアイテムがあります。");
}

void Thread1::PasteFromDevice() {
    const FolderItem transferFolder = GetFolderItem("temp");
    if (transferFolder == Nil || !transferFolder.Exists()) {
        Globals::gCautionDlg1(pWin1.get(), Globals::gBeep,
                              "ペースト用のフォルダがないので処理できません。", "");
        // No paste can ever come from this device: quitting removes the
        // marker without asking, so the next start is not held on STEP 4.
        pWin1->pIncompleteCP = false;
        return;
    }
    pWin1->PushButton6->SetCaption("中止");
    pWin1->pPasteStops = true;
    pWin1->PushButton7->SetEnabled(false);
    pWin1->StaticText10->SetText("ペースト中です。ペースト終了まで数分かかる場合があります。");
    pWin1->RadioButton5->SetEnabled(false);
    pWin1->RadioButton6->SetEnabled(false);
    pWin1->ProgressBar2->SetVisible(true);
    String reason;
    if (!pRecord.Read(transferFolder, reason))
        pFailures.Add(transferFolder.Name(), reason);
    pWin1->ProgressBar2->SetMaximum(PasteCount());
    const bool stopped = PasteFolderItem();
    pWin1->ProgressBar2->SetVisible(false);
    pWin1->PushButton6->SetCaption("ペースト");
    pWin1->pPasteStops = false;
    pWin1->StaticText10->SetEnabled(true);
    pWin1->PushButton2->SetEnabled(true);
    pWin1->PushButton2->SetCaption("終了");
    pWin1->StaticText25->SetText("");
    if (stopped || !pFailures.Empty()) {
        // The user may choose the other way for the next run.
        pWin1->RadioButton5->SetEnabled(true);
        pWin1->RadioButton6->SetEnabled(true);
    }
    if (stopped) {
        pWin1->StaticText10->SetText(
            TwoLines("ペーストが中止されました。ペーストは不完全なまま終了しました。",
                     "ペーストを最後まで完了させるには再度ペーストボタンを押してください。"));
    } else if (!pFailures.Empty()) {
        // The marker stays, so the paste can be made again.
        pWin1->StaticText10->SetText(
            TwoLines("ペーストできなかったアイテムがあります。ペーストは不完全なまま終了しました。",
                     "原因を取り除いてから、再度ペーストボタンを押してください。"));
    } else {
        pWin1->StaticText10->SetText(
            "ペーストが完了しました。終了ボタンを押して、本ソフトウェアを終了して下さい。");
        pWin1->PushButton6->SetEnabled(false);
        pWin1->pPastePhase = Window1::kPasteFinished;
    }
    ReportOutcome("ペーストできなかったアイテムがあります。");
}

void Thread1::NetworkCopy() {
    pWin1->PushButton5->SetCaption("中止");
    pWin1->pCopyStops = true;
    pWin1->PushButton7->SetEnabled(false);
    pWin1->StaticText10->SetText("ネットコピー中です。コピー終了まで数分かかる場合があります。");
    pWin1->RadioButton3->SetEnabled(false);
    pWin1->RadioButton4->SetEnabled(false);
    pWin1->ProgressBar1->SetVisible(true);
    pWin1->ProgressBar1->SetMaximum(CopyCount());
    const bool stopped = NetCopyPaste();
    pWin1->ProgressBar1->SetVisible(false);
    pWin1->PushButton5->SetCaption("コピー");
    pWin1->pCopyStops = false;
    pWin1->StaticText10->SetEnabled(true);
    pWin1->PushButton2->SetEnabled(true);
    pWin1->PushButton2->SetCaption("終了");
    pWin1->StaticText21->SetText("");
    if (stopped || !pFailures.Empty()) {
        // The user may choose the other way for the next run.
        pWin1->RadioButton3->SetEnabled(true);
        pWin1->RadioButton4->SetEnabled(true);
    }
    if (stopped) {
        pWin1->PushButton7->SetEnabled(true);
        pWin1->StaticText10->SetText(
            TwoLines("ネットコピーが中止されました。コピーは不完全なまま終了しました。",
                     "コピーを最後まで完了させるには再度コピーボタンを押してください。"));
    } else if (!pFailures.Empty()) {
        pWin1->PushButton7->SetEnabled(true);
        pWin1->StaticText10->SetText(TwoLines(
            "ネットコピーできなかったアイテムがあります。コピーは不完全なまま終了しました。",
            "原因を取り除いてから、再度コピーボタンを押してください。"));
    } else {
        pWin1->StaticText10->SetText(
            "ネットコピーが完了しました。終了ボタンを押して、本ソフトウェアを終了して下さい。");
        pWin1->PushButton5->SetEnabled(false);
        pWin1->PushButton7->SetVisible(false);
    }
    ReportOutcome("ネットコピーできなかったアイテムがあります。");
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

void Thread1::CopyFailed(const String& name, const String& reason) {
    if (reason != "")
        pFailures.Add(name, reason);
}

void Thread1::ReportOutcome(const String& message) {
    pWin1->pIncompleteCP = !pFailures.Empty();
    // Over before its caution is answered.
    pWin1->pRunningCP = false;
    // Also after a stop: the items that failed before it need their cause removed.
    if (!pFailures.Empty())
        Globals::gCautionDlg1(pWin1.get(), Globals::gBeep, message, pFailures.Explanation());
}
