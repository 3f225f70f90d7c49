#include "gather/AliasPath.h"

#include "common/Globals.h"
#include "common/TextEnco.h"
#include "gather/DecrareEtc.h"
#include "platform/alias/Aliases.h"
#include "platform/files/GetFolderItem.h"
#include "platform/gui/MsgBox.h"
#include "platform/gui/OpenDialog.h"
#include "platform/gui/SelectFolderDialog.h"

namespace AliasPath {

String gAbsPath_dc(const String& text, bool fileMode) {
    if (text.IsEmpty())
        return "";
    if (!GetFolderItem(text, 0).IsNil())
        return text;

    Handle h = DecrareEtc::TextToHandle(text);
    if (h == nullptr)
        return "";

    FSSpec target;
    bool wasChanged = false;
    const OSErr err = ResolveAlias(nullptr, h, &target, &wasChanged);
    String path;
    if (err == noErr) {
        path = DecrareEtc::GetFullPath(target.vRefNum, target.parID) +
               DecrareEtc::PStringText(target.name);
        path = TextEnco::gEncText(path, "Shift-JIS", "UTF-8");
        // An item that vanished since it was resolved gets no ":" rather than a crash.
        const FolderItem resolved = GetFolderItem(path, 0);
        if (!resolved.IsNil() && resolved.Directory())
            path = path + ":";
    } else {
        const String shown = TextEnco::gEncUTF8alt(Globals::gAbsPath_ex(text), "Shift_JIS");
        MsgBox("「" + shown + "」が見つかりません。再指定して下さい。");
        const FolderItem c = fileMode ? GetOpenFolderItem("anyFile") : SelectFolder();
        if (c.IsNil()) {
            path = "";
        } else {
            path = c.AbsolutePath();
        }
    }
    DisposeHandle(h);
    return path;
}

} // namespace AliasPath
