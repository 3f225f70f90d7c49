#pragma once
// Where the running program lives, as the framework names it: the folder
// around its application bundle, so that files kept beside the bundle (the
// transfer folder "temp" on an external device) are found from any start.

#include <string>

namespace files {

// The program folder for an executable at that path: the folder holding
// X.app when the executable lies in X.app/contents/MacOS/ (letter case as a
// Mac disk ignores it), else the executable's own folder.
std::string ProgramFolderFor(const std::string& executablePath);

// The running executable's absolute path.
std::string ExecutablePath();

// The program folder of the running program, or the folder that tests set.
std::string ProgramFolder();
// Tests: the program folder is `folder` from now on; "" restores the real one.
void SetProgramFolderForTesting(std::string folder);

} // namespace files
