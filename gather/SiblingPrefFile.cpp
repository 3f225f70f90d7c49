#include "gather/SiblingPrefFile.h"

#include <algorithm>
#include <limits>

#include "common/TextEnco.h"
#include "gather/Enigma.h"
#include "platform/text/TextEncoding.h"
#include "platform/threads/Cooperative.h"

namespace {

const String DecoderKey = "3y";

bool IsCountedEntry(std::int32_t k) {
    return k >= 17 && k <= 19;
}

// A number read from text as an Int32; text beyond its range counts as its
// nearest end rather than wrapping round to a small count.
std::int32_t ToInt32(double value) {
    constexpr double lowest = std::numeric_limits<std::int32_t>::min();
    constexpr double highest = std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(std::clamp(value, lowest, highest));
}

} // namespace

// The stream with the count of bytes it has left, so that counts read from
// the file can be checked against what the file still holds.
class SiblingPrefFile::Reader {
public:
    explicit Reader(BinaryStream stream) : stream_(stream), remaining_(stream.Length()) {}

    long long Remaining() const { return remaining_; }

    String ReadPString() {
        const bool hasLengthByte = remaining_ > 0;
        const String value = stream_.ReadPString();
        Consumed((hasLengthByte ? 1 : 0) + LenB(value));
        return value;
    }

    std::int32_t ReadLong() {
        Consumed(std::min(remaining_, 4LL));
        return stream_.ReadLong();
    }

    String Read(std::int32_t count) {
        const String value = stream_.Read(count);
        Consumed(LenB(value));
        return value;
    }

    void Close() { stream_.Close(); }

private:
    void Consumed(long long count) { remaining_ = std::max(remaining_ - count, 0LL); }

    BinaryStream stream_;
    long long remaining_;
};

String SiblingPrefFile::FileName() const {
    return Encoded() ? "pref2" : "pref";
}

std::optional<std::vector<String>> SiblingPrefFile::ReadEntries(const FolderItem& file) const {
    BinaryStream stream = file.OpenAsBinaryFile(false);
    if (stream == Nil)
        return std::nullopt;
    if (stream.Length() > kMaxFileBytes) {
        stream.Close();
        return std::nullopt;
    }
    Reader in(stream);
    auto entries = ReadLayout(in);
    // A file that stopped giving its bytes is unreadable, whatever was read of it.
    if (stream.LastError() != "")
        entries.reset();
    in.Close();
    return entries;
}

std::optional<std::vector<String>> SiblingPrefFile::ReadLayout(Reader& in) const {
    ReadValue(in); // the header

    // Every skipped value and every entry takes at least one byte, so a count
    // beyond what remains comes from a damaged file.
    const std::int32_t n = ReadCount(in);
    if (n > in.Remaining())
        return std::nullopt;
    for (std::int32_t i = 0; i < n; ++i) {
        ReadValue(in);
        coop::YieldToNextThread();
    }

    const std::int32_t m = ReadCount(in);
    if (m <= kDocumentFolderEntry || m > in.Remaining())
        return std::nullopt;
    std::vector<String> entries(kDocumentFolderEntry + 1);
    for (std::int32_t k = 0; k < m; ++k) {
        auto value = ReadEntry(in, k);
        if (!value)
            return std::nullopt;
        if (k <= kDocumentFolderEntry)
            entries[static_cast<std::size_t>(k)] = Labelled(*value, k);
        coop::YieldToNextThread();
    }
    return entries;
}

String SiblingPrefFile::ReadValue(Reader& in) const {
    const String value = in.ReadPString();
    return Encoded() ? Enigma::Decode(value, DecoderKey) : value;
}

std::int32_t SiblingPrefFile::ReadCount(Reader& in) const {
    return Encoded() ? ToInt32(Val(ReadValue(in))) : in.ReadLong();
}

std::optional<String> SiblingPrefFile::ReadEntry(Reader& in, std::int32_t k) const {
    if (!IsCountedEntry(k))
        return ReadValue(in);
    const std::int32_t length = in.ReadLong();
    if (length < 0 || length > in.Remaining())
        return std::nullopt;
    const String bytes = in.Read(length);
    return Encoded() ? Enigma::Decode(bytes, DecoderKey) : bytes;
}

String SiblingPrefFile::Labelled(const String& value, std::int32_t k) const {
    switch (product_) {
    case Product::Solvane:
        return TextEnco::gEncDefUTF8(value);
    case Product::Tessaro:
        return IsCountedEntry(k) ? value : TextEnco::gEncDefUTF8(value);
    case Product::Kelmo:
        return DefineEncoding(value, Encodings::ShiftJIS());
    }
    return value;
}
