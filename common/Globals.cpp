#include "common/Globals.h"

#include "platform/alias/AliasRecord.h"
#include "platform/gui/Application.h"
#include "platform/gui/MessageDialog.h"
#include "platform/threads/Cooperative.h"

namespace Globals {

namespace {

// A PkgInfo holds one TypeCre; a longer first line reads as no code at all.
constexpr std::size_t kTypeCreLength = 8;

} // namespace

void ReleaseModuleState() {
    gAppName = {};
    gAppTypeCre = {};
    gDocTypeCre = {};
}

void gExtractBodyAndExtn(const String& name, String& body, String& extn) {
    const int n = CountFields(name, ".");
    if (n <= 1) {
        body = name;
        return;
    }
    extn = NthField(name, ".", n);
    for (int i = 1; i <= n - 2; ++i) {
        body = body + NthField(name, ".", i) + ".";
        coop::YieldToNextThread();
    }
    body = body + NthField(name, ".", n - 1);
}

String gExtractExtn(const String& name) {
    String body;
    String extn;
    gExtractBodyAndExtn(name, body, extn);
    return extn;
}

bool gAppPackage(const FolderItem& f) {
    return gExtractExtn(f.Name()) == "app" && f.MacType() == "fold";
}

String gGetTypeCre(const FolderItem& f) {
    if (!gAppPackage(f))
        return f.MacType() + f.MacCreator();
    FolderItem p = f.Child("contents").Child("PkgInfo");
    if (p == Nil || !p.Exists())
        return "";
    TextInputStream stream = p.OpenAsTextFile();
    if (stream == Nil)
        return "";
    return stream.ReadLine(kTypeCreLength);
}

String gAbsPath_ex(const String& s) {
    const std::string& bytes = s.Bytes();
    // A whole record is read by its layout: its fixed part may hold the bytes
    // 00 02 00 too (a folder record's version and kind).
    if (const auto record = ParseAliasRecord(
            std::span(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size())))
        return record->absolutePath ? String::FromBytes(*record->absolutePath, s.Encoding()) : s;
    // Byte positions from 1, as the record's fields are counted.
    for (std::size_t i = 1; i + 2 <= bytes.size(); ++i) {
        const auto at = [&bytes](std::size_t pos) {
            return static_cast<unsigned char>(bytes[pos - 1]);
        };
        if (at(i) == 0x00 && at(i + 1) == 0x02 && at(i + 2) == 0x00 && i + 3 <= bytes.size()) {
            const std::size_t length = at(i + 3);
            if (length > 0)
                return MidB(s, static_cast<int>(i + 4), static_cast<int>(length));
        }
        coop::YieldToNextThread();
    }
    return s;
}

void gWait(double ms) {
    const double start = coop::Microseconds();
    while (true) {
        const double now = coop::Microseconds();
        if (start + ms * 1000 < now)
            return;
        // Sleeps meanwhile: the other threads and the windows go on.
        coop::SleepUntil(start + ms * 1000);
    }
}

int gCautionDlg(Window* parent, bool beep, int buttons, const String& alternate,
                const String& cancel, const String& action, const String& message,
                const String& explanation) {
    MessageDialog dialog;
    if (beep)
        Beep();
    dialog.SetIcon(MessageDialog::kCautionIcon);
    if (buttons > 2) {
        dialog.AlternateButton().SetVisible(true);
        dialog.AlternateButton().SetCaption(alternate);
    }
    if (buttons > 1) {
        dialog.CancelButton().SetVisible(true);
        dialog.CancelButton().SetCaption(cancel);
    }
    dialog.ActionButton().SetCaption(action);
    dialog.SetMessage(message);
    dialog.SetExplanation(explanation);

    MessageDialogButton* pressed =
        parent != nullptr ? dialog.ShowModalWithin(*parent) : dialog.ShowModal();
    if (pressed == &dialog.AlternateButton())
        return 0;
    if (pressed == &dialog.CancelButton())
        return 1;
    if (pressed == &dialog.ActionButton())
        return 2;
    return 1;
}

void gCautionDlg1(Window* parent, bool beep, const String& message, const String& explanation) {
    gCautionDlg(parent, beep, 1, "", "", "OK", message, explanation);
}

// Works relative to the folders it opened itself, never through a link: a
// folder of the tree swapped for a link meanwhile goes as the link, and what
// it points to stays. Yields between entries.
void gDeleteFolder(const FolderItem& f) {
    f.DeleteTree();
    coop::YieldToNextThread();
}

} // namespace Globals
