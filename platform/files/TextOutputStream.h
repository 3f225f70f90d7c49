#pragma once
// The framework's TextOutputStream: text written to a file as its bytes.

#include "platform/files/NilCheckedHandle.h"
#include "platform/text/String.h"

#include <string>

class TextOutputStream {
public:
    TextOutputStream() = default;
    TextOutputStream(NilType) {}

    // Writes the file anew beside its place; closing the stream puts it in
    // place of what is there, never through a link, once all of it was
    // written (see StreamFile.h). Nil when it can't be made, with the reason
    // in error.
    static TextOutputStream Create(const std::string& path, std::string& error);

    bool IsNil() const { return state_.IsNil(); }
    friend bool operator==(const TextOutputStream& stream, NilType) { return stream.IsNil(); }

    void Write(const String& text);
    // The text and EndOfLine.
    void WriteLine(const String& text);
    // Puts the file in its place, unless a write failed; then, or when that
    // fails, LastError says why and the file there is as it was.
    void Close();

    // Why the last write or close failed; empty when it did not.
    String LastError() const;

private:
    struct State;
    NilCheckedHandle<State> state_;
};
