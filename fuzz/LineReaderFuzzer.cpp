// Any bytes, read as a text file line by line under a small limit and as an
// application package's PkgInfo, give lines within the limit that hold no
// line end and no more bytes than the file; the PkgInfo gives at most its
// eight bytes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "common/Globals.h"
#include "fuzz/InputFolder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const InputFolder input("line_reader_fuzzer");
    const FolderItem package = input.Holding(data, size, "Fuzz.app/contents/PkgInfo", "Fuzz.app");

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
