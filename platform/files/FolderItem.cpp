#include "platform/files/FolderItem.h"

#include "platform/files/Descriptor.h"
#include "platform/files/EntryFacts.h"
#include "platform/files/FileError.h"
#include "platform/files/FolderListing.h"
#include "platform/files/PosixPath.h"
#include "platform/files/TreeCopy.h"
#include "platform/files/TreeRemoval.h"
#include "platform/threads/Cooperative.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <optional>

struct FolderItem::State {
    std::string path;
    std::string lastError;
    // The path as text, made on first use: stored items are asked it again
    // and again (the item store's search).
    std::optional<String> pathText;

    bool Succeeded() {
        lastError.clear();
        return true;
    }
    bool Failed(std::string reason) {
        lastError = std::move(reason);
        return false;
    }
};

namespace {

// The root's name is the start-up disk's, as on a Mac.
constexpr std::string_view kRootName = "Macintosh HD";

// Names and paths that are UTF-8 say so; other bytes come through unlabelled.
String PathText(std::string_view bytes) {
    return files::IsValidUTF8(bytes) ? String(bytes) : String::FromBytes(std::string(bytes));
}

bool IsFolder(const std::string& path) {
    return files::EntryFacts::Of(path).Kind() == files::EntryKind::Folder;
}

// A "/" inside a Mac name is stored as ":" on a POSIX disk.
std::string PosixEntryName(const String& macName) {
    std::string name = macName.ToUTF8();
    std::replace(name.begin(), name.end(), '/', ':');
    return name;
}

// Why a path names no folder whose entries could be reached.
std::string NotAFolderError(const std::string& path) {
    struct stat info {};
    if (lstat(path.c_str(), &info) != 0)
        return files::SystemError(path, errno);
    return files::SystemError(path, S_ISLNK(info.st_mode) ? ELOOP : ENOTDIR);
}

// The stream, the reason kept when there is none.
template <class Stream, class Open> Stream OpenStream(std::string& lastError, Open open) {
    std::string error;
    Stream stream = open(error);
    lastError = stream == Nil ? std::move(error) : std::string();
    return stream;
}

String FourCharacterCode(const std::string& code) {
    if (std::all_of(code.begin(), code.end(), [](char c) { return c == '\0'; }))
        return String("");
    return PathText(code);
}

} // namespace

FolderItem FolderItem::AtPosixPath(std::string path) {
    // One text per item: "/a/b/" and "/a//b" are "/a/b".
    if (auto normalised = files::NormalisedAbsolutePath(path))
        path = std::move(*normalised);
    FolderItem item;
    item.state_ = NilCheckedHandle<State>(std::make_shared<State>(State{std::move(path), {}, {}}));
    return item;
}

FolderItem FolderItem::Child(const String& name) const {
    State& state = *state_;
    const std::string entry = PosixEntryName(name);
    if (!files::IsValidEntryName(entry))
        return FolderItem();
    auto path = files::ResolveChildPath(state.path, entry);
    if (!path) {
        state.Failed(NotAFolderError(state.path));
        return FolderItem();
    }
    return AtPosixPath(std::move(*path));
}

FolderItem FolderItem::Item(int index) const {
    const State& state = *state_;
    const auto listing = files::FolderListing::Of(state.path);
    const auto& entries = listing->Entries();
    if (index < 1 || static_cast<std::size_t>(index) > entries.size())
        return FolderItem();
    return AtPosixPath(
        files::JoinPath(state.path, entries[static_cast<std::size_t>(index) - 1].name));
}

int FolderItem::Count() const {
    return static_cast<int>(files::FolderListing::Of(state_->path)->Entries().size());
}

String FolderItem::ListingError() const {
    const State& state = *state_;
    const int error = files::FolderListing::Of(state.path)->ErrorNumber();
    return error == 0 ? String("") : PathText(files::SystemError(state.path, error));
}

bool FolderItem::Exists() const {
    const State& state = *state_;
    return files::IsValidUTF8(files::BaseName(state.path)) &&
           files::EntryFacts::Of(state.path).Kind() != files::EntryKind::Missing;
}

bool FolderItem::Directory() const {
    return IsFolder(state_->path);
}

