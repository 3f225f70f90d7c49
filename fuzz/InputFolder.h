#pragma once
// The readers under test read files only, so each fuzz input is written into
// a folder of the target's own, which is removed at exit.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "platform/files/FolderItem.h"

class InputFolder {
public:
    explicit InputFolder(const std::string& target)
        : root_(std::filesystem::temp_directory_path() /
                (target + "." + std::to_string(std::random_device{}()))) {
        std::filesystem::create_directories(root_);
    }
    ~InputFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(root_, ignored);
    }

    // Writes the input at relativePath, making its folders, and returns the
    // item at itemPath (the file itself when empty).
    FolderItem Holding(const std::uint8_t* data, std::size_t size,
                       const std::filesystem::path& relativePath,
                       const std::filesystem::path& itemPath = {}) const {
        std::filesystem::create_directories((root_ / relativePath).parent_path());
        std::ofstream out(root_ / relativePath, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
        out.close();
        if (!out)
            std::abort();
        return FolderItem::AtPosixPath(
            (root_ / (itemPath.empty() ? relativePath : itemPath)).string());
    }

private:
    std::filesystem::path root_;
};
