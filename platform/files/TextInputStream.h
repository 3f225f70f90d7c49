#pragma once
// The framework's TextInputStream: a text file read line by line. A line ends
// at "\n", "\r\n" or a lone "\r" (classic Mac files); the end is not returned.

#include "platform/files/NilCheckedHandle.h"
#include "platform/text/String.h"

#include <string>

class TextInputStream {
public:
    TextInputStream() = default;
    TextInputStream(NilType) {}

    // Nil when the file can't be opened, with the reason in error.
    static TextInputStream Open(const std::string& path, std::string& error);

    bool IsNil() const { return state_.IsNil(); }
    friend bool operator==(const TextInputStream& stream, NilType) { return stream.IsNil(); }

    // The next line as UTF-8 text; empty at the end of the file.
    String ReadLine();
    // The rest of the file.
    String ReadAll();
    bool EndOfFile() const;
    void Close();

private:
    struct State;
    NilCheckedHandle<State> state_;
};
