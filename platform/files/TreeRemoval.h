#pragma once
// Removing entries without ever following a symbolic link.

#include <functional>
#include <string>

namespace files {

// Removes a file or link, or a folder that holds nothing but AppleDouble
// companions, and the entry's own companion beside it.
bool RemoveEntry(const std::string& path, std::string& error);

// Removes the entry of that name in the open folder (at folderPath) with
// everything inside it: a half-made copy, a scratch folder or the transfer
// folder, all of it the assistant's own, so a folder inside that forbids
// changes is made writable first. Every step works relative to a folder it
// opened itself and no link is ever followed, so a folder swapped for a link
// meanwhile goes as the link. betweenEntries runs after each entry removed.
// False, with the reason naming an entry that stayed, when something could
// not be removed.
bool RemoveTree(int folderFd, const std::string& folderPath, const std::string& name,
                std::string& error, const std::function<void()>& betweenEntries = {});

} // namespace files
