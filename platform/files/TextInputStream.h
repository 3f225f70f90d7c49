#pragma once
// The framework's TextInputStream: a text file read line by line. A line ends
// at "\n", "\r\n" or a lone "\r" (classic Mac files); the end is not returned.
// A line is read up to a limit, so that a file without line ends costs no
// more than that; a longer line makes the file unreadable from there on. The
// stream reads no further than the size the file had when it was opened.

#include "platform/files/NilCheckedHandle.h"
#include "platform/text/String.h"

#include <cstddef>
#include <string>

class TextInputStream {
public:
    TextInputStream() = default;
    TextInputStream(NilType) {}

    // Nil when the file can't be opened, with the reason in error.
    static TextInputStream Open(const std::string& path, std::string& error);

    bool IsNil() const { return state_.IsNil(); }
    friend bool operator==(const TextInputStream& stream, NilType) { return stream.IsNil(); }

    // Longer than any line of a text file the program reads.
    static constexpr std::size_t kLineLimit = 64 * 1024;

    // The next line as UTF-8 text; empty at the end of the file, and for a
    // line of more than limit bytes, after which the stream is at its end.
    String ReadLine(std::size_t limit = kLineLimit);
    bool EndOfFile() const;
    void Close();

    // Why the file could not be read to its end (a read failed, or would
    // have had to wait, or a line was longer than its limit); empty when it
    // could. Nothing more is read then.
    String LastError() const;

private:
    struct State;
    NilCheckedHandle<State> state_;
};
