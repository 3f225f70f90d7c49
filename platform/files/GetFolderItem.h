#pragma once
// The framework's GetFolderItem: the item a path names, existing or not.
//
//   ""                      the program folder (see ProgramFolder.h)
//   "temp", "a/b"           an entry below the program folder
//   "/Users/x/Documents"    a POSIX absolute path
//   "Macintosh HD:Users:x:" a Mac path on the mounted volume of that name;
//                           a "/" inside a Mac name is ":" on disk; of
//                           several of that name, as SameNamedVolumes.h says
//
// Names match as a Mac disk matches them (see FolderItem.h). Nil for text
// that can't be a path: a NUL byte, a Mac or relative path that is not
// text, an empty Mac name, a volume that is not mounted, a name or path too
// long. A POSIX path may hold any other bytes, as a disk's names may.

#include "platform/files/FolderItem.h"

// pathType is the framework's; every type takes all the forms above.
FolderItem GetFolderItem(const String& path, int pathType = 0);
