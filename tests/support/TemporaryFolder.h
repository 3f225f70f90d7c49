#pragma once
// A fresh folder under the system's temporary folder, removed with all its
// contents when the object goes.

#include <string>
#include <string_view>

class TemporaryFolder {
public:
    TemporaryFolder();
    ~TemporaryFolder();
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;

    const std::string& Path() const { return path_; }
    // The POSIX path of a relative path ("a/b") inside the folder.
    std::string Path(std::string_view relative) const;

private:
    std::string path_;
};
