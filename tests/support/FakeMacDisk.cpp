#include "tests/support/FakeMacDisk.h"

#include "platform/files/FinderInfo.h"
#include "platform/files/PosixPath.h"
#include "tests/support/FileFacts.h"

#include <filesystem>
#include <fstream>
#include <stdexcept>

namespace {

void Check(bool ok, const FolderItem& item, std::string_view what) {
    if (!ok)
        throw std::runtime_error(std::string(what) + ": " + item.LastError().ToUTF8());
}

std::string ParentFolderOf(std::string_view relative) {
    const auto slash = relative.rfind('/');
    return slash == std::string_view::npos ? std::string() : std::string(relative.substr(0, slash));
}

files::FinderInfoStorage LayerStorage(Storage storage) {
    return storage == Storage::AppleDouble ? files::FinderInfoStorage::AppleDouble
                                           : files::FinderInfoStorage::ExtendedAttribute;
}

} // namespace

FakeMacDisk::FakeMacDisk(std::string_view name)
    : ownFolder_(std::make_unique<TemporaryFolder>()), root_(ownFolder_->Path(name)) {
    Folder("");
}

FakeMacDisk::FakeMacDisk(const std::string& parentFolder, std::string_view name)
    : root_(files::JoinPath(parentFolder, name)) {
    Folder("");
}

std::string FakeMacDisk::Path(std::string_view relative) const {
    return relative.empty() ? root_ : files::JoinPath(root_, relative);
}

FolderItem FakeMacDisk::Root() const {
    return FolderItem::AtPosixPath(root_);
}

FolderItem FakeMacDisk::Item(std::string_view relative) const {
    return FolderItem::AtPosixPath(Path(relative));
}

FolderItem FakeMacDisk::Folder(std::string_view relative) {
    std::string path = "/";
    for (const auto& name : files::SplitPath(Path(relative))) {
        path = files::JoinPath(path, name);
        const FolderItem folder = FolderItem::AtPosixPath(path);
        Check(folder.CreateAsFolder(), folder, "making a folder");
    }
    return Item(relative);
}

FolderItem FakeMacDisk::File(std::string_view relative, std::string_view contents) {
    Folder(ParentFolderOf(relative));
    const FolderItem file = Item(relative);
    TextOutputStream out = file.CreateTextFile();
    Check(out != Nil, file, "making a file");
    out.Write(String::FromBytes(std::string(contents)));
    out.Close();
    Check(out.LastError().IsEmpty(), file, "writing a file");
    return file;
}

FolderItem FakeMacDisk::TypedFile(std::string_view relative, std::string_view type,
                                  std::string_view creator, Storage storage,
                                  std::string_view contents) {
    const FolderItem file = File(relative, contents);
    SetFinderInfo(relative, type, creator, 0, storage);
    return file;
}

FolderItem FakeMacDisk::AppBundle(std::string_view relative, std::string_view typeCreator,
                                  std::string_view contentsName) {
    const std::string contents = std::string(relative) + "/" + std::string(contentsName);
    Folder(contents + "/MacOS");
    Folder(contents + "/Resources");
    File(contents + "/PkgInfo", typeCreator);
    return Item(relative);
}

FolderItem FakeMacDisk::SymbolicLink(std::string_view relative, std::string_view target) {
    Folder(ParentFolderOf(relative));
    std::filesystem::create_symlink(std::string(target), Path(relative));
    return Item(relative);
}

void FakeMacDisk::SetFinderInfo(std::string_view relative, std::string_view type,
                                std::string_view creator, std::uint16_t flags, Storage storage) {
    std::string error;
    if (!files::WriteFinderInfo(Path(relative), files::FinderInfo::ForFile(type, creator, flags),
                                LayerStorage(storage), error))
        throw std::runtime_error("setting Finder information: " + error);
}

void FakeMacDisk::SetInvisible(std::string_view relative, Storage storage) {
    auto info = files::ReadFinderInfo(Path(relative)).value_or(files::FinderInfo{});
    info.SetFlags(info.Flags() | files::FinderInfo::kInvisible);
    std::string error;
    if (!files::WriteFinderInfo(Path(relative), info, LayerStorage(storage), error))
        throw std::runtime_error("setting the invisible flag: " + error);
}

void FakeMacDisk::SetVolumeCreationDate(std::uint32_t macSeconds, Storage storage) {
    // An AppleDouble blob with one entry: the dates (8).
    std::string blob = {0, 5, 0x16, 7, 0, 2, 0, 0};
    blob.append(16, '\0');
    blob += std::string{0, 1, 0, 0, 0, 8, 0, 0, 0, 38, 0, 0, 0, 16};
    const std::uint32_t since2000 = macSeconds - 3029529600u;
    for (int shift = 24; shift >= 0; shift -= 8)
        blob += static_cast<char>(since2000 >> shift & 0xFF);
    blob.append(12, '\0');
    if (storage == Storage::ExtendedAttribute) {
        SetAttribute(root_, "user.org.netatalk.Metadata", blob);
        return;
    }
    std::ofstream out(Path("._."), std::ios::binary | std::ios::trunc);
    out << blob;
    if (!out.flush())
        throw std::runtime_error("writing the volume's creation date");
}
