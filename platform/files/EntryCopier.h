#pragma once
// Copies one entry (file, folder with its whole tree, symbolic link) between
// two open folders, keeping permissions (set-ID bits cleared), owner where
// allowed, times to the nanosecond and extended attributes but those that
// grant rights ("security.", "trusted."). Works on descriptors, so no path is
// looked up twice and no link is ever followed.
// Device nodes, pipes and sockets are never made: they are left out.

#include <sys/types.h>

#include <string>

namespace files {

class StopRequest;

class EntryCopier {
public:
    // finderInfoAttribute: the name under which the destination's file system
    // keeps Finder information; the source's may differ. stop, when given,
    // is looked at between the chunks of a file and the entries of a folder.
    explicit EntryCopier(std::string finderInfoAttribute, const StopRequest* stop = nullptr);

    // Copies sourceFolder/name to destinationFolder/newName, which must not
    // exist. Where the destination takes no attributes, Finder information
    // goes into a companion named companionName. The two paths only name the
    // entries in messages. On failure what was made stays for the caller to
    // remove, and Error says why; it is empty when the stop request ended
    // the copy.
    bool Copy(int sourceFolder, const std::string& name, int destinationFolder,
              const std::string& newName, const std::string& companionName,
              const std::string& sourcePath, const std::string& destinationPath);

    const std::string& Error() const { return error_; }
    // The reason naming the first entry left out of the copies; empty when none.
    const std::string& LeftOut() const { return leftOut_; }

    // Whether an entry of that mode is copied at all.
    static bool Copies(mode_t mode);
    static std::string LeftOutReason(const std::string& path);

private:
    struct Entry;

    bool CopyFile(const Entry& listed);
    bool CopyFolder(const Entry& entry);
    bool CopyLink(const Entry& entry);
    bool CopyAttributes(const Entry& entry, int from, int to);
    bool CopyOwnerModeAndTimes(const Entry& entry, int to);
    bool KeepOwner(const Entry& entry, int flags, int fd = -1);
    bool WriteFinderInfoCompanion(const Entry& entry, const std::string& finderInfo);
    bool Fail(const std::string& path, int errorNumber);
    bool Stopped();

    std::string finderInfoAttribute_;
    const StopRequest* stop_;
    unsigned ownUser_;
    unsigned ownGroup_;
    std::string error_;
    std::string leftOut_;
};

} // namespace files
