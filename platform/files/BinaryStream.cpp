#include "platform/files/BinaryStream.h"

#include "platform/files/Descriptor.h"
#include "platform/files/FileError.h"
#include "platform/files/StreamFile.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>

struct BinaryStream::State {
    std::string path;
    files::Descriptor fd{-1};
    // Kept here rather than asked of the system on every read.
    long long position = 0;
    long long length = 0;
    std::string lastError;

    std::string ReadBytes(long long count) {
        if (!fd.IsOpen() || count <= 0)
            return {};
        // A count read from a damaged file must not allocate more than the file holds.
        const long long wanted = std::min(count, std::max(length - position, 0LL));
        std::string bytes(static_cast<std::size_t>(wanted), '\0');
        const long long read = files::ReadUpTo(fd.get(), bytes.data(), bytes.size());
        if (read < 0) {
            // A file that stops giving its bytes (or would make us wait) is
            // unreadable from there on.
            lastError = files::SystemError(path, errno);
            fd.Reset(-1);
            return {};
        }
        bytes.resize(static_cast<std::size_t>(read));
        position += read;
        return bytes;
    }

    void WriteBytes(const std::string& bytes) {
        if (!fd.IsOpen()) {
            lastError = files::PathError(path, "ファイルが閉じられています。");
            return;
        }
        for (std::size_t done = 0; done < bytes.size();) {
            const ssize_t written = ::write(fd.get(), bytes.data() + done, bytes.size() - done);
            if (written < 0 && errno == EINTR)
                continue;
            if (written < 0) {
                lastError = files::SystemError(path, errno);
                return;
            }
            done += static_cast<std::size_t>(written);
            position += written;
            length = std::max(length, position);
        }
    }
};

BinaryStream BinaryStream::Open(const std::string& path, bool writable, std::string& error) {
    auto state = std::make_shared<State>();
    state->fd.Reset(files::OpenStreamFile(path, writable, state->length, error));
    if (!state->fd.IsOpen())
        return BinaryStream();
    state->path = path;
    BinaryStream stream;
    stream.state_ = NilCheckedHandle<State>(std::move(state));
    return stream;
}

String BinaryStream::Read(int count) {
    return String::FromBytes(state_->ReadBytes(count));
}

String BinaryStream::ReadPString() {
    const std::string length = state_->ReadBytes(1);
    if (length.empty())
        return String::FromBytes({});
    return String::FromBytes(state_->ReadBytes(static_cast<unsigned char>(length[0])));
}

std::int32_t BinaryStream::ReadLong() {
    std::string bytes = state_->ReadBytes(4);
    bytes.resize(4, '\0');
    std::uint32_t value = 0;
    for (const char byte : bytes)
        value = (value << 8) | static_cast<unsigned char>(byte);
    return static_cast<std::int32_t>(value);
}

void BinaryStream::Write(const String& data) {
    state_->WriteBytes(data.Bytes());
}

void BinaryStream::WriteLong(std::int32_t value) {
    std::string bytes(4, '\0');
    const auto bits = static_cast<std::uint32_t>(value);
    for (int i = 0; i < 4; ++i)
        bytes[static_cast<std::size_t>(i)] = static_cast<char>((bits >> (24 - 8 * i)) & 0xFF);
    state_->WriteBytes(bytes);
}

bool BinaryStream::EndOfFile() const {
    const State& state = *state_;
    return !state.fd.IsOpen() || state.position >= state.length;
}

long long BinaryStream::Length() const {
    return state_->length;
}

void BinaryStream::Close() {
    State& state = *state_;
    if (!state.fd.IsOpen())
        return;
    if (const int error = state.fd.Close())
        state.lastError = files::SystemError(state.path, error);
}

String BinaryStream::LastError() const {
    return String(state_->lastError);
}
