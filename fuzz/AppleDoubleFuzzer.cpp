// Any bytes, read as an AppleDouble blob and as the "._" companions of a file
// and of a disk's root, give Finder information and a creation date only from
// inside them, the same from the disk as from the blob; writing back the
// Finder information that was read leaves the blob as it was.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "fuzz/InputFolder.h"
#include "platform/files/AppleDouble.h"
#include "platform/files/FinderInfo.h"
#include "platform/files/VolumeCreationDate.h"

namespace {

// A companion's dates count from 2000, a volume's from 1904.
constexpr std::int64_t kSeconds1904To2000 = 3029529600;

bool Same(const std::optional<files::FinderInfo>& a, const std::optional<files::FinderInfo>& b) {
    return a.has_value() == b.has_value() && (!a || a->bytes == b->bytes);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const InputFolder input("apple_double_fuzzer");
    static const std::string disk =
        input.Holding(nullptr, 0, "Disk/Fuzz", "Disk").AbsolutePath().ToUTF8();
    const std::string_view blob(reinterpret_cast<const char*>(data), size);

    const auto info = files::FinderInfoFromAppleDouble(blob);
    const auto created = files::CreationDateFromAppleDouble(blob);
    if (info && files::WithFinderInfo(std::string(blob), *info) != blob)
        std::abort();

    // On disk the layer reads no more than a companion's head, as it reads the blob.
    input.Holding(data, size, "Disk/._Fuzz");
    input.Holding(data, size, "Disk/._.");
    const auto head = files::ReadAppleDoubleHead(disk + "/._Fuzz");
    if (!head || !blob.starts_with(*head))
        std::abort();
    const bool whole = head->size() == size;
    const auto headInfo = files::FinderInfoFromAppleDouble(*head);
    const auto headDate = files::CreationDateFromAppleDouble(*head);
    if (!Same(files::ReadFinderInfo(disk + "/Fuzz"), headInfo) || (whole && !Same(headInfo, info)))
        std::abort();
    if (whole && headDate != created)
        std::abort();
    if (headDate && files::VolumeCreationDate(disk) !=
                        static_cast<std::uint64_t>(kSeconds1904To2000 + *headDate))
        std::abort();
    return 0;
}
