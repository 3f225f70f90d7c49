#include "platform/files/FileError.h"

#include <system_error>

namespace files {

std::string SystemError(std::string_view path, int errorNumber) {
    return PathError(path, std::generic_category().message(errorNumber));
}

std::string PathError(std::string_view path, std::string_view reason) {
    std::string text(path);
    text += ": ";
    text += reason;
    return text;
}

} // namespace files
