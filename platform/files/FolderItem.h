#pragma once
// The framework's FolderItem: a handle on a file or folder, existing or not,
// named by its POSIX path. Copies of a handle share one item; a default
// handle is Nil and every method on it throws NilObjectException.
//
// Names match the way a Mac disk matches them: Child takes the exact name
// when it is there, else the entry equal to it but for letter case and
// Unicode normalisation. Item and Count list a folder in the order of an HFS+
// catalogue, without the "._" AppleDouble companions. A symbolic link is an
// item of its own, never a folder: nothing here walks through one.
//
// Asking about an entry of a folder whose listing is cached costs one look at
// the folder: its kind comes from the listing, and its Finder information is
// read once per listing and kept for a moment (see FolderListing.h).
//
// Operations that can fail return false (or a Nil stream) and keep the
// reason, naming the path, in LastError. Soft errors stay inside: creating a
// folder that is already there succeeds.

#include "platform/files/BinaryStream.h"
#include "platform/files/NilCheckedHandle.h"
#include "platform/files/TextInputStream.h"
#include "platform/files/TextOutputStream.h"
#include "platform/text/String.h"

#include <string>

class FolderItem {
public:
    FolderItem() = default;
    FolderItem(NilType) {}

    // The item at an absolute POSIX path, taken as it is but for "." and ".."
    // and doubled or trailing slashes. GetFolderItem is the way in from text
    // of any other form.
    static FolderItem AtPosixPath(std::string path);

    bool IsNil() const { return state_.IsNil(); }
    friend bool operator==(const FolderItem& item, NilType) { return item.IsNil(); }

    // The entry of this folder with that name, whether it exists or not. A "/"
    // in a Mac name is a ":" on disk. Nil when this is not an existing folder
    // (a link is none; LastError says why) or the name can't be an entry's
    // ("", ".", "..", NUL, too long).
    FolderItem Child(const String& name) const;
    // The index-th entry, counted from 1; Nil outside 1...Count.
    FolderItem Item(int index) const;
    // Entries of this folder; 0 for anything that is no readable folder.
    int Count() const;
    // Why this folder's entries cannot be listed, naming its path, so
    // that an unreadable folder is never taken for an empty one; empty when
    // they can, also when there are none.
    String ListingError() const;

    // False also for an entry whose name is not valid UTF-8: the program's
    // text cannot name it, so it is passed over like a missing one. Directory,
    // Count and the copies still see it, so that a tree holding one is copied
    // and removed whole.
    bool Exists() const;
    bool Directory() const;
    // False for a name starting with "." and for the Finder's invisible flag.
    bool Visible() const;
    String Name() const;
    // The POSIX path, the same text every time for the same item.
    String AbsolutePath() const;
    // Four characters each: "fold" and "MACS" for a folder; a file's from its
    // Finder information; empty when it has none.
    String MacType() const;
    String MacCreator() const;

    // Copies this file, link or folder with its whole tree into the folder,
    // under its own name, with permissions, times, extended attributes,
    // AppleDouble companions and symbolic links as links. Refuses to copy a
    // folder into itself and leaves an entry of the same name untouched; after
    // a failure nothing of the copy is left. Device nodes, pipes and sockets
    // are never made: the copy is made without them and fails, naming one.
    bool CopyFileTo(const FolderItem& destinationFolder) const;
    // Removes a file or link (with its companion) or an empty folder.
    bool Delete() const;
    // Removes this entry and, for a folder, everything inside it, yielding
    // between entries. It works relative to the folders it opened itself and
    // never follows a link: a folder swapped for a link meanwhile goes as
    // the link, and what it points to stays.
    bool DeleteTree() const;
    // Sets the permission bits (07777) of a file or folder; a link's own
    // bits are never changed, nor what it points to.
    bool SetPermissions(int permissions) const;
    bool CreateAsFolder() const;
    // Creates an empty file, replacing one that is there.
    TextOutputStream CreateTextFile() const;
    TextInputStream OpenAsTextFile() const;
    BinaryStream OpenAsBinaryFile(bool writable = false) const;

    // Why the last failing operation failed: "「<path>」：<reason>".
    String LastError() const;

    // The POSIX path in the file system's own bytes, for the layer itself.
    const std::string& PosixPath() const;

private:
    struct State;
    NilCheckedHandle<State> state_;
};
