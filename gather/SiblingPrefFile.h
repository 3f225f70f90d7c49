#pragma once
// The binary preference file that Solvane, Tessaro and Kelmo keep in their
// preference folders, read as far as the gathering needs it: a header, a
// block of n numbers that is skipped, then m entries. Entries 17 to 19 are
// counted bytes (an Int32 length and that many bytes) naming files and
// folders, as alias records or absolute paths; entry 19 is the product's
// document folder. Every other entry is a Pascal string.
//
// Solvane and Tessaro write "pref2", every value as Enigma text and the
// counts n and m as decimal text; Kelmo writes "pref", plain bytes with n
// and m as Int32 in the stream's default (big-endian) order.
//
// A damaged or hostile file gives no entries instead of a crash: reads stop
// at the end of the file, and a count n or m or a length larger than what
// remains of the file, or fewer than 20 entries, end the reading with
// nothing. Reading yields once per skipped value and once per entry, and the
// decoder yields more often, so the windows stay responsive.

#include <cstdint>
#include <optional>
#include <vector>

#include "platform/files/FolderItem.h"
#include "platform/text/String.h"

class SiblingPrefFile {
public:
    enum class Product { Solvane, Tessaro, Kelmo };

    // The entry that names the document folder, the last one kept; a file
    // holds at least this many entries plus one.
    static constexpr std::int32_t kDocumentFolderEntry = 19;
    // The products write a few dozen short values and three alias records, a
    // few kilobytes; a larger file is no preference file of theirs and reads
    // as unreadable, so decoding it can't hold up the gathering.
    static constexpr long long kMaxFileBytes = 1024 * 1024;

    explicit SiblingPrefFile(Product product) : product_(product) {}

    // "pref2" or "pref", in the product's preference folder.
    String FileName() const;

    // Entries 0 to 19 of file, each labelled with the product's encoding:
    // Solvane's all UTF-8, Tessaro's UTF-8 but for the unlabelled 17 to 19,
    // Kelmo's all Shift-JIS. Later entries are read past but not kept, so a
    // file of many tiny entries costs no memory. Nothing when the file can't
    // be opened or read to its end, is no regular file, is larger than
    // kMaxFileBytes or is damaged as described above.
    std::optional<std::vector<String>> ReadEntries(const FolderItem& file) const;

private:
    class Reader;

    bool Encoded() const { return product_ != Product::Kelmo; }
    String ReadValue(Reader& in) const;
    std::int32_t ReadCount(Reader& in) const;
    std::optional<String> ReadEntry(Reader& in, std::int32_t k) const;
    String Labelled(const String& value, std::int32_t k) const;
    std::optional<std::vector<String>> ReadLayout(Reader& in) const;

    Product product_;
};
