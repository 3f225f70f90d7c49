#pragma once
// The hidden scratch entries that copies and replaces make beside their
// destination, named after the process that made them, and the clean-up of
// those that a run ended in the middle (a kill, a power cut) left behind.
//
// A replace's scratch folder holds the copy under kScratchCopyFolder and,
// where the file system can't swap two entries, the old entry under
// kScratchAsideFolder while the copy takes its place.

#include <sys/types.h>

#include <string>
#include <string_view>

namespace files {

inline constexpr const char* kScratchCopyFolder = "copy";
inline constexpr const char* kScratchAsideFolder = "old";

// A copy's temporary name; serial makes it unique within the process.
std::string CopyScratchName(pid_t owner, unsigned serial);
// A replace's scratch folder name; unique is mkdtemp's "XXXXXX" or any text.
std::string ReplaceScratchName(pid_t owner, std::string_view unique);

// Removes the scratch of assistants no longer running from the folder; an
// entry set aside by a replace whose place is still empty is put back first,
// and a scratch whose entry can't be put back stays. Looks at each folder
// once per process.
void ClearStaleScratch(const std::string& folderPath);

} // namespace files
