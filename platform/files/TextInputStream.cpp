#include "platform/files/TextInputStream.h"

#include "platform/files/Descriptor.h"
#include "platform/files/FileError.h"
#include "platform/files/StreamFile.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>

namespace {

constexpr std::size_t kChunk = 16 * 1024;

} // namespace

struct TextInputStream::State {
    std::string path;
    files::Descriptor fd{-1};
    // What is left of the size the file had when it was opened.
    long long unread = 0;
    std::string buffer;
    std::size_t next = 0;
    std::string lastError;

    // The next byte, without taking it; EOF at the end of what the file held
    // and once it can't be read.
    int Peek() {
        if (next == buffer.size() && !Fill())
            return EOF;
        return static_cast<unsigned char>(buffer[next]);
    }

    int Get() {
        const int c = Peek();
        if (c != EOF)
            ++next;
        return c;
    }

    bool Fill() {
        if (!fd.IsOpen() || unread <= 0)
            return false;
        buffer.resize(static_cast<std::size_t>(std::min<long long>(unread, kChunk)));
        const long long read = files::ReadUpTo(fd.get(), buffer.data(), buffer.size());
        if (read <= 0) {
            // A file that stops giving its bytes (or would make us wait) is
            // unreadable from there on.
            if (read < 0)
                lastError = files::SystemError(path, errno);
            Close();
            return false;
        }
        buffer.resize(static_cast<std::size_t>(read));
        next = 0;
        unread -= read;
        return true;
    }

    void Close() {
        fd.Reset(-1);
        buffer.clear();
        next = 0;
    }
};

TextInputStream TextInputStream::Open(const std::string& path, std::string& error) {
    auto state = std::make_shared<State>();
    state->fd.Reset(files::OpenStreamFile(path, false, state->unread, error));
    if (!state->fd.IsOpen())
        return TextInputStream();
    state->path = path;
    TextInputStream stream;
    stream.state_ = NilCheckedHandle<State>(std::move(state));
    return stream;
}

String TextInputStream::ReadLine(std::size_t limit) {
    State& state = *state_;
    std::string line;
    for (int c = state.Get(); c != EOF; c = state.Get()) {
        if (c == '\n')
            break;
        if (c == '\r') {
            if (state.Peek() == '\n')
                state.Get();
            break;
        }
        if (line.size() == limit) {
            // No line of a file the program reads is so long: the rest can't be taken for lines.
            state.lastError = files::PathError(state.path, "行が長すぎるので読めません。");
            Close();
            return String("");
        }
        line += static_cast<char>(c);
    }
    // A line cut short by a failed read is no line of the file.
    if (!state.lastError.empty())
        return String("");
    return String(line);
}

bool TextInputStream::EndOfFile() const {
    return state_->Peek() == EOF;
}

void TextInputStream::Close() {
    state_->Close();
}

String TextInputStream::LastError() const {
    return String(state_->lastError);
}
