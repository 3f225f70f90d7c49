#include "platform/files/TextOutputStream.h"

#include "platform/files/FileError.h"
#include "platform/files/StreamFile.h"

#include <cerrno>

struct TextOutputStream::State {
    std::string path;
    std::unique_ptr<files::NewStreamFile> file;
    std::string lastError;

    // The file takes its place only when everything written reached it.
    void Close() {
        if (!file)
            return;
        if (lastError.empty())
            file->Commit(lastError);
        file.reset();
    }
    // A stream let go of is closed, as the framework closes it.
    ~State() { Close(); }
};

TextOutputStream TextOutputStream::Create(const std::string& path, std::string& error) {
    auto file = files::NewStreamFile::Create(path, error);
    if (!file)
        return TextOutputStream();
    auto state = std::make_shared<State>();
    state->path = path;
    state->file = std::move(file);
    TextOutputStream stream;
    stream.state_ = NilCheckedHandle<State>(std::move(state));
    return stream;
}

void TextOutputStream::Write(const String& text) {
    State& state = *state_;
    const std::string& bytes = text.Bytes();
    if (!state.file)
        state.lastError = files::PathError(state.path, "ファイルが閉じられています。");
    else if (std::fwrite(bytes.data(), 1, bytes.size(), state.file->File()) != bytes.size())
        state.lastError = files::SystemError(state.path, errno);
}

void TextOutputStream::WriteLine(const String& text) {
    Write(text);
    Write(EndOfLine());
}

void TextOutputStream::Close() {
    state_->Close();
}

String TextOutputStream::LastError() const {
    return String(state_->lastError);
}
