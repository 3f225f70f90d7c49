// Any bytes, read as each product's preference file, give no entries or the
// twenty kept, never more bytes than the file holds; nothing crashes, hangs
// or grows beyond the file.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "fuzz/InputFolder.h"
#include "gather/SiblingPrefFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const InputFolder input("pref_file_fuzzer");
    const FolderItem file = input.Holding(data, size, "Preferences");
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
