#include "platform/text/String.h"

#include "platform/text/TextEncoding.h"
#include "platform/text/Utf16.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <string_view>

namespace {

bool IsUTF8(const TextEncoding* encoding) {
    return encoding == nullptr || encoding == Encodings::UTF8();
}

// The encoding `s` is read in next to `other`: its own label, else the other's.
const TextEncoding* ReadingOf(const String& s, const String& other) {
    return s.Encoding() != nullptr ? s.Encoding() : other.Encoding();
}

std::string DecodeToUTF8(const std::string& bytes, const TextEncoding* encoding) {
    if (IsUTF8(encoding))
        return bytes;
    return Encodings::UTF8()->FromUnicode(encoding->ToUnicode(bytes));
}

// The bytes read as UTF-8 without a copy when they are UTF-8 already; else
// decoded into `storage`.
std::string_view ViewAsUTF8(const std::string& bytes, const TextEncoding* encoding,
                            std::string& storage) {
    if (IsUTF8(encoding))
        return bytes;
    storage = DecodeToUTF8(bytes, encoding);
    return storage;
}

std::string EncodeFromUTF8(std::string_view utf8, const TextEncoding* encoding) {
    if (IsUTF8(encoding))
        return std::string(utf8);
    return encoding->FromUnicode(Encodings::UTF8()->ToUnicode(utf8));
}

// The fields of a text split at each separator: none in an empty text, the
// whole text with an empty separator. Walked in place, as names are split on
// every turn of the scan.
std::size_t FieldCount(std::string_view text, std::string_view separator) {
    if (text.empty())
        return 0;
    if (separator.empty())
        return 1;
    std::size_t count = 1;
    for (std::size_t at = text.find(separator); at != std::string_view::npos;
         at = text.find(separator, at + separator.size()))
        ++count;
    return count;
}

// Field n, counted from 1; nullopt when there is none.
std::optional<std::string_view> FieldAt(std::string_view text, std::string_view separator, int n) {
    if (text.empty() || n < 1)
        return std::nullopt;
    if (separator.empty())
        return n == 1 ? std::optional(text) : std::nullopt;
    for (int i = 1;; ++i) {
        const std::size_t at = text.find(separator);
        if (i == n)
            return text.substr(0, at);
        if (at == std::string_view::npos)
            return std::nullopt;
        text.remove_prefix(at + separator.size());
    }
}

bool IsUTF8ContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// The byte where UTF-8 character number `index` (from 0) begins, or the size when there are fewer.
std::size_t UTF8CharacterOffset(std::string_view text, std::size_t index) {
    std::size_t characters = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (!IsUTF8ContinuationByte(text[i]) && characters++ == index)
            return i;
    }
    return text.size();
}

// The code unit where code point number `index` (from 0) begins, or the size when there are fewer.
std::size_t UTF16CharacterOffset(std::u16string_view text, std::size_t index) {
    std::size_t at = 0;
    for (std::size_t characters = 0; at < text.size() && characters < index; ++characters) {
        at += CodePointUnits(text, at);
    }
    return at;
}

// Characters [first, first + count) of `s`; count < 0 takes the rest.
String Characters(const String& s, std::size_t first, int count) {
    const std::size_t end = count < 0 ? std::string::npos : first + static_cast<std::size_t>(count);
    if (IsUTF8(s.Encoding())) {
        const std::size_t from = UTF8CharacterOffset(s.Bytes(), first);
        const std::size_t to = std::max(from, UTF8CharacterOffset(s.Bytes(), end));
        return String::FromBytes(s.Bytes().substr(from, to - from), s.Encoding());
    }
    const std::u16string text = s.Encoding()->ToUnicode(s.Bytes());
    const std::size_t from = UTF16CharacterOffset(text, first);
    const std::size_t to = std::max(from, UTF16CharacterOffset(text, end));
    return String::FromBytes(
        s.Encoding()->FromUnicode(std::u16string_view(text).substr(from, to - from)), s.Encoding());
}

std::size_t StartIndex(int start) {
    return start < 1 ? 0 : static_cast<std::size_t>(start - 1);
}

} // namespace

String::String(const char* utf8) : String(std::string_view(utf8 != nullptr ? utf8 : "")) {}

String::String(std::string_view utf8) : bytes_(utf8), encoding_(Encodings::UTF8()) {}

String::String(const std::string& utf8) : String(std::string_view(utf8)) {}

String String::FromBytes(std::string bytes, const TextEncoding* encoding) {
    String s;
    s.bytes_ = std::move(bytes);
    s.encoding_ = encoding;
    return s;
}

std::string String::ToUTF8() const {
    return DecodeToUTF8(bytes_, encoding_);
}

