#pragma once
// What a tree on disk holds, entry by entry, for comparing a copy with its
// original or a tree before and after a run: relative path, kind, contents
// or link target, permissions, modification time, type and creator, and the
// AppleDouble companions as files of their own.

#include <ostream>
#include <string>
#include <vector>

struct SnapshotEntry {
    std::string path; // relative to the root; "." for the root itself
    char kind = '?';  // 'd' folder, 'f' file, 'l' link
    std::string data; // a file's contents, a link's target
    unsigned permissions = 0;
    long long modified = 0; // nanoseconds
    std::string typeCreator;
    bool operator==(const SnapshotEntry&) const = default;
};
void PrintTo(const SnapshotEntry& entry, std::ostream* out);

// Every entry of the tree at root (a folder, file or link), in path order.
std::vector<SnapshotEntry> SnapshotOf(const std::string& root);

// The names in a folder, hidden ones and AppleDouble companions included, sorted.
std::vector<std::string> NamesIn(const std::string& folder);
// The same without the AppleDouble companions, which travel with their entries.
std::vector<std::string> EntryNamesIn(const std::string& folder);
