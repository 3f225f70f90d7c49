#pragma once
// The framework's BinaryStream: bytes of an open file read as Pascal strings,
// 32-bit integers (big-endian, the Mac's order) or counted runs. Reading past
// the end gives what is there, never more: no further than the size the file
// had when it was opened.

#include "platform/files/NilCheckedHandle.h"
#include "platform/text/String.h"

#include <cstdint>
#include <string>

class BinaryStream {
public:
    BinaryStream() = default;
    BinaryStream(NilType) {}

    // Opens an existing file, for reading and also writing when writable; Nil
    // when it can't be opened, with the reason in error.
    static BinaryStream Open(const std::string& path, bool writable, std::string& error);

    bool IsNil() const { return state_.IsNil(); }
    friend bool operator==(const BinaryStream& stream, NilType) { return stream.IsNil(); }

    // Up to count bytes, without an encoding; fewer at the end of the file.
    String Read(int count);
    // A length byte and that many bytes, without an encoding.
    String ReadPString();
    // Bytes missing at the end of the file count as zero.
    std::int32_t ReadLong();

    void Write(const String& data);
    void WriteLong(std::int32_t value);

    bool EndOfFile() const;
    long long Length() const;
    void Close();

    // Why the last read, write or close failed; empty when none did. A read
    // that fails, or would have to wait, leaves nothing more to read.
    String LastError() const;

private:
    struct State;
    NilCheckedHandle<State> state_;
};
