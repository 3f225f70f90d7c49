// Reading the products' preference files: the layout of the three variants,
// the labels each product's entries get, and damaged files giving nothing.
#include "gather/SiblingPrefFile.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <limits>
#include <memory>
#include <ostream>
#include <string>
#include <utility>

#include "platform/files/GetFolderItem.h"
#include "platform/text/TextEncoding.h"
#include "platform/threads/Cooperative.h"
#include "platform/threads/Thread.h"
#include "tests/support/TemporaryFolder.h"
#include "tests/support/gui/GuiTest.h"
#include "tests/support/gui/PassCounter.h"
#include "tests/support/prefs/PrefFileWriter.h"

using Product = SiblingPrefFile::Product;
using testprefs::PrefFile;

namespace {

struct Variant {
    const char* name;
    Product product;
    std::function<std::string(const PrefFile&)> bytes;
    // Bytes that one raw byte of a value takes in the file.
    std::size_t bytesPerValueByte;
};

const Variant kVariants[] = {
    {"Solvane", Product::Solvane, testprefs::Pref2Bytes, 2},
    {"Tessaro", Product::Tessaro, testprefs::Pref2Bytes, 2},
    {"Kelmo", Product::Kelmo, testprefs::PrefBytes, 1},
};

std::string VariantName(const testing::TestParamInfo<Variant>& info) {
    return info.param.name;
}

void PrintTo(const Variant& variant, std::ostream* out) {
    *out << variant.name;
}

// Distinct entries; 17 to 19 with bytes that no Pascal string could hold
// unless padding is short.
PrefFile NumberedEntries(std::size_t count, std::size_t padding = 300) {
    PrefFile file;
    file.entries.clear();
    for (std::size_t k = 0; k < count; ++k)
        file.entries.push_back("entry " + std::to_string(k));
    for (std::size_t k = 17; k <= 19 && k < count; ++k)
        file.entries[k] =
            std::string("\0\x01record ", 9) + std::to_string(k) + std::string(padding, 'x');
    return file;
}

std::vector<std::string> BytesOf(const std::vector<String>& entries) {
    std::vector<std::string> bytes;
    for (const String& entry : entries)
        bytes.push_back(entry.Bytes());
    return bytes;
}

// Puts a big-endian Int32 over the four bytes at offset.
void PatchInt32(std::string& bytes, std::size_t offset, std::uint32_t value) {
    for (int i = 0; i < 4; ++i)
        bytes[offset + static_cast<std::size_t>(i)] = static_cast<char>(value >> (24 - 8 * i));
}

} // namespace

class SiblingPrefFileTest : public testing::TestWithParam<Variant> {
protected:
    SiblingPrefFile File() const { return SiblingPrefFile(GetParam().product); }

    std::optional<std::vector<String>> Read(const std::string& bytes) {
        const std::string path = folder_.Path("prefs");
        testprefs::WriteBytes(path, bytes);
        return File().ReadEntries(GetFolderItem(String(path), 0));
    }
    std::optional<std::vector<String>> Read(const PrefFile& file) {
        return Read(GetParam().bytes(file));
    }

    TemporaryFolder folder_;
};

// Every layout that a product writes reads back its first twenty entries.
TEST_P(SiblingPrefFileTest, ReadsTheFirstTwentyEntriesOfEveryLayout) {
    PrefFile noneSkipped = NumberedEntries(20);
    noneSkipped.skipped.clear();
    PrefFile negativeSkipCount = noneSkipped;
    negativeSkipCount.n = -5;
    const std::pair<const char*, PrefFile> layouts[] = {
        {"twenty entries", NumberedEntries(20)},
        {"entries past the document folder", NumberedEntries(26)},
        {"n = 0", noneSkipped},
        {"n < 0, nothing skipped", negativeSkipCount},
        {"every entry empty", PrefFile{}},
    };
    for (const auto& [layout, file] : layouts) {
        const auto entries = Read(file);
        ASSERT_TRUE(entries) << layout;
        EXPECT_EQ(BytesOf(*entries),
                  std::vector<std::string>(file.entries.begin(), file.entries.begin() + 20))
            << layout;
    }
}

TEST_P(SiblingPrefFileTest, FewerThanTwentyEntriesGiveNothing) {
    EXPECT_FALSE(Read(NumberedEntries(19)));
    EXPECT_FALSE(Read(NumberedEntries(0)));
}

TEST_P(SiblingPrefFileTest, CountsBeyondTheFileGiveNothing) {
    const auto fileSize = static_cast<std::int32_t>(GetParam().bytes(NumberedEntries(20)).size());
    for (const std::int32_t count : {fileSize, std::numeric_limits<std::int32_t>::max()}) {
        PrefFile skipping = NumberedEntries(20);
        skipping.n = count;
        EXPECT_FALSE(Read(skipping)) << "n = " << count;
        PrefFile entries = NumberedEntries(20);
        entries.m = count;
        EXPECT_FALSE(Read(entries)) << "m = " << count;
    }
}

TEST_P(SiblingPrefFileTest, DocumentFolderLengthBeyondTheFileOrNegativeGivesNothing) {
    const PrefFile file = NumberedEntries(20);
    const std::string intact = GetParam().bytes(file);
    const std::size_t lengthOffset =
        intact.size() - file.entries[19].size() * GetParam().bytesPerValueByte - 4;
    for (const std::uint32_t length :
         {0x7FFFFFFFu, 0xFFFFFFFFu, 0x80000000u, static_cast<std::uint32_t>(intact.size())}) {
        std::string damaged = intact;
        PatchInt32(damaged, lengthOffset, length);
        EXPECT_FALSE(Read(damaged)) << "length " << length;
    }
}

