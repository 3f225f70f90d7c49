#pragma once
// Failure reasons that name the path and say in Japanese what went wrong, so
// that what the user finally reads says which file failed and why.

#include <string>
#include <string_view>

namespace files {

// "「path」：reason" for a failed system call's errno.
std::string SystemError(std::string_view path, int errorNumber);

// "「path」：reason" for a failure the layer itself detects.
std::string PathError(std::string_view path, std::string_view reason);

// The Japanese words for an errno; the system's own text in brackets for
// those without words of their own.
std::string SystemReason(int errorNumber);

} // namespace files
