#pragma once
// Writer of classic alias records (versions 2 and 3) as the products store
// them in entries 17 to 19: the fixed part, then the tagged fields a test
// chooses, then the end tag.

#include <cstdint>
#include <optional>
#include <string>

namespace testprefs {

enum class AliasTargetKind : std::uint16_t { File = 0, Folder = 1 };

struct AliasRecordFields {
    int version = 2; // 2 or 3
    AliasTargetKind kind = AliasTargetKind::Folder;
    std::string volumeName;          // fixed field of version 2, Mac Japanese, at most 27 bytes
    std::uint32_t volumeCreated = 0; // Mac seconds since 1904
    std::string targetName;          // fixed field of version 2, Mac Japanese, at most 63 bytes
    std::uint32_t parentID = 0;
    std::uint32_t targetID = 0;
    std::optional<std::string> parentName;        // tag 0, Mac Japanese
    std::optional<std::string> absolutePath;      // tag 2, "Volume:Folder:Name", Mac Japanese
    std::optional<std::string> targetNameUnicode; // tag 14, given in UTF-8
    std::optional<std::string> volumeNameUnicode; // tag 15, given in UTF-8
    std::optional<std::string> posixPath;         // tag 18, "/Folder/Name" from the volume root
    std::optional<std::string> volumeMountPath;   // tag 19
};

// Every field of a record for the item at relativePath (UTF-8, "/"-separated,
// from the volume root) on the volume named volumeName (UTF-8), as a Mac
// writes it: names in Mac Japanese and in Unicode, the colon path, the POSIX
// path; the fixed fields cut names that are too long for them. The parent ID
// is 2 for an item in the volume's root.
AliasRecordFields AliasFieldsFor(const std::string& volumeName, const std::string& relativePath,
                                 AliasTargetKind kind, int version = 2);

// The record's bytes. Throws std::invalid_argument for a version other than
// 2 or 3, a name too long for its field, or a record beyond 65535 bytes.
std::string AliasRecordBytes(const AliasRecordFields& fields);

} // namespace testprefs
