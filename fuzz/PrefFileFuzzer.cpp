// Any bytes, read as each product's preference file, give no entries or the
// twenty kept, never more bytes than the file holds; nothing crashes, hangs
// or grows beyond the file.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "gather/SiblingPrefFile.h"

namespace {

// The reader reads files only, so every input goes through one, removed at exit.
class InputFile {
public:
    InputFile()
        : path_(std::filesystem::temp_directory_path() /
                ("pref_file_fuzzer." + std::to_string(std::random_device{}()))) {}
    ~InputFile() {
        std::error_code ignored;
        std::filesystem::remove(path_, ignored);
    }

    FolderItem Holding(const std::uint8_t* data, std::size_t size) const {
        std::ofstream out(path_, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
        out.close();
        if (!out)
            std::abort();
        return FolderItem::AtPosixPath(path_.string());
    }

private:
    std::filesystem::path path_;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const InputFile input;
    const FolderItem file = input.Holding(data, size);
    for (const auto product : {SiblingPrefFile::Product::Solvane, SiblingPrefFile::Product::Tessaro,
                               SiblingPrefFile::Product::Kelmo}) {
        const auto entries = SiblingPrefFile(product).ReadEntries(file);
        if (!entries)
            continue;
        if (entries->size() != SiblingPrefFile::kDocumentFolderEntry + 1)
            std::abort();
        std::size_t bytes = 0;
        for (const String& entry : *entries)
            bytes += entry.Bytes().size();
        if (bytes > size)
            std::abort();
    }
    return 0;
}
