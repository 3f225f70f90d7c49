#pragma once
// The framework's String: bytes plus an optional encoding label.
//
// Converting (TextConverter) makes new bytes with a new label; declaring
// (DefineEncoding) relabels the same bytes. Source literals are UTF-8.
// Joining two strings whose labels differ brings both to UTF-8 first; a
// string without a label joins byte for byte. Equality is exact: the same
// characters once both sides are in one encoding (no case folding).
//
// A string without a label is read in the other side's encoding when it
// meets a labelled one (joining, comparing, fields), so the labelled side
// gives the result its label; alone it is read as UTF-8. Joining with an
// empty string gives the other side unchanged, label included.

#include <concepts>
#include <cstdint>
#include <string>
#include <string_view>

class TextEncoding;

class String {
public:
    String() = default;
    String(const char* utf8);        // a literal: labelled UTF-8
    String(std::string_view utf8);   // labelled UTF-8
    String(const std::string& utf8); // labelled UTF-8

    // Raw bytes with the given label (nullptr: no label).
    static String FromBytes(std::string bytes, const TextEncoding* encoding = nullptr);

    const std::string& Bytes() const { return bytes_; }
    const TextEncoding* Encoding() const { return encoding_; }
    bool IsEmpty() const { return bytes_.empty(); }

    // The text as UTF-8, decoded through the label; unlabelled bytes are taken as UTF-8.
    std::string ToUTF8() const;

    String& operator+=(const String& other);
    friend String operator+(const String& a, const String& b);
    friend bool operator==(const String& a, const String& b);

private:
    std::string bytes_;
    const TextEncoding* encoding_ = nullptr;
};

// The same bytes, labelled with `encoding` (nothing converted).
String DefineEncoding(const String& text, const TextEncoding* encoding);

// The framework's string functions, with its meaning: fields and characters
// count from 1; the "B" forms count bytes and keep the label. An empty text
// has no fields; a field out of range is "". A start before 1 counts from 1,
// a negative count takes the rest. AscB of "" is 0; ChrB makes one unlabelled byte.
int CountFields(const String& s, const String& separator);
String NthField(const String& s, const String& separator, int n);
double Val(const String& s);
String Str(std::int64_t n);
String Str(double d);
template <std::integral Integer> String Str(Integer n) {
    return Str(static_cast<std::int64_t>(n));
}
int Len(const String& s);
int LenB(const String& s);
String Left(const String& s, int count);
String Mid(const String& s, int start, int count = -1);
String LeftB(const String& s, int count);
String MidB(const String& s, int start, int count = -1);
int AscB(const String& s);
String ChrB(int value);
const String& EndOfLine();
