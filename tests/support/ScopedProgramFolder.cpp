#include "tests/support/ScopedProgramFolder.h"

#include "platform/files/ProgramFolder.h"

ScopedProgramFolder::ScopedProgramFolder(const std::string& folder) {
    files::SetProgramFolderForTesting(folder);
}

ScopedProgramFolder::~ScopedProgramFolder() {
    files::SetProgramFolderForTesting("");
}
