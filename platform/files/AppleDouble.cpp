#include "platform/files/AppleDouble.h"

#include "platform/files/StreamFile.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>

namespace files {

namespace {

constexpr std::uint32_t kMagic = 0x00051607;
constexpr std::uint32_t kVersion = 0x00020000;
constexpr std::size_t kHeaderSize = 26; // magic, version, 16 filler bytes, entry count
constexpr std::size_t kEntrySize = 12;
constexpr std::uint32_t kFinderInfoEntry = 9;
constexpr std::uint32_t kResourceForkEntry = 2;
constexpr std::uint32_t kDatesEntry = 8; // created, modified, backed up, accessed
constexpr std::uint32_t kUnknownDate = 0x80000000;
// The entries lie near the start of a companion; a longer one is read whole
// only when it is rewritten. Past this head a companion tells nothing.
constexpr std::size_t kCompanionHead = 64 * 1024;

std::uint32_t ReadU32(std::string_view bytes, std::size_t at) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i)
        value = (value << 8) | static_cast<std::uint8_t>(bytes[at + i]);
    return value;
}

std::uint16_t ReadU16(std::string_view bytes, std::size_t at) {
    return static_cast<std::uint16_t>((static_cast<std::uint8_t>(bytes[at]) << 8) |
                                      static_cast<std::uint8_t>(bytes[at + 1]));
}

void AppendU32(std::string& out, std::uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8)
        out += static_cast<char>((value >> shift) & 0xFF);
}

struct EntrySpan {
    std::size_t offset = 0;
    std::size_t length = 0;
};

// Where the entry lies, when the header is sound and the entry lies inside the blob.
std::optional<EntrySpan> FindEntry(std::string_view blob, std::uint32_t id) {
    if (blob.size() < kHeaderSize || ReadU32(blob, 0) != kMagic)
        return std::nullopt;
    const std::size_t count = ReadU16(blob, 24);
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t at = kHeaderSize + i * kEntrySize;
        if (at + kEntrySize > blob.size())
            return std::nullopt;
        if (ReadU32(blob, at) != id)
            continue;
        const EntrySpan span{ReadU32(blob, at + 4), ReadU32(blob, at + 8)};
        if (span.offset > blob.size() || span.length > blob.size() - span.offset)
            return std::nullopt;
        return span;
    }
    return std::nullopt;
}

} // namespace

std::string AppleDoubleCompanionName(std::string_view name) {
    return "._" + std::string(name);
}

bool IsNoCompanionError(int errorNumber) {
    return errorNumber == ENOENT || errorNumber == ENAMETOOLONG;
}

std::optional<FinderInfo> FinderInfoFromAppleDouble(std::string_view blob) {
    const auto span = FindEntry(blob, kFinderInfoEntry);
    if (!span || span->length < FinderInfo::kSize)
        return std::nullopt;
    FinderInfo info;
    std::copy_n(blob.begin() + static_cast<std::ptrdiff_t>(span->offset), FinderInfo::kSize,
                info.bytes.begin());
    if (info.IsEmpty())
        return std::nullopt;
    return info;
}

std::optional<std::string> ReadAppleDoubleHead(const std::string& companionPath) {
    return ReadFileHead(companionPath, kCompanionHead);
}

std::optional<std::int32_t> CreationDateFromAppleDouble(std::string_view blob) {
    const auto span = FindEntry(blob, kDatesEntry);
    if (!span || span->length < 4 || ReadU32(blob, span->offset) == kUnknownDate)
        return std::nullopt;
    return static_cast<std::int32_t>(ReadU32(blob, span->offset));
}

std::string MinimalAppleDouble(const FinderInfo& info) {
    std::string out;
    AppendU32(out, kMagic);
    AppendU32(out, kVersion);
    out.append(16, '\0');
    out += '\0';
    out += '\2';
    const std::uint32_t finderInfoOffset = kHeaderSize + 2 * kEntrySize;
    for (const std::uint32_t value :
         {kFinderInfoEntry, finderInfoOffset, static_cast<std::uint32_t>(FinderInfo::kSize),
          kResourceForkEntry, finderInfoOffset + static_cast<std::uint32_t>(FinderInfo::kSize), 0u})
        AppendU32(out, value);
    out.append(info.bytes.begin(), info.bytes.end());
    return out;
}

std::optional<std::string> WithFinderInfo(std::string blob, const FinderInfo& info) {
    const auto span = FindEntry(blob, kFinderInfoEntry);
    if (!span || span->length < FinderInfo::kSize)
        return std::nullopt;
    std::copy(info.bytes.begin(), info.bytes.end(),
              blob.begin() + static_cast<std::ptrdiff_t>(span->offset));
    return blob;
}

} // namespace files
