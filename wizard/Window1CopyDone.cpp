// The copy-done marker in the assistant's own bundles, and the quit guard
// that creates or deletes it when the wizard closes.

#include <functional>

#include "common/Globals.h"
#include "platform/files/GetFolderItem.h"
#include "platform/gui/MsgBox.h"
#include "platform/threads/Cooperative.h"
#include "wizard/QuitQuestion.h"
#include "wizard/Window1.h"

namespace {

// An application package whose PkgInfo holds the assistant's own type and creator.
bool IsAssistantBundle(const FolderItem& entry) {
    return Globals::gAppPackage(entry) && Globals::gGetTypeCre(entry) == "APPLqWts";
}

// The marker item of a bundle; Nil when its folders are missing.
FolderItem MarkerIn(const FolderItem& bundle) {
    const FolderItem contents = bundle.Child("contents");
    if (contents == Nil)
        return Nil;
    const FolderItem resources = contents.Child("Resources");
    if (resources == Nil)
        return Nil;
    return resources.Child("CopyDone");
}

// Hands the marker item of each assistant bundle beside the program to
// visit, in entry order, yielding after every entry. The entry count is read
// afresh on each pass. visit answers True to end the scan; the scan answers
// whether it was ended so.
bool ScanAssistantBundles(const std::function<bool(const FolderItem& marker)>& visit) {
    const FolderItem programFolder = GetFolderItem("");
    if (programFolder == Nil)
        return false;
    for (int i = 1; i <= programFolder.Count(); ++i) {
        const FolderItem entry = programFolder.Item(i);
        if (entry != Nil && IsAssistantBundle(entry) && visit(MarkerIn(entry)))
            return true;
        coop::YieldToNextThread();
    }
    return false;
}

} // namespace

bool Window1::ExistsCopyDone() {
    return ScanAssistantBundles(
        [](const FolderItem& marker) { return marker != Nil && marker.Exists(); });
}

void Window1::CreateCopyDone() {
    ScanAssistantBundles([](const FolderItem& marker) {
        if (marker == Nil)
            MsgBox("失敗");
        else
            marker.CreateTextFile();
        return false;
    });
}

void Window1::DeleteCopyDone() {
    ScanAssistantBundles([](const FolderItem& marker) {
        if (marker != Nil && marker.Exists())
            marker.Delete();
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
        const QuitQuestion question =
            UnfinishedRunQuestion(pStopThread1, pRunningCP, pPastePhase == kCopySide);
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