String& String::operator+=(const String& other) {
    if (other.IsEmpty())
        return *this;
    if (IsEmpty())
        return *this = other;
    if (encoding_ == other.encoding_ || other.encoding_ == nullptr) {
        bytes_ += other.bytes_;
    } else if (encoding_ == nullptr) {
        bytes_ += other.bytes_;
        encoding_ = other.encoding_;
    } else {
        std::string joined = ToUTF8() + other.ToUTF8();
        bytes_ = std::move(joined);
        encoding_ = Encodings::UTF8();
    }
    return *this;
}

String operator+(const String& a, const String& b) {
    String joined = a;
    joined += b;
    return joined;
}

bool operator==(const String& a, const String& b) {
    if (a.encoding_ == b.encoding_ || a.encoding_ == nullptr || b.encoding_ == nullptr) {
        return a.bytes_ == b.bytes_;
    }
    return a.ToUTF8() == b.ToUTF8();
}

String DefineEncoding(const String& text, const TextEncoding* encoding) {
    return String::FromBytes(text.Bytes(), encoding);
}

int CountFields(const String& s, const String& separator) {
    std::string text;
    std::string separatorText;
    return static_cast<int>(
        FieldCount(ViewAsUTF8(s.Bytes(), ReadingOf(s, separator), text),
                   ViewAsUTF8(separator.Bytes(), ReadingOf(separator, s), separatorText)));
}

String NthField(const String& s, const String& separator, int n) {
    const TextEncoding* reading = ReadingOf(s, separator);
    std::string text;
    std::string separatorText;
    const auto field =
        FieldAt(ViewAsUTF8(s.Bytes(), reading, text),
                ViewAsUTF8(separator.Bytes(), ReadingOf(separator, s), separatorText), n);
    if (!field)
        return String::FromBytes("", s.Encoding());
    return String::FromBytes(EncodeFromUTF8(*field, reading), s.Encoding());
}

double Val(const String& s) {
    const std::string text = s.ToUTF8();
    std::string_view rest = text;
    while (!rest.empty() && (rest.front() == ' ' || rest.front() == '\t'))
        rest.remove_prefix(1);
    bool negative = false;
    if (!rest.empty() && (rest.front() == '+' || rest.front() == '-')) {
        negative = rest.front() == '-';
        rest.remove_prefix(1);
    }
    // Only digits or a decimal point start a number ("inf" and "nan" are words here).
    const bool startsNumber =
        !rest.empty() && ((rest.front() >= '0' && rest.front() <= '9') || rest.front() == '.');
    double value = 0;
    if (startsNumber)
        std::from_chars(rest.data(), rest.data() + rest.size(), value);
    return negative ? -value : value;
}

String Str(std::int64_t n) {
    return String(std::to_string(n));
}

String Str(double d) {
    char digits[32];
    const auto result =
        std::to_chars(digits, digits + sizeof digits, d, std::chars_format::general, 7);
    return String(std::string_view(digits, static_cast<std::size_t>(result.ptr - digits)));
}

int Len(const String& s) {
    if (IsUTF8(s.Encoding())) {
        return static_cast<int>(std::count_if(s.Bytes().begin(), s.Bytes().end(),
                                              [](char c) { return !IsUTF8ContinuationByte(c); }));
    }
    const std::u16string text = s.Encoding()->ToUnicode(s.Bytes());
    int characters = 0;
    for (std::size_t at = 0; at < text.size(); at += CodePointUnits(text, at))
        ++characters;
    return characters;
}

int LenB(const String& s) {
    return static_cast<int>(s.Bytes().size());
}

String Left(const String& s, int count) {
    return Characters(s, 0, std::max(count, 0));
}

String Mid(const String& s, int start, int count) {
    return Characters(s, StartIndex(start), count);
}

String LeftB(const String& s, int count) {
    return String::FromBytes(s.Bytes().substr(0, static_cast<std::size_t>(std::max(count, 0))),
                             s.Encoding());
}

String MidB(const String& s, int start, int count) {
    const std::size_t from = std::min(StartIndex(start), s.Bytes().size());
    const std::size_t length = count < 0 ? std::string::npos : static_cast<std::size_t>(count);
    return String::FromBytes(s.Bytes().substr(from, length), s.Encoding());
}

int AscB(const String& s) {
    return s.IsEmpty() ? 0 : static_cast<unsigned char>(s.Bytes().front());
}

String ChrB(int value) {
    return String::FromBytes(std::string(1, static_cast<char>(value & 0xFF)));
}

const String& EndOfLine() {
    static const String endOfLine("\n");
    return endOfLine;
}
