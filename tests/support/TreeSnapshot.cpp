#include "tests/support/TreeSnapshot.h"

#include <algorithm>
#include <filesystem>

#include "platform/files/FolderItem.h"
#include "tests/support/FileFacts.h"

namespace fs = std::filesystem;

namespace {

SnapshotEntry EntryAt(const fs::path& path, const std::string& relative) {
    SnapshotEntry entry;
    entry.path = relative;
    const auto status = fs::symlink_status(path);
    if (fs::is_symlink(status)) {
        entry.kind = 'l';
        entry.data = fs::read_symlink(path).string();
    } else if (fs::is_directory(status)) {
        entry.kind = 'd';
    } else {
        entry.kind = 'f';
        entry.data = ContentsOf(path.string());
    }
    entry.permissions = PermissionsOf(path.string());
    entry.modified = TimesOf(path.string()).modified;
    const FolderItem item = FolderItem::AtPosixPath(path.string());
    entry.typeCreator = (item.MacType() + item.MacCreator()).ToUTF8();
    return entry;
}

} // namespace

void PrintTo(const SnapshotEntry& entry, std::ostream* out) {
    *out << "{" << entry.path << " " << entry.kind << " " << entry.data.size() << " bytes, mode "
         << std::oct << entry.permissions << std::dec << ", modified " << entry.modified << ", "
         << entry.typeCreator << "}";
}

std::vector<SnapshotEntry> SnapshotOf(const std::string& root) {
    std::vector<SnapshotEntry> entries{EntryAt(root, ".")};
    if (fs::is_directory(fs::symlink_status(root))) {
        for (const auto& found : fs::recursive_directory_iterator(root))
            entries.push_back(EntryAt(found.path(), fs::relative(found.path(), root).string()));
    }
    std::sort(entries.begin(), entries.end(),
              [](const SnapshotEntry& a, const SnapshotEntry& b) { return a.path < b.path; });
    return entries;
}

std::vector<std::string> NamesIn(const std::string& folder) {
    std::vector<std::string> names;
    if (!fs::is_directory(folder))
        return names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename());
    std::sort(names.begin(), names.end());
    return names;
}

std::vector<std::string> EntryNamesIn(const std::string& folder) {
    std::vector<std::string> names = NamesIn(folder);
    std::erase_if(names, [](const std::string& name) { return name.starts_with("._"); });
    return names;
}
