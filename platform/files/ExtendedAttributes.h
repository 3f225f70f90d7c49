#pragma once
// Extended attributes, and the names under which this system's file systems
// keep Finder information. Errors come back as errno values (0 = success).

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace files {

// Attribute names that may hold Finder information, in reading order.
std::span<const char* const> FinderInfoAttributeNames();

// netatalk's AppleDouble blob kept as an attribute.
extern const char* const kNetatalkMetadataAttribute;

// The attribute under which the file system holding the path keeps Finder information.
std::string FinderInfoAttributeFor(const std::string& path);

// True for the errors of a file system that takes no such attributes.
bool IsUnsupportedAttributeError(int errorNumber);

// By path, never following a symbolic link. The list is nullopt when the file
// system would not tell (hfsplus says so with an error when there are none).
std::optional<std::vector<std::string>> ListAttributes(const std::string& path);
std::optional<std::string> ReadAttribute(const std::string& path, const char* name);
int WriteAttribute(const std::string& path, const char* name, std::string_view value);

// On an open file or folder.
std::vector<std::string> ListAttributes(int fd);
std::optional<std::string> ReadAttribute(int fd, const char* name);
int WriteAttribute(int fd, const char* name, std::string_view value);

} // namespace files
