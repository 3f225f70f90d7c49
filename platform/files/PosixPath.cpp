#include "platform/files/PosixPath.h"

#include <cstdint>

namespace files {

namespace {
constexpr std::size_t kMaxNameBytes = 255;
}

std::string JoinPath(std::string_view folder, std::string_view name) {
    std::string path(folder);
    if (path.empty() || path.back() != '/')
        path += '/';
    path += name;
    return path;
}

std::string_view BaseName(std::string_view path) {
    if (path == "/")
        return path;
    const auto slash = path.rfind('/');
    return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

std::string_view ParentPath(std::string_view path) {
    const auto slash = path.rfind('/');
    if (slash == std::string_view::npos || slash == 0)
        return "/";
    return path.substr(0, slash);
}

std::vector<std::string> SplitPath(std::string_view path) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (start <= path.size()) {
        auto end = path.find('/', start);
        if (end == std::string_view::npos)
            end = path.size();
        const auto part = path.substr(start, end - start);
        if (!part.empty() && part != ".")
            parts.emplace_back(part);
        start = end + 1;
    }
    return parts;
}

namespace {

// Whether an absolute path is already in the form NormalisedAbsolutePath
// gives, the common case, so that it is taken without being split.
bool IsNormalForm(std::string_view path) {
    if (path == "/")
        return true;
    if (path.back() == '/')
        return false;
    for (std::size_t slash = 0; slash != std::string_view::npos;
         slash = path.find('/', slash + 1)) {
        const std::string_view part = path.substr(slash + 1, path.find('/', slash + 1) - slash - 1);
        if (part.empty() || part == "." || part == "..")
            return false;
    }
    return true;
}

} // namespace

std::optional<std::string> NormalisedAbsolutePath(std::string_view path) {
    if (path.empty() || path.front() != '/' || path.find('\0') != std::string_view::npos)
        return std::nullopt;
    if (IsNormalForm(path))
        return std::string(path);
    std::vector<std::string> kept;
    for (auto& part : SplitPath(path)) {
        if (part != "..")
            kept.push_back(std::move(part));
        else if (!kept.empty())
            kept.pop_back();
    }
    std::string result;
    for (const auto& part : kept)
        result += "/" + part;
    return result.empty() ? std::string("/") : result;
}

bool IsValidEntryName(std::string_view name) {
    return !name.empty() && name != "." && name != ".." && name.size() <= kMaxNameBytes &&
           name.find('/') == std::string_view::npos && name.find('\0') == std::string_view::npos;
}

bool IsValidUTF8(std::string_view bytes) {
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto lead = static_cast<std::uint8_t>(bytes[i]);
        std::size_t length = 0;
        std::uint32_t code = 0;
        if (lead < 0x80) {
            ++i;
            continue;
        } else if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
            code = lead & 0x1F;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            code = lead & 0x0F;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            code = lead & 0x07;
        } else {
            return false;
        }
        if (i + length > bytes.size())
            return false;
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<std::uint8_t>(bytes[i + k]);
            if ((next & 0xC0) != 0x80)
                return false;
            code = (code << 6) | (next & 0x3F);
        }
        const bool overlong = (length == 3 && code < 0x800) || (length == 4 && code < 0x10000);
        const bool surrogate = code >= 0xD800 && code <= 0xDFFF;
        if (overlong || surrogate || code > 0x10FFFF)
            return false;
        i += length;
    }
    return true;
}

} // namespace files
