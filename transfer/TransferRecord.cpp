#include "transfer/TransferRecord.h"

#include <algorithm>
#include <string>

#include "common/ItemKinds.h"
#include "platform/threads/Cooperative.h"
#include "transfer/TransferFailures.h"

namespace {

constexpr const char* kMarkName = ".dravo-transfer";
// Far above what a copy of a whole Mac writes: a larger mark is no mark of ours.
constexpr std::size_t kMarkLimit = 16 * 1024 * 1024;
// The key of the line that names the machine; never a sub-folder's name.
constexpr const char* kMachineKey = "Machine";

// A line of the mark is "<sub-folder>/<name>"; a name's line breaks (and the
// escape sign itself) are written as %0A, %0D and %25, so every entry stays
// on its line.
std::string EscapedName(const std::string& name) {
    std::string escaped;
    for (const char c : name) {
        if (c == '%')
            escaped += "%25";
        else if (c == '\n')
            escaped += "%0A";
        else if (c == '\r')
            escaped += "%0D";
        else
            escaped += c;
    }
    return escaped;
}

std::string UnescapedName(const std::string& escaped) {
    std::string name;
    for (std::size_t i = 0; i < escaped.size(); ++i) {
        const std::string code = escaped.substr(i, 3);
        if (code == "%25" || code == "%0A" || code == "%0D") {
            name += code == "%25" ? '%' : code == "%0A" ? '\n' : '\r';
            i += 2;
        } else {
            name += escaped[i];
        }
    }
    return name;
}

bool IsSubFolderName(const String& name) {
    const auto subFolders = TransferSubFolders();
    return std::any_of(subFolders.begin(), subFolders.end(),
                       [&name](const ItemKind* kind) { return name == kind->subFolder; });
}

// What a Mac's Finder leaves in a folder that it opened (the "._" companions
// of the entries never show in a listing).
bool IsFinderFile(const FolderItem& entry) {
    return !entry.Directory() && (entry.Name() == ".DS_Store" || entry.Name() == ".localized");
}

// A stream's last error, empty when it had none, as an outcome.
Outcome StreamOutcome(const String& lastError) {
    return lastError == "" ? Outcome::Success() : Outcome::Failure(lastError);
}

FolderItem MarkOf(const FolderItem& transferFolder) {
    return transferFolder == Nil ? FolderItem() : transferFolder.Child(kMarkName);
}

} // namespace

void TransferRecord::Add(const String& subFolder, const String& name) {
    entries_.emplace_back(subFolder, name);
}

std::vector<String> TransferRecord::NamesIn(const String& subFolder) const {
    std::vector<String> names;
    for (const auto& [folder, name] : entries_)
        if (folder == subFolder)
            names.push_back(name);
    return names;
}

Outcome TransferRecord::Write(const FolderItem& transferFolder) const {
    const FolderItem mark = MarkOf(transferFolder);
    if (mark == Nil)
        return Outcome::Failure(MissingReason(transferFolder));
    TextOutputStream stream = mark.CreateTextFile();
    if (stream == Nil)
        return Outcome::Failure(mark.LastError());
    if (machine_ != "")
        stream.WriteLine(String(kMachineKey) + "/" + String(EscapedName(machine_.ToUTF8())));
    for (const auto& [folder, name] : entries_)
        stream.WriteLine(folder + "/" + String(EscapedName(name.ToUTF8())));
    stream.Close();
    return StreamOutcome(stream.LastError());
}

Outcome TransferRecord::Read(const FolderItem& transferFolder) {
    machine_ = "";
    entries_.clear();
    if (!HasTransferMark(transferFolder))
        return Outcome::Success();
    const FolderItem mark = MarkOf(transferFolder);
    TextInputStream stream = mark.OpenAsTextFile();
    if (stream == Nil)
        return Outcome::Failure(mark.LastError());
    const Outcome read = ReadLines(stream, mark);
    stream.Close();
    if (!read.Succeeded()) {
        // A mark that could not be read to its end records nothing that can be relied on.
        machine_ = "";
        entries_.clear();
    }
    return read;
}

Outcome TransferRecord::ReadLines(TextInputStream& stream, const FolderItem& mark) {
    std::size_t bytesRead = 0;
    while (!stream.EndOfFile()) {
        const std::string line = stream.ReadLine().ToUTF8();
        bytesRead += line.size() + 1;
        if (bytesRead > kMarkLimit)
            return Outcome::Failure("「" + mark.AbsolutePath() +
                                    "」：ファイルが大きすぎるので読めません。");
        const auto slash = line.find('/');
        if (slash != std::string::npos) {
            const String key(line.substr(0, slash));
            const String value(UnescapedName(line.substr(slash + 1)));
            if (key == kMachineKey)
                machine_ = value;
            else
                Add(key, value);
        }
        // A long mark takes a while: the windows go on meanwhile.
        coop::YieldToNextThread();
    }
    return StreamOutcome(stream.LastError());
}

String RecordedMachine(const FolderItem& transferFolder) {
    if (!HasTransferMark(transferFolder))
        return "";
    // The machine comes first: the rest of the mark is not read.
    TextInputStream stream = MarkOf(transferFolder).OpenAsTextFile();
    if (stream == Nil)
        return "";
    const std::string line = stream.ReadLine().ToUTF8();
    const std::string key = std::string(kMachineKey) + "/";
    return line.starts_with(key) ? String(UnescapedName(line.substr(key.size()))) : String("");
}

bool HasTransferMark(const FolderItem& transferFolder) {
    const FolderItem mark = MarkOf(transferFolder);
    return mark != Nil && mark.Exists() && !mark.Directory();
}

bool IsOwnTransferFolder(const FolderItem& folder) {
    if (folder == Nil || !folder.Directory())
        return false;
    if (HasTransferMark(folder))
        return true;
    if (folder.ListingError() != "")
        return false;
    // Unmarked, as an earlier version left it: every sub-folder that a copy
    // makes, or none, and nothing else but what the Finder adds.
    int subFolders = 0;
    for (int i = 1; i <= folder.Count(); ++i) {
        const FolderItem child = folder.Item(i);
        if (child == Nil)
            return false;
        if (child.Directory() && IsSubFolderName(child.Name()))
            ++subFolders;
        else if (!IsFinderFile(child))
            return false;
        coop::YieldToNextThread();
    }
    return subFolders == 0 || subFolders == static_cast<int>(TransferSubFolders().size());
}
