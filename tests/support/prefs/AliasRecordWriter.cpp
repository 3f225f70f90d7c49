#include "tests/support/prefs/AliasRecordWriter.h"

#include <algorithm>
#include <stdexcept>
#include <vector>

#include "platform/text/TextEncoding.h"

namespace testprefs {

namespace {

constexpr std::size_t Version2FixedSize = 150;
constexpr std::size_t Version3FixedSize = 58;
constexpr std::uint32_t RootFolderID = 2;
constexpr std::uint32_t FirstFolderID = 100;

std::u16string Utf16(const std::string& utf8) {
    return Encodings::UTF8()->ToUnicode(utf8);
}

// A POSIX name as the Mac spells it: ":" and "/" trade places, Mac Japanese bytes.
std::string MacName(std::string posixName) {
    std::replace(posixName.begin(), posixName.end(), ':', '/');
    return Encodings::MacJapanese()->FromUnicode(Utf16(posixName));
}

// A name cut, at a character boundary, to what a fixed field holds; the
// Unicode tags keep it whole.
std::string FixedFieldName(const std::string& macName, std::size_t capacity) {
    std::size_t end = 0;
    while (end < macName.size()) {
        const auto lead = static_cast<unsigned char>(macName[end]);
        const std::size_t width =
            (lead >= 0x81 && lead <= 0x9F) || (lead >= 0xE0 && lead <= 0xFC) ? 2 : 1;
        if (end + width > capacity)
            break;
        end += width;
    }
    return macName.substr(0, end);
}

std::vector<std::string> Components(const std::string& relativePath) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (start <= relativePath.size()) {
        const std::size_t slash = std::min(relativePath.find('/', start), relativePath.size());
        if (slash > start)
            parts.push_back(relativePath.substr(start, slash - start));
        start = slash + 1;
    }
    return parts;
}

void Put16(std::string& out, std::size_t at, std::uint32_t value) {
    out[at] = static_cast<char>(value >> 8 & 0xFF);
    out[at + 1] = static_cast<char>(value & 0xFF);
}

void Put32(std::string& out, std::size_t at, std::uint32_t value) {
    Put16(out, at, value >> 16);
    Put16(out, at + 2, value & 0xFFFF);
}

void PutLengthPrefixed(std::string& out, std::size_t at, const std::string& name,
                       std::size_t capacity) {
    if (name.size() > capacity)
        throw std::invalid_argument("name too long for its field: " + name);
    out[at] = static_cast<char>(name.size());
    std::copy(name.begin(), name.end(), out.begin() + static_cast<std::ptrdiff_t>(at) + 1);
}

void AppendTag(std::string& out, std::uint16_t tag, const std::string& value) {
    if (value.size() > 0xFFFF)
        throw std::invalid_argument("tag value too long");
    std::string head(4, '\0');
    Put16(head, 0, tag);
    Put16(head, 2, static_cast<std::uint32_t>(value.size()));
    out += head + value;
    if (value.size() % 2 == 1)
        out.push_back('\0');
}

// A u16 count of UTF-16 units, then the units big-endian.
std::string UnicodeValue(const std::string& utf8) {
    const std::u16string units = Utf16(utf8);
    std::string value(2 + 2 * units.size(), '\0');
    Put16(value, 0, static_cast<std::uint32_t>(units.size()));
    for (std::size_t i = 0; i < units.size(); ++i)
        Put16(value, 2 + 2 * i, units[i]);
    return value;
}

std::string Version2Fixed(const AliasRecordFields& f) {
    std::string out(Version2FixedSize, '\0');
    PutLengthPrefixed(out, 10, f.volumeName, 27);
    Put32(out, 38, f.volumeCreated);
    out.replace(42, 2, "H+");
    Put32(out, 46, f.parentID);
    PutLengthPrefixed(out, 50, f.targetName, 63);
    Put32(out, 114, f.targetID);
    Put32(out, 130, 0xFFFFFFFF); // levels from and to: unknown
    return out;
}

std::string Version3Fixed(const AliasRecordFields& f) {
    std::string out(Version3FixedSize, '\0');
    Put32(out, 12, f.volumeCreated); // the low 32 of 48 bits of seconds
    out.replace(18, 4, "H+\0\0", 4);
    Put32(out, 24, f.parentID);
    Put32(out, 28, f.targetID);
    return out;
}

} // namespace

AliasRecordFields AliasFieldsFor(const std::string& volumeName, const std::string& relativePath,
                                 AliasTargetKind kind, int version) {
    const std::vector<std::string> parts = Components(relativePath);
    if (parts.empty())
        throw std::invalid_argument("an alias names an item below the volume root");
    AliasRecordFields f;
    f.version = version;
    f.kind = kind;
    f.volumeName = FixedFieldName(MacName(volumeName), 27);
    f.targetName = FixedFieldName(MacName(parts.back()), 63);
    f.parentID =
        parts.size() == 1 ? RootFolderID : FirstFolderID + static_cast<std::uint32_t>(parts.size());
    f.targetID = FirstFolderID + static_cast<std::uint32_t>(parts.size()) + 1;
    f.parentName = MacName(parts.size() == 1 ? volumeName : parts[parts.size() - 2]);
    std::string colonPath = MacName(volumeName);
    for (const auto& part : parts)
        colonPath.append(":").append(MacName(part));
    f.absolutePath = colonPath;
    f.targetNameUnicode = parts.back();
    f.volumeNameUnicode = volumeName;
    std::string posixPath;
    for (const auto& part : parts)
        posixPath.append("/").append(part);
    f.posixPath = posixPath;
    f.volumeMountPath = "/Volumes/" + volumeName;
    return f;
}

std::string AliasRecordBytes(const AliasRecordFields& f) {
    if (f.version != 2 && f.version != 3)
        throw std::invalid_argument("alias record version 2 or 3");
    std::string out = f.version == 2 ? Version2Fixed(f) : Version3Fixed(f);
    Put16(out, 6, static_cast<std::uint32_t>(f.version));
    Put16(out, 8, static_cast<std::uint32_t>(f.kind));
    if (f.parentName)
        AppendTag(out, 0, *f.parentName);
    if (f.absolutePath)
        AppendTag(out, 2, *f.absolutePath);
    if (f.targetNameUnicode)
        AppendTag(out, 14, UnicodeValue(*f.targetNameUnicode));
    if (f.volumeNameUnicode)
        AppendTag(out, 15, UnicodeValue(*f.volumeNameUnicode));
    if (f.posixPath)
        AppendTag(out, 18, *f.posixPath);
    if (f.volumeMountPath)
        AppendTag(out, 19, *f.volumeMountPath);
    AppendTag(out, 0xFFFF, "");
    if (out.size() > 0xFFFF)
        throw std::invalid_argument("alias record beyond 65535 bytes");
    Put16(out, 4, static_cast<std::uint32_t>(out.size()));
    return out;
}

} // namespace testprefs
