#include "platform/alias/AliasRecord.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/prefs/AliasRecordWriter.h"

using testprefs::AliasFieldsFor;
using testprefs::AliasRecordBytes;
using testprefs::AliasRecordFields;
using testprefs::AliasTargetKind;

namespace {

std::optional<AliasRecord> Parse(const std::string& bytes) {
    // An exact-size copy, so that a read past the end is a read past the buffer.
    const std::vector<unsigned char> exact(bytes.begin(), bytes.end());
    return ParseAliasRecord(exact);
}

void Put16(std::string& bytes, std::size_t at, unsigned value) {
    bytes[at] = static_cast<char>(value >> 8);
    bytes[at + 1] = static_cast<char>(value & 0xFF);
}

// Offset of the first tag of a record.
std::size_t TagsStart(int version) {
    return version == 2 ? 150 : 58;
}

// "書類" in Mac Japanese.
const std::string ShoruiMac = "\x8F\x91\x97\xDE";

} // namespace

class AliasRecordVersion : public testing::TestWithParam<int> {
protected:
    AliasRecordFields Fields() const {
        return AliasFieldsFor("Macintosh HD", "Users/taro/書類", AliasTargetKind::Folder,
                              GetParam());
    }
};

TEST_P(AliasRecordVersion, ReadsWhatAMacWrites) {
    const auto record = Parse(AliasRecordBytes(Fields()));
    ASSERT_TRUE(record);
    EXPECT_EQ(record->version, GetParam());
    EXPECT_EQ(record->kind, AliasKind::Folder);
    EXPECT_EQ(record->parentName, "taro");
    EXPECT_EQ(record->absolutePath, "Macintosh HD:Users:taro:" + ShoruiMac);
    EXPECT_EQ(record->targetNameUnicode, u"書類");
    EXPECT_EQ(record->volumeNameUnicode, u"Macintosh HD");
    EXPECT_EQ(record->posixPath, "/Users/taro/書類");
    EXPECT_EQ(record->parentID, Fields().parentID);
    if (GetParam() == 2) {
        EXPECT_EQ(record->volumeName, "Macintosh HD");
        EXPECT_EQ(record->targetName, ShoruiMac);
    } else {
        EXPECT_EQ(record->volumeName, "");
        EXPECT_EQ(record->targetName, "");
    }
}

TEST_P(AliasRecordVersion, ReadsAFileRecordWithoutTags) {
    AliasRecordFields fields;
    fields.version = GetParam();
    fields.kind = AliasTargetKind::File;
    const auto record = Parse(AliasRecordBytes(fields));
    ASSERT_TRUE(record);
    EXPECT_EQ(record->kind, AliasKind::File);
    EXPECT_FALSE(record->absolutePath);
    EXPECT_FALSE(record->posixPath);
}

TEST_P(AliasRecordVersion, EveryTruncationIsRefused) {
    const std::string bytes = AliasRecordBytes(Fields());
    for (std::size_t length = 0; length < bytes.size(); ++length)
        EXPECT_FALSE(Parse(bytes.substr(0, length))) << "cut at " << length;
}

TEST_P(AliasRecordVersion, CutAtTheStatedSizeIsRefusedUnlessAtATagBoundary) {
    // The size field agrees with the cut: what remains is read only when no
    // tag crosses the new end.
    const std::string bytes = AliasRecordBytes(Fields());
    for (std::size_t length = 0; length < bytes.size(); ++length) {
        std::string cut = bytes.substr(0, length);
        if (length >= 6)
            Put16(cut, 4, static_cast<unsigned>(length));
        const auto record = Parse(cut);
        if (record) {
            EXPECT_GE(length, TagsStart(GetParam())) << "cut at " << length;
        }
    }
    std::string fixedOnly = bytes.substr(0, TagsStart(GetParam()));
    Put16(fixedOnly, 4, static_cast<unsigned>(fixedOnly.size()));
    EXPECT_TRUE(Parse(fixedOnly));
}

TEST_P(AliasRecordVersion, TagLongerThanTheRecordIsRefused) {
    std::string bytes = AliasRecordBytes(Fields());
    Put16(bytes, TagsStart(GetParam()) + 2, 0xFFFF); // the first tag's length
    EXPECT_FALSE(Parse(bytes));
}

TEST_P(AliasRecordVersion, BytesAfterTheRecordAreIgnored) {
    const std::string bytes = AliasRecordBytes(Fields());
    const auto record = Parse(bytes + std::string(40, '\xEE'));
    ASSERT_TRUE(record);
    EXPECT_EQ(record->posixPath, "/Users/taro/書類");
}

