#pragma once
// Placing a copy of an item in its destination folder, where the folder may
// already hold an entry of the item's name.

#include <functional>

#include "platform/files/FolderItem.h"
#include "platform/files/Outcome.h"
#include "platform/files/SourceLink.h"
#include "transfer/MadeEntries.h"

// What placing an item does with an entry of its name that was there before
// the run.
enum class SameNamedEntry {
    Refused,  // the placement fails
    Kept,     // left untouched, and the item counts as placed (the user's choice)
    Replaced, // replaced by the copy, and never lost on the way
};

// How one route places its items.
struct Placement {
    SameNamedEntry sameNamed;
    // An item that is itself a symbolic link: followed on this machine (the
    // device copy, on the old machine itself), on the old machine's disk (the
    // network copy), or never (the paste, from a device anyone may have written).
    files::SourceLink linkedItem;
    // Asked while a copy runs; true ends it.
    std::function<bool()> stopRequested;
};

// Copies item into folder under its own name. An entry of that name that this
// run made is never replaced nor kept back: the placement fails, naming it.
// A copy placed is added to made. Stopped when the stop ended the copy,
// nothing of it placed.
Outcome PlaceItem(const FolderItem& item, const FolderItem& folder, const Placement& placement,
                  MadeEntries& made);
