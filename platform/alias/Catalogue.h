#pragma once
// The directory IDs of this process, as a Mac catalogue numbers folders: the
// root of a volume is 2 and its parent 1; every other folder gets an ID when
// first met, and keeps it for the rest of the run. Volumes get a reference
// number (-1, -2, ...) when first met.

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/alias/MacTypes.h"
#include "platform/files/FolderItem.h"

namespace alias {

inline constexpr SInt32 kRootParentID = 1;
inline constexpr SInt32 kRootDirID = 2;

class Catalogue {
public:
    static Catalogue& Instance();

    // The reference number of the volume whose root is this folder.
    SInt16 VolumeRef(const FolderItem& volumeRoot);

    // The ID of a folder at or below the root of volume vRefNum; 0 for a
    // folder outside it or an unknown volume.
    SInt32 DirectoryID(SInt16 vRefNum, const std::string& posixPath);

    struct Directory {
        std::string name; // as on disk; the volume's name for its root
        SInt32 parentID = 0;
    };
    // What the catalogue knows of directory dirID: nsvErr for an unknown
    // volume, dirNFErr for an unknown ID or a folder that is gone.
    OSErr Lookup(SInt16 vRefNum, SInt32 dirID, Directory& directory);

private:
    struct Volume {
        std::string name;
        std::string rootPath;
        std::map<std::string, SInt32> idOfPath;
        std::vector<std::string> pathOfID; // from the first ID given to a folder
    };

    Volume* VolumeOf(SInt16 vRefNum);

    std::vector<Volume> volumes_;
};

} // namespace alias
