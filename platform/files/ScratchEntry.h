#pragma once
// An entry made beside its final place under a scratch name (see Scratch.h):
// what is made under that name appears under the final name only when Commit
// puts it there, in one step. Until then the destructor removes it, and a
// kill leaves it for the next clean-up, so no half-made entry ever stands
// under a name the user sees.

#include "platform/files/Descriptor.h"

#include <string>

namespace files {

class ScratchEntry {
public:
    // What Commit does with an entry that already has the final name.
    enum class Existing {
        Refused,  // the commit fails with EEXIST
        Replaced, // the new entry takes its place
    };

    // A fresh scratch name in the open folder at folderPath; nothing is made
    // under it yet.
    ScratchEntry(int folderFd, std::string folderPath);
    ~ScratchEntry();
    ScratchEntry(const ScratchEntry&) = delete;
    ScratchEntry& operator=(const ScratchEntry&) = delete;

    int Folder() const { return folder_.get(); }
    const std::string& Name() const { return name_; }
    std::string Path() const;
    // Whether something was made under the scratch name.
    bool Made() const;

    // Gives what was made under the scratch name the final name. A replaced
    // entry is removed only once the new one is in its place; where the file
    // system can't swap the two and the new one can't take the place, the old
    // one is put back, and when even that fails error says where it is kept.
    // On failure error ("「path」：reason") says why.
    bool Commit(const std::string& finalName, Existing existing, std::string& error);

private:
    bool Fail(const std::string& finalName, int failure, std::string& error) const;
    bool CommitInPlaceOf(const std::string& finalName, std::string& error);
    bool CommitBySettingAside(const std::string& finalName, std::string& error);

    Descriptor folder_;
    std::string folderPath_;
    std::string name_;
    bool committed_ = false;
};

} // namespace files