// A cut anywhere before the end of entry 19 must never pass part of it off as
// the document folder; a cut after it keeps it whole.
TEST_P(SiblingPrefFileTest, TruncatedFileNeverGivesPartOfTheDocumentFolder) {
    const PrefFile file = NumberedEntries(22, 10);
    const std::string intact = GetParam().bytes(file);
    const std::size_t endOf19 =
        intact.size() -
        (file.entries[20].size() + file.entries[21].size()) * GetParam().bytesPerValueByte - 2;
    for (std::size_t size = 0; size < intact.size(); ++size) {
        const auto entries = Read(intact.substr(0, size));
        if (size < endOf19) {
            EXPECT_TRUE(!entries || (*entries)[19].IsEmpty()) << "cut at " << size;
        } else {
            ASSERT_TRUE(entries) << "cut at " << size;
            EXPECT_EQ((*entries)[19].Bytes(), file.entries[19]) << "cut at " << size;
        }
    }
}

TEST_P(SiblingPrefFileTest, AValidFileLargerThanTheBoundGivesNothing) {
    // Whole entries up to the bound and past it, as a damaged or hostile file may hold.
    const std::string intact = GetParam().bytes(NumberedEntries(22, 10));
    ASSERT_TRUE(Read(intact));
    EXPECT_FALSE(Read(intact + std::string(SiblingPrefFile::kMaxFileBytes, 'x')));
}

TEST_P(SiblingPrefFileTest, MissingOrUnreadableFileGivesNothing) {
    EXPECT_FALSE(File().ReadEntries(GetFolderItem(String(folder_.Path("none")), 0)));
    const std::string folder = folder_.Path("folder");
    std::filesystem::create_directory(folder);
    EXPECT_FALSE(File().ReadEntries(GetFolderItem(String(folder), 0)));
}

INSTANTIATE_TEST_SUITE_P(Products, SiblingPrefFileTest, testing::ValuesIn(kVariants), VariantName);

class SiblingPrefFileLabels : public testing::Test {
protected:
    std::vector<String> Read(Product product, const PrefFile& file) {
        const std::string path = folder_.Path("prefs");
        testprefs::WriteBytes(path, product == Product::Kelmo ? testprefs::PrefBytes(file)
                                                              : testprefs::Pref2Bytes(file));
        auto entries = SiblingPrefFile(product).ReadEntries(GetFolderItem(String(path), 0));
        EXPECT_TRUE(entries);
        return entries.value_or(std::vector<String>(20));
    }

    TemporaryFolder folder_;
};

TEST_F(SiblingPrefFileLabels, SolvaneEntriesAreAllUTF8) {
    PrefFile file;
    file.entries.assign(20, "書類");
    for (const String& entry : Read(Product::Solvane, file)) {
        EXPECT_EQ(entry.Encoding(), Encodings::UTF8());
        EXPECT_EQ(entry.ToUTF8(), "書類");
    }
}

TEST_F(SiblingPrefFileLabels, TessaroFileEntriesKeepNoLabel) {
    PrefFile file;
    file.entries.assign(20, "書類");
    const auto entries = Read(Product::Tessaro, file);
    for (std::size_t k = 0; k < entries.size(); ++k) {
        const bool fileEntry = k >= 17 && k <= 19;
        EXPECT_EQ(entries[k].Encoding(), fileEntry ? nullptr : Encodings::UTF8()) << k;
        EXPECT_EQ(entries[k].Bytes(), "書類") << k;
    }
}

TEST_F(SiblingPrefFileLabels, KelmoEntriesAreShiftJISAndUnconverted) {
    const std::string shiftJIS = Encodings::ShiftJIS()->FromUnicode(u"書類");
    PrefFile file;
    file.entries.assign(20, shiftJIS);
    for (const String& entry : Read(Product::Kelmo, file)) {
        EXPECT_EQ(entry.Encoding(), Encodings::ShiftJIS());
        EXPECT_EQ(entry.Bytes(), shiftJIS);
        EXPECT_EQ(entry.ToUTF8(), "書類");
    }
}

// Kelmo's file decodes nothing, so its reading yields exactly once per
// skipped value and once per entry: a long file keeps the windows alive.
class SiblingPrefFileYields : public GuiTest {
protected:
    TemporaryFolder folder_;
};

TEST_F(SiblingPrefFileYields, OncePerSkippedValueAndPerEntry) {
    PrefFile file;
    file.skipped.assign(7, "1");
    file.entries.assign(23, "x");
    const std::string path = folder_.Path("pref");
    testprefs::WriteBytes(path, testprefs::PrefBytes(file));

    auto counter = std::make_shared<PassCounter>();
    counter->Run();
    ASSERT_TRUE(RunEventLoopUntil([&] { return counter->passes > 0; }));
    const int before = counter->passes;
    EXPECT_TRUE(SiblingPrefFile(Product::Kelmo).ReadEntries(GetFolderItem(String(path), 0)));
    EXPECT_EQ(counter->passes - before, 7 + 23);
    counter->stop = true;
    EXPECT_TRUE(RunEventLoopUntil([&] { return counter->ended; }));
}
