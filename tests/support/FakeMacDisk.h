#pragma once
// A Mac disk laid out in a folder, for tests and the demo: folders, files
// with contents, files whose type and creator are kept as an extended
// attribute or an AppleDouble companion, application bundles with PkgInfo,
// hidden entries and symbolic links. Paths are relative to the disk's root,
// with "/" between names:
//
//   FakeMacDisk disk;
//   disk.AppBundle("Applications/Solvane/Solvane.app", "APPLqWt1");
//   disk.TypedFile("Documents/Notes", "TEXT", "qWt1", Storage::AppleDouble);
//
// Every builder makes the missing folders above its entry and returns the
// entry; a builder that fails throws std::runtime_error saying why.

#include "platform/files/FolderItem.h"
#include "tests/support/TemporaryFolder.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

enum class Storage { ExtendedAttribute, AppleDouble };

class FakeMacDisk {
public:
    // A disk of that name in a temporary folder of its own, removed with it.
    explicit FakeMacDisk(std::string_view name = "Macintosh HD");
    // A disk of that name inside an existing folder, which owns it.
    FakeMacDisk(const std::string& parentFolder, std::string_view name);

    // The POSIX path of the root, or of a relative path on the disk.
    const std::string& Path() const { return root_; }
    std::string Path(std::string_view relative) const;
    FolderItem Root() const;
    // The entry at a relative path, existing or not.
    FolderItem Item(std::string_view relative) const;

    FolderItem Folder(std::string_view relative);
    FolderItem File(std::string_view relative, std::string_view contents = "");
    FolderItem TypedFile(std::string_view relative, std::string_view type, std::string_view creator,
                         Storage storage = Storage::ExtendedAttribute,
                         std::string_view contents = "");
    // A bundle folder with <contentsName>/PkgInfo holding typeCreator
    // ("APPLqWt1"), and <contentsName>/MacOS and Resources folders.
    FolderItem AppBundle(std::string_view relative, std::string_view typeCreator,
                         std::string_view contentsName = "Contents");
    FolderItem SymbolicLink(std::string_view relative, std::string_view target);

    // Sets the Finder information of an existing entry.
    void SetFinderInfo(std::string_view relative, std::string_view type, std::string_view creator,
                       std::uint16_t flags = 0, Storage storage = Storage::ExtendedAttribute);
    // The date the disk reports as its creation (Mac seconds since 1904), kept
    // in the root's companion "._." or, as a netatalk server keeps it, in the
    // root's metadata attribute (Storage::ExtendedAttribute).
    void SetVolumeCreationDate(std::uint32_t macSeconds, Storage storage = Storage::AppleDouble);
    // Sets the Finder's invisible flag, keeping type and creator.
    void SetInvisible(std::string_view relative, Storage storage = Storage::ExtendedAttribute);

private:
    std::unique_ptr<TemporaryFolder> ownFolder_;
    std::string root_;
};
