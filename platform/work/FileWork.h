#pragma once
// Copies of files and folders for the transfer, made on a background thread
// while the calling cooperative thread yields (see BackgroundWork.h): however
// long one copy takes, the windows keep redrawing and taking clicks.

#include "platform/files/FolderItem.h"
#include "platform/files/Outcome.h"
#include "platform/files/SourceLink.h"

#include <functional>

namespace work {

// Copies item into folder as FolderItem::CopyFileTo does, except that an item
// that is a symbolic link is copied as sourceLink says (see SourceLink.h),
// under its own name; an entry of that name there is left untouched and the
// copy refused. A failure when nothing was copied or something was left out
// (see TreeCopy.h); Stopped when stopRequested (asked while the copy runs,
// see BackgroundWork.h) ended it, and nothing of it is left.
Outcome CopyFileTo(const FolderItem& item, const FolderItem& folder, files::SourceLink sourceLink,
                   const std::function<bool()>& stopRequested = {});

// Puts a copy of item in the place of the existing entry (see SafeReplace.h):
// the old entry is removed only once the copy is complete; on failure, or
// when stopRequested ended the copy, it is whole and no temporary entry is
// left. Refused when the existing entry is the item itself or holds it. An
// item that is a link is taken as sourceLink says.
Outcome ReplaceWithCopy(const FolderItem& existing, const FolderItem& item,
                        files::SourceLink sourceLink,
                        const std::function<bool()>& stopRequested = {});

// Clears the scratch that an interrupted run left in the folder, putting back
// an entry that it had set aside (see Scratch.h).
void ClearStaleScratch(const FolderItem& folder);

} // namespace work
