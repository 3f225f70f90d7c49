#include "platform/alias/AliasRecord.h"

#include <algorithm>

namespace {

constexpr std::size_t HeaderSize = 8;
constexpr std::size_t Version2FixedSize = 150;
constexpr std::size_t Version3FixedSize = 58;
constexpr std::uint16_t EndTag = 0xFFFF;

enum Tag : std::uint16_t {
    ParentName = 0,
    AbsolutePath = 2,
    TargetNameUnicode = 14,
    VolumeNameUnicode = 15,
    PosixPath = 18,
};

// Big-endian reads; every caller has checked that the bytes are there.
std::uint16_t U16(std::span<const unsigned char> b, std::size_t at) {
    return static_cast<std::uint16_t>(b[at] << 8 | b[at + 1]);
}

std::uint32_t U32(std::span<const unsigned char> b, std::size_t at) {
    return std::uint32_t{U16(b, at)} << 16 | U16(b, at + 2);
}

std::string Bytes(std::span<const unsigned char> b) {
    return {b.begin(), b.end()};
}

// A length byte and up to capacity bytes at `at`; nothing when the length
// byte claims more than the field holds.
std::optional<std::string> FixedName(std::span<const unsigned char> b, std::size_t at,
                                     std::size_t capacity) {
    if (b[at] > capacity)
        return std::nullopt;
    return Bytes(b.subspan(at + 1, b[at]));
}

// A u16 character count, then that many UTF-16BE code units.
std::optional<std::u16string> UnicodeName(std::span<const unsigned char> value) {
    if (value.size() < 2)
        return std::nullopt;
    const std::size_t count = U16(value, 0);
    if (2 + 2 * count > value.size())
        return std::nullopt;
    std::u16string name;
    for (std::size_t i = 0; i < count; ++i)
        name.push_back(static_cast<char16_t>(U16(value, 2 + 2 * i)));
    return name;
}

std::string WithoutNuls(std::span<const unsigned char> value) {
    std::string path = Bytes(value);
    std::erase(path, '\0');
    return path;
}

// Keeps the first occurrence of each tag.
template <typename T> void Keep(std::optional<T>& field, std::optional<T> value) {
    if (!field)
        field = std::move(value);
}

bool ReadTag(AliasRecord& record, std::uint16_t tag, std::span<const unsigned char> value) {
    switch (tag) {
    case ParentName:
        Keep(record.parentName, std::optional(Bytes(value)));
        return true;
    case AbsolutePath:
        Keep(record.absolutePath, std::optional(WithoutNuls(value)));
        return true;
    case TargetNameUnicode:
    case VolumeNameUnicode: {
        auto name = UnicodeName(value);
        if (!name)
            return false;
        Keep(tag == TargetNameUnicode ? record.targetNameUnicode : record.volumeNameUnicode,
             std::move(name));
        return true;
    }
    case PosixPath:
        Keep(record.posixPath, std::optional(Bytes(value)));
        return true;
    default:
        return true; // fields resolution does not use
    }
}

// The tag list: tag, length, value, a pad byte after an odd length, ending
// with the end tag. A list that stops exactly at the record's end is taken
// as ended; a tag or value that crosses the end spoils the record.
bool ReadTags(AliasRecord& record, std::span<const unsigned char> tags) {
    std::size_t at = 0;
    while (at < tags.size()) {
        if (tags.size() - at < 4)
            return false;
        const std::uint16_t tag = U16(tags, at);
        const std::size_t length = U16(tags, at + 2);
        if (tag == EndTag)
            return true;
        at += 4;
        if (length > tags.size() - at)
            return false;
        if (!ReadTag(record, tag, tags.subspan(at, length)))
            return false;
        at = std::min(tags.size(), at + length + (length & 1));
    }
    return true;
}

bool ReadVersion2(AliasRecord& record, std::span<const unsigned char> b) {
    auto volumeName = FixedName(b, 10, 27);
    auto targetName = FixedName(b, 50, 63);
    if (!volumeName || !targetName)
        return false;
    record.volumeName = std::move(*volumeName);
    record.targetName = std::move(*targetName);
    record.volumeCreated = U32(b, 38);
    record.parentID = U32(b, 46);
    return true;
}

} // namespace

std::optional<AliasRecord> ParseAliasRecord(std::span<const unsigned char> bytes) {
    if (bytes.size() < HeaderSize)
        return std::nullopt;
    const std::size_t recordSize = U16(bytes, 4);
    if (recordSize > bytes.size())
        return std::nullopt;
    const auto b = bytes.first(recordSize);

    AliasRecord record;
    record.version = U16(bytes, 6);
    const std::size_t fixedSize = record.version == 2   ? Version2FixedSize
                                  : record.version == 3 ? Version3FixedSize
                                                        : 0;
    if (fixedSize == 0 || recordSize < fixedSize)
        return std::nullopt;

    const std::uint16_t kind = U16(b, 8);
    if (kind != static_cast<std::uint16_t>(AliasKind::File) &&
        kind != static_cast<std::uint16_t>(AliasKind::Folder))
        return std::nullopt;
    record.kind = static_cast<AliasKind>(kind);

    if (record.version == 2 && !ReadVersion2(record, b))
        return std::nullopt;
    if (record.version == 3) {
        // The volume's date: 48 bits of seconds, then a 16-bit fraction.
        record.volumeCreated = std::uint64_t{U16(b, 10)} << 32 | U32(b, 12);
        record.parentID = U32(b, 24);
    }
    if (!ReadTags(record, b.subspan(fixedSize)))
        return std::nullopt;
    return record;
}
