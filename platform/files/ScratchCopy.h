#pragma once
// A copy of an entry, with its AppleDouble companion, made in a folder under
// scratch names (see ScratchEntry.h) and given its final name only once it
// is complete: a failure leaves nothing behind.

#include "platform/files/ScratchEntry.h"
#include "platform/files/TreeCopy.h"

#include <string>

namespace files {

class ScratchCopy {
public:
    // The copy will be made in the open folder at folderPath.
    ScratchCopy(int folderFd, const std::string& folderPath);

    // Copies the source with its whole tree and its companion; finalPath
    // names the copy in messages. Refuses a folder that holds this one.
    // Device nodes, pipes and sockets inside are left out and named in LeftOut.
    // A due stop request ends the copy: false with an empty error.
    bool Make(const CopySource& source, const std::string& finalPath, std::string& error,
              const StopRequest* stop = nullptr);

    // Gives the copy and its companion their final names. A replaced entry's
    // companion goes with it when the copy has none.
    bool Commit(const std::string& finalName, ScratchEntry::Existing existing, std::string& error);

    // The reason naming the first entry left out; empty when none.
    const std::string& LeftOut() const { return leftOut_; }

private:
    std::string folderPath_;
    ScratchEntry entry_;
    ScratchEntry companion_;
    std::string leftOut_;
};

} // namespace files
