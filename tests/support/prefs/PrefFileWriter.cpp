#include "tests/support/prefs/PrefFileWriter.h"

#include <fstream>
#include <functional>
#include <stdexcept>

#include "tests/support/prefs/EnigmaEncoder.h"

namespace testprefs {

namespace {

using Transform = std::function<std::string(const std::string&)>;

void AppendInt32(std::string& out, std::int32_t value) {
    const auto u = static_cast<std::uint32_t>(value);
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<char>(u >> shift & 0xFF));
}

void AppendPString(std::string& out, const std::string& value) {
    if (value.size() > 255)
        throw std::length_error("PString longer than 255 bytes");
    out.push_back(static_cast<char>(value.size()));
    out += value;
}

void AppendCounted(std::string& out, const std::string& value) {
    AppendInt32(out, static_cast<std::int32_t>(value.size()));
    out += value;
}

std::int32_t CountOr(const std::optional<std::int32_t>& chosen, std::size_t actual) {
    return chosen.value_or(static_cast<std::int32_t>(actual));
}

// Both files share the layout; they differ in how a value is stored and in
// how the counts n and m are written.
std::string Layout(const PrefFile& file, const Transform& value,
                   const std::function<void(std::string&, std::int32_t)>& appendCount) {
    std::string out;
    AppendPString(out, value(file.header));
    appendCount(out, CountOr(file.n, file.skipped.size()));
    for (const auto& number : file.skipped)
        AppendPString(out, value(number));
    appendCount(out, CountOr(file.m, file.entries.size()));
    for (std::size_t k = 0; k < file.entries.size(); ++k) {
        if (IsCountedEntry(k))
            AppendCounted(out, value(file.entries[k]));
        else
            AppendPString(out, value(file.entries[k]));
    }
    return out;
}

} // namespace

bool IsCountedEntry(std::size_t index) {
    return index >= 17 && index <= 19;
}

std::string Pref2Bytes(const PrefFile& file) {
    const Transform encode = [](const std::string& v) { return EnigmaEncode(v); };
    return Layout(file, encode, [&](std::string& out, std::int32_t count) {
        AppendPString(out, encode(std::to_string(count)));
    });
}

std::string PrefBytes(const PrefFile& file) {
    return Layout(
        file, [](const std::string& v) { return v; }, AppendInt32);
}

void WriteBytes(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream stream(path, std::ios::binary | std::ios::trunc);
    stream.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    stream.close();
    if (!stream)
        throw std::runtime_error("cannot write " + path.string());
}

void WritePref2(const std::filesystem::path& folder, const PrefFile& file) {
    std::filesystem::create_directories(folder);
    WriteBytes(folder / "pref2", Pref2Bytes(file));
}

void WritePref(const std::filesystem::path& folder, const PrefFile& file) {
    std::filesystem::create_directories(folder);
    WriteBytes(folder / "pref", PrefBytes(file));
}

} // namespace testprefs
