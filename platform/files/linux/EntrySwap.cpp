#include "platform/files/EntrySwap.h"

#include <fcntl.h>
#include <stdio.h>

#include <cerrno>

namespace files {

int SwapEntries(int folderA, const std::string& nameA, int folderB, const std::string& nameB) {
    return renameat2(folderA, nameA.c_str(), folderB, nameB.c_str(), RENAME_EXCHANGE) == 0 ? 0
                                                                                           : errno;
}

} // namespace files
