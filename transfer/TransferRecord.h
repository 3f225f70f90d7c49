#pragma once
// The mark by which the assistant knows the transfer folder "temp" as its
// own: a file in the folder itself, beside the sub-folders, that records the
// machine the copy was made on and every entry the copy put into them. The
// paste takes entries only from the sub-folders, so the mark is never one of
// its items.

#include <utility>
#include <vector>

#include "platform/files/FolderItem.h"
#include "platform/files/Outcome.h"
#include "platform/text/String.h"

class TransferRecord {
public:
    // An entry that the copy put into the sub-folder, under its own name.
    void Add(const String& subFolder, const String& name);
    // The names recorded for the sub-folder, in the order they were put there.
    std::vector<String> NamesIn(const String& subFolder) const;
    // The machine the copy was made on (see CopyingMachine.h); "" for none.
    void SetMachine(const String& machine) { machine_ = machine; }

    // Writes the mark into the transfer folder, with the entries recorded.
    Outcome Write(const FolderItem& transferFolder) const;
    // Takes the entries that the transfer folder's mark records; nothing for
    // an unmarked folder. A failure when the mark can't be read to its end or
    // is larger than any copy writes.
    Outcome Read(const FolderItem& transferFolder);

private:
    Outcome ReadLines(TextInputStream& stream, const FolderItem& mark);

    String machine_;
    std::vector<std::pair<String, String>> entries_;
};

// The machine that the transfer folder's mark records; "" for none.
String RecordedMachine(const FolderItem& transferFolder);

// True when the transfer folder bears the mark.
bool HasTransferMark(const FolderItem& transferFolder);
// True when the folder is the assistant's transfer folder, which the copy may
// empty: it bears the mark, or, as an earlier version left it without one,
// holds the four sub-folders "App", "Pref", "AS" and "Doc" and nothing else
// but what a Mac's Finder adds (".DS_Store", ".localized"). An empty folder
// counts too: emptying it loses nothing.
bool IsOwnTransferFolder(const FolderItem& folder);
