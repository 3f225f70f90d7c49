#pragma once
// The classic alias record (versions 2 and 3) as stored in preference files:
// a fixed part, then tagged fields. Only what resolution needs is kept.
// Parsing never reads outside the record: sizes or tags that run past its
// end make the record unreadable.

#include <cstdint>
#include <optional>
#include <span>
#include <string>

enum class AliasKind : std::uint16_t { File = 0, Folder = 1 };

struct AliasRecord {
    int version = 0;
    AliasKind kind = AliasKind::File;
    std::string volumeName;                  // fixed field (version 2), Mac encoding
    std::uint64_t volumeCreated = 0;         // Mac seconds since 1904; 0 when not kept
    std::string targetName;                  // fixed field (version 2), Mac encoding
    std::uint32_t parentID = 0;              // catalogue ID of the folder holding the target
    std::optional<std::string> parentName;   // tag 0, Mac encoding
    std::optional<std::string> absolutePath; // tag 2, "Volume:Folder:Name", Mac encoding
    std::optional<std::u16string> targetNameUnicode; // tag 14
    std::optional<std::u16string> volumeNameUnicode; // tag 15
    std::optional<std::string> posixPath;            // tag 18, relative to the volume root, UTF-8
};

// The record held in bytes (trailing bytes past its stated size are ignored),
// or nothing when the bytes are not a well-formed version 2 or 3 record.
std::optional<AliasRecord> ParseAliasRecord(std::span<const unsigned char> bytes);
