#pragma once
// Copies one entry (file, folder with its whole tree, symbolic link, special
// file) between two open folders, keeping permissions, owner where allowed,
// times to the nanosecond and extended attributes. Works on descriptors, so
// no path is looked up twice and no link is ever followed.

#include <string>

namespace files {

class EntryCopier {
public:
    // finderInfoAttribute: the name under which the destination's file system
    // keeps Finder information; the source's may differ.
    explicit EntryCopier(std::string finderInfoAttribute);

    // Copies sourceFolder/name to destinationFolder/newName, which must not
    // exist. Where the destination takes no attributes, Finder information
    // goes into a companion named companionName. The two paths only name the
    // entries in messages. On failure what was made stays for the caller to
    // remove, and Error says why.
    bool Copy(int sourceFolder, const std::string& name, int destinationFolder,
              const std::string& newName, const std::string& companionName,
              const std::string& sourcePath, const std::string& destinationPath);

    const std::string& Error() const { return error_; }

private:
    struct Entry;

    bool CopyFile(const Entry& entry);
    bool CopyFolder(const Entry& entry);
    bool CopyLink(const Entry& entry);
    bool CopySpecialFile(const Entry& entry);
    bool CopyAttributes(const Entry& entry, int from, int to);
    bool CopyOwnerModeAndTimes(const Entry& entry, int to);
    bool KeepOwner(const Entry& entry, int flags, int fd = -1);
    bool WriteFinderInfoCompanion(const Entry& entry, const std::string& finderInfo);
    bool Fail(const std::string& path, int errorNumber);

    std::string finderInfoAttribute_;
    unsigned ownUser_;
    unsigned ownGroup_;
    std::string error_;
};

} // namespace files
