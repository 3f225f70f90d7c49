#pragma once
// What tests check on disk beyond what the framework's FolderItem tells:
// times to the nanosecond and permission bits, taken without following a
// symbolic link, and extended attributes.

#include <optional>
#include <string>
#include <string_view>

struct EntryTimes {
    long long accessed = 0; // nanoseconds since 1970
    long long modified = 0;
    bool operator==(const EntryTimes&) const = default;
};

EntryTimes TimesOf(const std::string& path);
void SetTimes(const std::string& path, EntryTimes times);

// Permission bits (07777 of the mode).
unsigned PermissionsOf(const std::string& path);

std::optional<std::string> AttributeOf(const std::string& path, const std::string& name);
void SetAttribute(const std::string& path, const std::string& name, std::string_view value);

// The whole contents of a file; throws when it can't be read.
std::string ContentsOf(const std::string& path);
