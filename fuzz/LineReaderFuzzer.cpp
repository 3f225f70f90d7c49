// Any bytes, read as a text file line by line under a small limit and as an
// application package's PkgInfo, give lines within the limit that hold no
// line end and no more bytes than the file; the PkgInfo gives at most its
// eight bytes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "common/Globals.h"

namespace {

// A package "Fuzz.app" in a folder of its own, removed at exit; every input
// becomes its PkgInfo.
class InputPackage {
public:
    InputPackage()
        : root_(std::filesystem::temp_directory_path() /
                ("line_reader_fuzzer." + std::to_string(std::random_device{}()))) {
        std::filesystem::create_directories(root_ / "Fuzz.app" / "contents");
    }
    ~InputPackage() {
        std::error_code ignored;
        std::filesystem::remove_all(root_, ignored);
    }

    FolderItem Holding(const std::uint8_t* data, std::size_t size) const {
        std::ofstream out(root_ / "Fuzz.app" / "contents" / "PkgInfo",
                          std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
        out.close();
        if (!out)
            std::abort();
        return FolderItem::AtPosixPath((root_ / "Fuzz.app").string());
    }

private:
    std::filesystem::path root_;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const InputPackage input;
    const FolderItem package = input.Holding(data, size);

    if (Globals::gGetTypeCre(package).Bytes().size() > 8)
        std::abort();

    // The first byte tells the limit, so that short and long lines both meet it.
    const std::size_t limit = size > 0 ? data[0] % 32 : 0;
    TextInputStream stream = package.Child("contents").Child("PkgInfo").OpenAsTextFile();
    if (stream == Nil)
        std::abort();
    std::size_t bytes = 0;
    for (std::size_t lines = 0; !stream.EndOfFile(); ++lines) {
        const std::string line = stream.ReadLine(limit).Bytes();
        if (line.size() > limit || line.find_first_of("\r\n") != std::string::npos || lines > size)
            std::abort();
        bytes += line.size();
    }
    if (bytes > size)
        std::abort();
    return 0;
}
