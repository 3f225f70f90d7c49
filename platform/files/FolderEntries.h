#pragma once
// The raw entries of an open folder, "." and ".." left out, companions kept.
// The folder is read on from where its descriptor stands: open it afresh.

#include <string>
#include <vector>

namespace files {

// One entry as the folder's record gives it: the name and the record's file
// type (a DT_ value; DT_UNKNOWN on file systems that leave it out).
struct FolderRecord {
    std::string name;
    unsigned char type;
};

// errorNumber: 0, or why the folder could not be read to its end.
std::vector<FolderRecord> ReadFolderRecords(int folderFd, int& errorNumber);
std::vector<std::string> ReadEntryNames(int folderFd, int& errorNumber);

// Whether the open folder holds a folder of that name (a link to one is none).
bool HoldsFolderNamed(int folderFd, const std::string& name);

} // namespace files
