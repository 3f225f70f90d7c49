#pragma once
// The items that a transfer run could not transfer, each with the reason,
// for the caution that ends such a run.

#include <vector>

#include "platform/files/FolderItem.h"
#include "platform/files/Outcome.h"
#include "platform/text/String.h"

class TransferFailures {
public:
    void Add(const String& name, const String& reason);
    // Adds the item when its outcome is a failure; one that the user's stop
    // ended is none: the run reports itself stopped.
    void Add(const String& name, const Outcome& outcome);
    bool Empty() const { return names_.empty(); }
    // The names, one a line: the first ten, then "他 N 件" for the rest; then
    // the reason of the first failure.
    String Explanation() const;

private:
    std::vector<String> names_;
    String firstReason_;
};

// The reason given for an item or folder that is not (or no longer) there.
String MissingReason(const FolderItem& item);
// The reason given for an item whose name this run has already copied into
// the folder: the entry made then.
String SameRunReason(const FolderItem& entry);
// The reason given for a row whose kind has no destination.
String UnknownKindReason(const String& kind);
