#include "platform/files/TextInputStream.h"

#include "platform/files/StreamFile.h"

struct TextInputStream::State {
    files::FilePointer file;
};

TextInputStream TextInputStream::Open(const std::string& path, std::string& error) {
    auto file = files::OpenStreamFile(path, "rb", error);
    if (!file)
        return TextInputStream();
    TextInputStream stream;
    stream.state_ = NilCheckedHandle<State>(std::make_shared<State>(State{std::move(file)}));
    return stream;
}

String TextInputStream::ReadLine(std::size_t limit) {
    std::FILE* file = state_->file.get();
    std::string line;
    if (!file)
        return String(line);
    for (int c = std::getc(file); c != EOF; c = std::getc(file)) {
        if (c == '\n')
            break;
        if (c == '\r') {
            const int next = std::getc(file);
            if (next != '\n' && next != EOF)
                std::ungetc(next, file);
            break;
        }
        if (line.size() == limit) {
            Close();
            return String("");
        }
        line += static_cast<char>(c);
    }
    return String(line);
}

bool TextInputStream::EndOfFile() const {
    std::FILE* file = state_->file.get();
    if (!file)
        return true;
    const int next = std::getc(file);
    if (next == EOF)
        return true;
    std::ungetc(next, file);
    return false;
}

void TextInputStream::Close() {
    state_->file.reset();
}
