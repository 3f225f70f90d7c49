#include "platform/files/TextOutputStream.h"

#include "platform/files/FileError.h"
#include "platform/files/StreamFile.h"

#include <cerrno>

struct TextOutputStream::State {
    std::string path;
    files::FilePointer file;
    std::string lastError;
};

TextOutputStream TextOutputStream::Create(const std::string& path, std::string& error) {
    auto file = files::CreateStreamFile(path, error);
    if (!file)
        return TextOutputStream();
    TextOutputStream stream;
    stream.state_ =
        NilCheckedHandle<State>(std::make_shared<State>(State{path, std::move(file), {}}));
    return stream;
}

void TextOutputStream::Write(const String& text) {
    State& state = *state_;
    const std::string& bytes = text.Bytes();
    if (!state.file)
        state.lastError = files::PathError(state.path, "ファイルが閉じられています。");
    else if (std::fwrite(bytes.data(), 1, bytes.size(), state.file.get()) != bytes.size())
        state.lastError = files::SystemError(state.path, errno);
}

void TextOutputStream::WriteLine(const String& text) {
    Write(text);
    Write(EndOfLine());
}

void TextOutputStream::Close() {
    State& state = *state_;
    if (state.file && std::fclose(state.file.release()) != 0)
        state.lastError = files::SystemError(state.path, errno);
}

String TextOutputStream::LastError() const {
    return String(state_->lastError);
}
