#pragma once
// Placing a copy of an item in its destination folder, for the paste and the
// network copy, where the folder may already hold an entry of the item's name.

#include <functional>

#include "platform/files/FolderItem.h"
#include "platform/text/String.h"

// Copies item into folder under its own name. An entry of that name already
// there is left untouched when replace is False (the user's choice, so the
// item counts as placed), else it is replaced by the copy without ever being
// lost. False, with the reason, when the item could not be placed; with an
// empty reason when stopRequested ended the copy, nothing of it placed.
bool PlaceItem(const FolderItem& item, const FolderItem& folder, bool replace, String& reason,
               const std::function<bool()>& stopRequested);
