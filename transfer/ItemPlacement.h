#pragma once
// Placing a copy of an item in its destination folder, where the folder may
// already hold an entry of the item's name.

#include <functional>

#include "platform/files/FolderItem.h"
#include "platform/text/String.h"
#include "transfer/MadeEntries.h"

// What placing an item does with an entry of its name that was there before
// the run.
enum class SameNamedEntry {
    Refused,  // the placement fails
    Kept,     // left untouched, and the item counts as placed (the user's choice)
    Replaced, // replaced by the copy, and never lost on the way
};

// Copies item into folder under its own name. An entry of that name that this
// run made is never replaced nor kept back: the placement fails, naming it.
// A copy placed is added to made. False, with the reason, when the item could
// not be placed; with an empty reason when stopRequested (asked while the copy
// runs) ended the copy, nothing of it placed.
bool PlaceItem(const FolderItem& item, const FolderItem& folder, SameNamedEntry sameNamed,
               MadeEntries& made, String& reason, const std::function<bool()>& stopRequested);
