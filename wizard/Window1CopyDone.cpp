// The copy-done marker in the assistant's own bundles, and the quit guard
// that creates or deletes it when the wizard closes.

#include <functional>

#include "common/Globals.h"
#include "platform/files/GetFolderItem.h"
#include "platform/files/Outcome.h"
#include "platform/gui/MsgBox.h"
#include "platform/threads/Cooperative.h"
#include "wizard/QuitQuestion.h"
#include "wizard/Window1.h"

namespace {

// An application package whose PkgInfo's first line is the assistant's own type and
// creator, no more and no less.
bool IsAssistantBundle(const FolderItem& entry) {
    return Globals::gAppPackage(entry) && Globals::gGetTypeCre(entry) == "APPLqWts";
}

// The bundle's "Resources" item; Nil when its "contents" folder is missing.
FolderItem ResourcesIn(const FolderItem& bundle) {
    const FolderItem contents = bundle.Child("contents");
    if (contents == Nil)
        return Nil;
    return contents.Child("Resources");
}

// The marker item of a bundle; Nil when its folders are missing.
FolderItem MarkerIn(const FolderItem& bundle) {
    const FolderItem resources = ResourcesIn(bundle);
    if (resources == Nil)
        return Nil;
    return resources.Child("CopyDone");
}

// Hands each assistant bundle beside the program to visit, in entry order,
// yielding after every entry. The entry count is read afresh on each pass.
// visit answers True to end the scan; the scan answers whether it was ended so.
bool ScanAssistantBundles(const std::function<bool(const FolderItem& bundle)>& visit) {
    const FolderItem programFolder = GetFolderItem("");
    if (programFolder == Nil)
        return false;
    for (int i = 1; i <= programFolder.Count(); ++i) {
        const FolderItem entry = programFolder.Item(i);
        if (entry != Nil && IsAssistantBundle(entry) && visit(entry))
            return true;
        coop::YieldToNextThread();
    }
    return false;
}

// Writes the marker of a bundle as a new empty file in its real "Resources"
// folder, never through a link; one that fails leaves what was there.
Outcome WriteMarker(const FolderItem& resources) {
    const FolderItem marker = resources.Child("CopyDone");
    if (marker == Nil)
        return Outcome::Failure(resources.LastError());
    TextOutputStream stream = marker.CreateTextFile();
    if (stream == Nil)
        return Outcome::Failure(marker.LastError());
    stream.Close();
    if (stream.LastError() != "")
        return Outcome::Failure(stream.LastError());
    return Outcome::Success();
}

} // namespace

bool Window1::ExistsCopyDone() {
    return ScanAssistantBundles([](const FolderItem& bundle) {
        const FolderItem marker = MarkerIn(bundle);
        return marker != Nil && marker.Exists();
    });
}

// A marker that can't be written leaves that bundle unmarked, and the user is
// told: the next start from it does not open on the paste.
void Window1::CreateCopyDone() {
    ScanAssistantBundles([this](const FolderItem& bundle) {
        const FolderItem resources = ResourcesIn(bundle);
        if (resources == Nil || !resources.Exists()) {
            MsgBox("失敗");
            return false;
        }
        const Outcome written = WriteMarker(resources);
        if (written.Failed())
            Globals::gCautionDlg1(this, Globals::gBeep, "コピー完了の記録を作成できませんでした。",
                                  written.Reason());
        return false;
    });
}

void Window1::DeleteCopyDone() {
    ScanAssistantBundles([this](const FolderItem& bundle) {
        const FolderItem marker = MarkerIn(bundle);
        if (marker != Nil && marker.Exists() && !marker.Delete())
            Globals::gCautionDlg1(this, Globals::gBeep, "コピー完了の記録を削除できませんでした。",
                                  marker.LastError());
        return false;
    });
}

// A run still going or one that left items behind counts as stopped: the
// transfer folder is not complete, so the marker must stay as it is.
bool Window1::CloseApp() {
    if (RadioButton2->Value())
        return false;
    if (!pStartCP)
        return false;
    if (pStopThread1 || pRunningCP || pIncompleteCP) {
        const UnfinishedRun run = pStopThread1 ? UnfinishedRun::Stopped
                                  : pRunningCP ? UnfinishedRun::Running
                                               : UnfinishedRun::Incomplete;
        const QuitQuestion question =
            UnfinishedRunQuestion(run, pPastePhase == kCopySide ? RunSide::Copy : RunSide::Paste);
        const int answer =
            Globals::gCautionDlg(this, Globals::gBeep, 2, "", "強制終了", "終了しない",
                                 question.message, question.explanation);
        return answer == 2;
    }
    if (pPastePhase == kCopySide)
        CreateCopyDone();
    else
        DeleteCopyDone();
    return false;
}

bool Window1::Event_CancelClose(bool /*appQuitting*/) {
    return CloseApp();
}
