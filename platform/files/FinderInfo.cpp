#include "platform/files/FinderInfo.h"

#include "platform/files/AppleDouble.h"
#include "platform/files/ExtendedAttributes.h"
#include "platform/files/FileError.h"
#include "platform/files/FolderListing.h"
#include "platform/files/PosixPath.h"
#include "platform/files/StreamFile.h"

#include <algorithm>
#include <fstream>

namespace files {

namespace {

constexpr std::size_t kFlagsOffset = 8;

std::string CompanionPath(const std::string& path) {
    return JoinPath(ParentPath(path), AppleDoubleCompanionName(BaseName(path)));
}

std::optional<FinderInfo> FromAttribute(const std::optional<std::string>& value) {
    if (!value || value->size() < FinderInfo::kSize)
        return std::nullopt;
    FinderInfo info;
    std::copy_n(value->begin(), FinderInfo::kSize, info.bytes.begin());
    if (info.IsEmpty())
        return std::nullopt;
    return info;
}

bool WriteCompanion(const std::string& path, const FinderInfo& info, std::string& error) {
    const std::string companion = CompanionPath(path);
    std::optional<std::string> blob;
    if (const auto existing = ReadFileHead(companion, std::string::npos))
        blob = WithFinderInfo(*existing, info);
    if (!blob)
        blob = MinimalAppleDouble(info);
    std::ofstream out(companion, std::ios::binary | std::ios::trunc);
    out.write(blob->data(), static_cast<std::streamsize>(blob->size()));
    out.close();
    if (!out) {
        error = PathError(companion, "Finder情報のファイルを書き込めません。");
        return false;
    }
    return true;
}

bool StoreFinderInfo(const std::string& path, const FinderInfo& info, FinderInfoStorage storage,
                     std::string& error) {
    if (storage == FinderInfoStorage::ExtendedAttribute) {
        const std::string name = FinderInfoAttributeFor(path);
        const std::string_view value(reinterpret_cast<const char*>(info.bytes.data()),
                                     info.bytes.size());
        const int result = WriteAttribute(path, name.c_str(), value);
        if (result == 0)
            return true;
        if (!IsUnsupportedAttributeError(result)) {
            error = SystemError(path, result);
            return false;
        }
    }
    return WriteCompanion(path, info, error);
}

} // namespace

FinderInfo FinderInfo::ForFile(std::string_view type, std::string_view creator,
                               std::uint16_t flags) {
    FinderInfo info;
    const auto put = [&](std::string_view code, std::size_t at) {
        for (std::size_t i = 0; i < 4; ++i)
            info.bytes[at + i] = static_cast<std::uint8_t>(i < code.size() ? code[i] : ' ');
    };
    put(type, 0);
    put(creator, 4);
    info.SetFlags(flags);
    return info;
}

std::string FinderInfo::Type() const {
    return std::string(bytes.begin(), bytes.begin() + 4);
}

std::string FinderInfo::Creator() const {
    return std::string(bytes.begin() + 4, bytes.begin() + 8);
}

std::uint16_t FinderInfo::Flags() const {
    return static_cast<std::uint16_t>((bytes[kFlagsOffset] << 8) | bytes[kFlagsOffset + 1]);
}

void FinderInfo::SetFlags(std::uint16_t flags) {
    bytes[kFlagsOffset] = static_cast<std::uint8_t>(flags >> 8);
    bytes[kFlagsOffset + 1] = static_cast<std::uint8_t>(flags & 0xFF);
}

bool FinderInfo::IsEmpty() const {
    return std::all_of(bytes.begin(), bytes.end(), [](std::uint8_t b) { return b == 0; });
}

std::optional<FinderInfo> ReadFinderInfo(const std::string& path, bool companionMayExist) {
    // One listing of the entry's attributes saves asking for each name that
    // is not there; without one, each name is asked for.
    const auto names = ListAttributes(path);
    const auto mayHold = [&names](const char* name) {
        return !names || std::find(names->begin(), names->end(), name) != names->end();
    };
    for (const char* name : FinderInfoAttributeNames())
        if (mayHold(name))
            if (auto info = FromAttribute(ReadAttribute(path, name)))
                return info;
    if (mayHold(kNetatalkMetadataAttribute))
        if (const auto netatalk = ReadAttribute(path, kNetatalkMetadataAttribute))
            if (auto info = FinderInfoFromAppleDouble(*netatalk))
                return info;
    if (!companionMayExist || BaseName(path) == "/")
        return std::nullopt;
    if (const auto companion = ReadAppleDoubleHead(CompanionPath(path)))
        return FinderInfoFromAppleDouble(*companion);
    return std::nullopt;
}

bool WriteFinderInfo(const std::string& path, const FinderInfo& info, FinderInfoStorage storage,
                     std::string& error) {
    const bool written = StoreFinderInfo(path, info, storage, error);
    // Forgotten after the write, so that no reading in between stays cached.
    FolderListing::Forget(std::string(ParentPath(path)));
    return written;
}

} // namespace files
