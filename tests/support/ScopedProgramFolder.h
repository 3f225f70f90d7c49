#pragma once
// Makes GetFolderItem("") name the given folder for one test, as if the
// program had been started from there (an external device, for instance).

#include <string>

class ScopedProgramFolder {
public:
    explicit ScopedProgramFolder(const std::string& folder);
    ~ScopedProgramFolder();
    ScopedProgramFolder(const ScopedProgramFolder&) = delete;
    ScopedProgramFolder& operator=(const ScopedProgramFolder&) = delete;
};
