#pragma once
// Writers of the products' preference files: "pref2" (Solvane, Tessaro),
// every value written as Enigma text, and "pref" (Kelmo), plain bytes with
// big-endian Int32 fields. Layout: a header PString, n, n skipped numbers,
// m, then m entries; entries 17 to 19 are counted bytes (Int32 length and
// bytes), every other entry a PString.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace testprefs {

struct PrefFile {
    std::string header = "DRAVO preferences";
    std::optional<std::int32_t> n; // when unset: the number of skipped values
    std::vector<std::string> skipped = {"1", "22", "333"};
    std::optional<std::int32_t> m; // when unset: the number of entries
    std::vector<std::string> entries =
        std::vector<std::string>(20); // entry 19: the document folder
};

// True for the entries written as counted bytes.
bool IsCountedEntry(std::size_t index);

// The file's bytes. A PString value longer than 255 bytes (after encoding)
// throws std::length_error.
std::string Pref2Bytes(const PrefFile& file);
std::string PrefBytes(const PrefFile& file);

// Writes "pref2" or "pref" into folder, creating the folder when needed.
void WritePref2(const std::filesystem::path& folder, const PrefFile& file);
void WritePref(const std::filesystem::path& folder, const PrefFile& file);

// Writes bytes as the whole content of path.
void WriteBytes(const std::filesystem::path& path, const std::string& bytes);

} // namespace testprefs