INSTANTIATE_TEST_SUITE_P(Versions, AliasRecordVersion, testing::Values(2, 3));

// A well-formed record with one detail spoiled.
struct SpoiledCase {
    const char* name;
    void (*spoil)(std::string& bytes);
};

void PrintTo(const SpoiledCase& value, std::ostream* out) {
    *out << value.name;
}

class SpoiledAliasRecord : public testing::TestWithParam<SpoiledCase> {};

TEST_P(SpoiledAliasRecord, IsRefused) {
    std::string bytes =
        AliasRecordBytes(AliasFieldsFor("Data", "Projects/a", AliasTargetKind::Folder));
    GetParam().spoil(bytes);
    EXPECT_FALSE(Parse(bytes));
}

INSTANTIATE_TEST_SUITE_P(
    Details, SpoiledAliasRecord,
    testing::Values(
        SpoiledCase{"SizeBeyondTheBytes",
                    [](std::string& b) { Put16(b, 4, static_cast<unsigned>(b.size() + 1)); }},
        SpoiledCase{"SizeBelowTheFixedPart", [](std::string& b) { Put16(b, 4, 149); }},
        SpoiledCase{"VersionOne", [](std::string& b) { Put16(b, 6, 1); }},
        SpoiledCase{"VersionFour", [](std::string& b) { Put16(b, 6, 4); }},
        SpoiledCase{"UnknownKind", [](std::string& b) { Put16(b, 8, 7); }},
        SpoiledCase{"VolumeNameLongerThanItsField", [](std::string& b) { b[10] = 28; }},
        SpoiledCase{"TargetNameLongerThanItsField", [](std::string& b) { b[50] = 64; }},
        SpoiledCase{"TagHeaderCutByTheEnd",
                    [](std::string& b) {
                        b.resize(b.size() - 2); // half of the end tag
                        Put16(b, 4, static_cast<unsigned>(b.size()));
                    }},
        SpoiledCase{"UnicodeCountBeyondItsTag",
                    [](std::string& b) {
                        // The first tag is the parent name "Projects" (8 bytes);
                        // the next is the colon path, then the Unicode target name.
                        const std::size_t path = 150 + 4 + 8;
                        const std::size_t pathLength = static_cast<unsigned char>(b[path + 3]);
                        const std::size_t unicode = path + 4 + pathLength + (pathLength & 1);
                        ASSERT_EQ(b[unicode + 1], 14);
                        Put16(b, unicode + 4, 200);
                    }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(AliasRecordTags, StrayNulsLeaveTheColonPath) {
    AliasRecordFields fields;
    fields.absolutePath = std::string("Data:Projects\0:a\0", 17);
    const auto record = Parse(AliasRecordBytes(fields));
    ASSERT_TRUE(record);
    EXPECT_EQ(record->absolutePath, "Data:Projects:a");
}

TEST(AliasRecordTags, UnknownTagsAndOddLengthsAreStepped) {
    std::string bytes = AliasRecordBytes(AliasRecordFields{});
    bytes.resize(150);
    // Tag 1 (ancestor IDs), then an odd-length tag 9 with its pad byte, then tag 18.
    bytes += std::string("\x00\x01\x00\x08"
                         "\x00\x00\x00\x10\x00\x00\x00\x02",
                         12);
    bytes += std::string("\x00\x09\x00\x03"
                         "abc\x00",
                         8);
    bytes += std::string("\x00\x12\x00\x02"
                         "/x",
                         6);
    bytes += std::string("\xFF\xFF\x00\x00", 4);
    Put16(bytes, 4, static_cast<unsigned>(bytes.size()));
    const auto record = Parse(bytes);
    ASSERT_TRUE(record);
    EXPECT_EQ(record->posixPath, "/x");
}

TEST(AliasRecordTags, ListEndingWithTheRecordNeedsNoEndTag) {
    std::string bytes = AliasRecordBytes(AliasRecordFields{});
    bytes.resize(150);
    bytes += std::string("\x00\x12\x00\x03"
                         "/ab",
                         7); // odd length, no pad, no end tag
    Put16(bytes, 4, static_cast<unsigned>(bytes.size()));
    const auto record = Parse(bytes);
    ASSERT_TRUE(record);
    EXPECT_EQ(record->posixPath, "/ab");
}
