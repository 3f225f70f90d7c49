#include "platform/files/ProgramFolder.h"

#include "platform/files/MacName.h"
#include "platform/files/PosixPath.h"

#include <utility>

namespace files {

namespace {

std::string& FolderSetByTests() {
    static std::string folder;
    return folder;
}

bool EndsWithMacName(std::string_view name, std::string_view extension) {
    return name.size() > extension.size() &&
           SameMacName(name.substr(name.size() - extension.size()), extension);
}

} // namespace

std::string ProgramFolderFor(const std::string& executablePath) {
    const std::string_view executableFolder = ParentPath(executablePath);
    const std::string_view contents = ParentPath(executableFolder);
    const std::string_view bundle = ParentPath(contents);
    const bool inBundle = SameMacName(BaseName(executableFolder), "MacOS") &&
                          SameMacName(BaseName(contents), "contents") &&
                          EndsWithMacName(BaseName(bundle), ".app");
    return std::string(inBundle ? ParentPath(bundle) : executableFolder);
}

std::string ProgramFolder() {
    if (!FolderSetByTests().empty())
        return FolderSetByTests();
    return ProgramFolderFor(ExecutablePath());
}

void SetProgramFolderForTesting(std::string folder) {
    FolderSetByTests() = std::move(folder);
}

} // namespace files
