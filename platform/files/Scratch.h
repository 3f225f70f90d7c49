#pragma once
// The hidden scratch entries that copies, replaces and new files make beside
// their destination, and the clean-up of those that a run ended in the middle
// (a kill, a power cut) left behind.
//
// A scratch name has one exact form, ".dravo-scratch-<id>-<start>-<serial>":
// the process that made it, told by its id and its start time. An entry of
// that form counts as left behind only when no running process is its owner;
// nothing else is ever taken for scratch.
//
// Where a replace can't swap two entries in one step it sets the old entry
// aside in a scratch folder that records the entry's name; the clean-up puts
// back that entry, and only that one, under the name it recorded.

#include <cstdint>
#include <string>
#include <string_view>

namespace files {

// A scratch name of this process that it has not given before.
std::string NewScratchName();
// The scratch name of that owner and serial.
std::string ScratchNameOf(int processId, std::uint64_t startTime, unsigned serial);

// Moves folder/name into a new scratch folder beside it, recording the name
// there; asideName is that folder's name. 0 or the errno; on failure the
// entry is where it was.
int SetAside(int folderFd, const std::string& name, std::string& asideName);

// Moves the entry that the scratch folder asideName set aside back to the
// name it recorded, never over an entry that has taken that name. 0 when it
// is back or there is nothing to put back, else the errno: EEXIST when the
// place is taken.
int PutBack(int folderFd, const std::string& asideName);

// Removes the scratch folder with the entry it set aside, once the new entry
// has taken its place. Its record goes first: an entry without a record is
// one that was replaced, which a kill meanwhile leaves to the clean-up.
bool DiscardSetAside(int folderFd, const std::string& folderPath, const std::string& asideName,
                     std::string& error);

// The path at which the scratch folder asideName keeps the entry it set aside.
std::string SetAsidePath(const std::string& folderPath, const std::string& asideName);

// Removes the scratch of owners no longer running from the folder. An entry
// set aside is put back first where its place is still empty; a scratch
// whose entry can't be put back, or whose place another entry has taken
// without the replace being recorded as complete, stays. Looks at each
// folder once per process.
void ClearStaleScratch(const std::string& folderPath);

} // namespace files
