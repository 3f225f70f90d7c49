#pragma once
// The framework's TextOutputStream: text written to a file as its bytes.

#include "platform/files/NilCheckedHandle.h"
#include "platform/text/String.h"

#include <string>

class TextOutputStream {
public:
    TextOutputStream() = default;
    TextOutputStream(NilType) {}

    // Creates the file anew in place of what is there, never through a link;
    // Nil when that fails, with the reason in error.
    static TextOutputStream Create(const std::string& path, std::string& error);

    bool IsNil() const { return state_.IsNil(); }
    friend bool operator==(const TextOutputStream& stream, NilType) { return stream.IsNil(); }

    void Write(const String& text);
    // The text and EndOfLine.
    void WriteLine(const String& text);
    void Close();

    // Why the last write or close failed; empty when it did not.
    String LastError() const;

private:
    struct State;
    NilCheckedHandle<State> state_;
};