bool FolderItem::Visible() const {
    const State& state = *state_;
    if (files::BaseName(state.path).starts_with("."))
        return false;
    const auto info = files::EntryFacts::Of(state.path).FinderInformation();
    return !info || (info->Flags() & files::FinderInfo::kInvisible) == 0;
}

String FolderItem::Name() const {
    const State& state = *state_;
    return state.path == "/" ? String(kRootName) : PathText(files::BaseName(state.path));
}

String FolderItem::AbsolutePath() const {
    State& state = *state_;
    if (!state.pathText)
        state.pathText = PathText(state.path);
    return *state.pathText;
}

String FolderItem::MacType() const {
    const auto facts = files::EntryFacts::Of(state_->path);
    if (facts.Kind() == files::EntryKind::Folder)
        return String("fold");
    const auto info = facts.FinderInformation();
    return info ? FourCharacterCode(info->Type()) : String("");
}

String FolderItem::MacCreator() const {
    const auto facts = files::EntryFacts::Of(state_->path);
    if (facts.Kind() == files::EntryKind::Folder)
        return String("MACS");
    const auto info = facts.FinderInformation();
    return info ? FourCharacterCode(info->Creator()) : String("");
}

bool FolderItem::CopyFileTo(const FolderItem& destinationFolder) const {
    State& state = *state_;
    const State& destination = *destinationFolder.state_;
    std::string error;
    if (!files::CopyIntoFolder(state.path, destination.path, error))
        return state.Failed(std::move(error));
    return state.Succeeded();
}

bool FolderItem::Delete() const {
    State& state = *state_;
    std::string error;
    if (!files::RemoveEntry(state.path, error))
        return state.Failed(std::move(error));
    return state.Succeeded();
}

bool FolderItem::DeleteTree() const {
    State& state = *state_;
    const std::string folderPath(files::ParentPath(state.path));
    const files::Descriptor folder(open(folderPath.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!folder.IsOpen())
        return state.Failed(files::SystemError(folderPath, errno));
    std::string error;
    const bool removed =
        files::RemoveTree(folder.get(), folderPath, std::string(files::BaseName(state.path)), error,
                          coop::YieldToNextThread);
    files::FolderListing::Forget(folderPath);
    return removed ? state.Succeeded() : state.Failed(std::move(error));
}

bool FolderItem::SetPermissions(int permissions) const {
    State& state = *state_;
    struct stat info {};
    if (lstat(state.path.c_str(), &info) != 0)
        return state.Failed(files::SystemError(state.path, errno));
    if (S_ISLNK(info.st_mode))
        return state.Failed(files::SystemError(state.path, ELOOP));
    if (chmod(state.path.c_str(), static_cast<mode_t>(permissions & 07777)) != 0)
        return state.Failed(files::SystemError(state.path, errno));
    return state.Succeeded();
}

bool FolderItem::CreateAsFolder() const {
    State& state = *state_;
    if (mkdir(state.path.c_str(), 0777) != 0) {
        const int failure = errno;
        if (!(failure == EEXIST && IsFolder(state.path)))
            return state.Failed(files::SystemError(state.path, failure));
    }
    files::FolderListing::Forget(std::string(files::ParentPath(state.path)));
    return state.Succeeded();
}

TextOutputStream FolderItem::CreateTextFile() const {
    State& state = *state_;
    auto stream = OpenStream<TextOutputStream>(state.lastError, [&](std::string& error) {
        return TextOutputStream::Create(state.path, error);
    });
    files::FolderListing::Forget(std::string(files::ParentPath(state.path)));
    return stream;
}

TextInputStream FolderItem::OpenAsTextFile() const {
    State& state = *state_;
    return OpenStream<TextInputStream>(state.lastError, [&](std::string& error) {
        return TextInputStream::Open(state.path, error);
    });
}

BinaryStream FolderItem::OpenAsBinaryFile(bool writable) const {
    State& state = *state_;
    return OpenStream<BinaryStream>(state.lastError, [&](std::string& error) {
        return BinaryStream::Open(state.path, writable, error);
    });
}

String FolderItem::LastError() const {
    return PathText(state_->lastError);
}

const std::string& FolderItem::PosixPath() const {
    return state_->path;
}
