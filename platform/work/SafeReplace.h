#pragma once
// Replacing an entry by a copy of another without ever losing the entry
// replaced: the copy is made in a hidden folder beside it, and only once it
// is complete do the two change places; then the old one is removed. Works
// on POSIX paths alone, so it may run on any thread.

#include "platform/files/Outcome.h"
#include "platform/files/SourceLink.h"

#include <string>

namespace files {
class StopRequest;
}

namespace work {

// Replaces the entry at targetPath with a copy of the entry at sourcePath,
// its whole tree with its metadata, under the target's name. On failure, or
// when the stop request ended the copy (Stopped), the target is whole and
// nothing else is left. Refuses when the target is the source itself or
// holds it. A source that is a symbolic link is copied as sourceLink says.
// Entries left out of the copy (see TreeCopy.h) fail the call after the
// replace, naming the first.
Outcome ReplaceWithCopyOf(const std::string& targetPath, const std::string& sourcePath,
                          files::SourceLink sourceLink, const files::StopRequest* stop = nullptr);

// The outcome of a copy of the file layer, which says why it failed in
// error and leaves error empty when the stop request ended it.
Outcome CopyOutcome(bool copied, const std::string& error);

} // namespace work
