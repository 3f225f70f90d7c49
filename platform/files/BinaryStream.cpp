#include "platform/files/BinaryStream.h"

#include "platform/files/FileError.h"
#include "platform/files/StreamFile.h"

#include <algorithm>
#include <cerrno>

struct BinaryStream::State {
    std::string path;
    files::FilePointer file;
    // Kept here rather than asked of the system on every read.
    long long position = 0;
    long long length = 0;
    bool lastWasWrite = false;
    std::string lastError;

    // C streams must be repositioned between reading and writing.
    void TurnTo(bool writing) {
        if (lastWasWrite != writing)
            std::fseek(file.get(), 0, SEEK_CUR);
        lastWasWrite = writing;
    }

    std::string ReadBytes(long long count) {
        if (!file || count <= 0)
            return {};
        TurnTo(false);
        // A count read from a damaged file must not allocate more than the file holds.
        const long long wanted = std::min(count, std::max(length - position, 0LL));
        std::string bytes(static_cast<std::size_t>(wanted), '\0');
        bytes.resize(std::fread(bytes.data(), 1, bytes.size(), file.get()));
        position += static_cast<long long>(bytes.size());
        return bytes;
    }

    void WriteBytes(const std::string& bytes) {
        if (!file) {
            lastError = files::PathError(path, "ファイルが閉じられています。");
            return;
        }
        TurnTo(true);
        const std::size_t written = std::fwrite(bytes.data(), 1, bytes.size(), file.get());
        if (written != bytes.size())
            lastError = files::SystemError(path, errno);
        position += static_cast<long long>(written);
        length = std::max(length, position);
    }
};

BinaryStream BinaryStream::Open(const std::string& path, bool writable, std::string& error) {
    auto file = files::OpenStreamFile(path, writable ? "r+b" : "rb", error);
    if (!file)
        return BinaryStream();
    BinaryStream stream;
    auto state = std::make_shared<State>();
    state->path = path;
    state->length = files::StreamFileLength(file.get());
    state->file = std::move(file);
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
    return !state.file || state.position >= state.length;
}

long long BinaryStream::Length() const {
    return state_->length;
}

void BinaryStream::Close() {
    State& state = *state_;
    if (state.file && std::fclose(state.file.release()) != 0)
        state.lastError = files::SystemError(state.path, errno);
}

String BinaryStream::LastError() const {
    return String(state_->lastError);
}
