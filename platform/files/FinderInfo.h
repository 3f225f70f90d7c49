#pragma once
// Finder information: the 32 bytes in which a Mac keeps a file's type,
// creator and Finder flags. Read from the first place that holds some (the
// extended attribute the file system uses, netatalk's metadata, or an
// AppleDouble "._name" companion beside the entry); written as an attribute
// or as a companion.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace files {

struct FinderInfo {
    static constexpr std::size_t kSize = 32;
    static constexpr std::uint16_t kInvisible = 0x4000;

    std::array<std::uint8_t, kSize> bytes{};

    // Type and creator are four characters each, padded with blanks when shorter.
    static FinderInfo ForFile(std::string_view type, std::string_view creator,
                              std::uint16_t flags = 0);

    std::string Type() const;
    std::string Creator() const;
    std::uint16_t Flags() const;
    void SetFlags(std::uint16_t flags);
    bool IsEmpty() const; // all zero counts as no Finder information
};

enum class FinderInfoStorage { ExtendedAttribute, AppleDouble };

// The Finder information of the entry at the path, without following a
// symbolic link; nullopt when none is stored or all of it is zero. A caller
// that knows no companion lies beside the entry saves looking for one.
std::optional<FinderInfo> ReadFinderInfo(const std::string& path, bool companionMayExist = true);

// Stores the Finder information of the entry at the path. An attribute goes
// where the file system keeps it; a file system that takes no extended
// attributes gets an AppleDouble companion instead. The cached listing of the
// entry's folder forgets what it knew. On failure, error says why.
bool WriteFinderInfo(const std::string& path, const FinderInfo& info, FinderInfoStorage storage,
                     std::string& error);

} // namespace files
