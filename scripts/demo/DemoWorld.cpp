#include "scripts/demo/DemoWorld.h"

#include <filesystem>
#include <fstream>
#include <stdexcept>

#include "platform/files/FolderItem.h"
#include "scripts/demo/NewMac.h"
#include "scripts/demo/OldMac.h"
#include "tests/support/FakeMacDisk.h"

namespace demo {

namespace fs = std::filesystem;

namespace {

constexpr const char* kMarker = ".dravo-demo-world";
constexpr const char* kExecutableFolder = "contents/MacOS";

std::string NormalFolder(const std::string& folder) {
    fs::path path = fs::absolute(folder).lexically_normal();
    if (!path.has_filename())
        path = path.parent_path();
    return path.string();
}

void RequireBuilt(const std::string& bundle) {
    if (!fs::is_regular_file(fs::path(bundle) / "contents/PkgInfo"))
        throw std::runtime_error("the assistant is not built: " + bundle +
                                 "/contents/PkgInfo is missing");
}

// A copy of the built bundle, as a user installs it by dragging.
void InstallAssistant(const std::string& assistantBundle, const std::string& folder) {
    const FolderItem bundle = FolderItem::AtPosixPath(assistantBundle);
    const FolderItem destination = FolderItem::AtPosixPath(folder);
    if (!destination.CreateAsFolder())
        throw std::runtime_error(destination.LastError().ToUTF8());
    if (!bundle.CopyFileTo(destination))
        throw std::runtime_error(bundle.LastError().ToUTF8());
}

} // namespace

DemoWorld::DemoWorld(std::string folder) : folder_(NormalFolder(folder)) {}

std::string DemoWorld::OldDisk() const {
    return folder_ + "/Network/Old Mac HD";
}
std::string DemoWorld::OldHome() const {
    return OldDisk() + "/Users/" + std::string(kUser);
}
std::string DemoWorld::NewDisk() const {
    return folder_ + "/New Mac HD";
}
std::string DemoWorld::NewHome() const {
    return NewDisk() + "/Users/" + std::string(kUser);
}
std::string DemoWorld::Device() const {
    return folder_ + "/USB/DRAVO USB";
}

DemoStart DemoWorld::OldMacWithDevice() const {
    return {OldDisk(), OldHome(), folder_ + "/USB", Device()};
}

DemoStart DemoWorld::NewMacWithDevice() const {
    return {NewDisk(), NewHome(), folder_ + "/USB", Device()};
}

DemoStart DemoWorld::NewMacOnNetwork() const {
    return {NewDisk(), NewHome(), folder_ + "/Network", NewDisk() + "/Applications"};
}

bool DemoWorld::Exists() const {
    return fs::is_regular_file(fs::path(folder_) / kMarker);
}

void DemoWorld::Make(const std::string& assistantBundle) const {
    RequireBuilt(assistantBundle);
    StartClean();

    FakeMacDisk oldDisk(folder_ + "/Network", "Old Mac HD");
    MakeOldMac(oldDisk, kUser);
    FakeMacDisk newDisk(folder_, "New Mac HD");
    MakeNewMac(newDisk, kUser);
    FakeMacDisk device(folder_ + "/USB", "DRAVO USB");

    InstallAssistant(assistantBundle, Device());
    InstallAssistant(assistantBundle, NewDisk() + "/Applications");
}

void DemoWorld::UpdateAssistant(const std::string& assistantBundle) const {
    RequireBuilt(assistantBundle);
    const fs::path built = fs::path(assistantBundle) / kExecutableFolder;
    for (const std::string& folder : {Device(), NewDisk() + "/Applications"}) {
        const fs::path installed = fs::path(folder) / kBundleName / kExecutableFolder;
        for (const auto& file : fs::directory_iterator(built)) {
            // Beside, then over it: an assistant running from the world keeps its file.
            const fs::path target = installed / file.path().filename();
            const fs::path beside = target.string() + ".new";
            fs::copy_file(file.path(), beside, fs::copy_options::overwrite_existing);
            fs::rename(beside, target);
        }
    }
}

// Only a folder that is missing, empty or marked as a world is used; the
// marker is written first, so that a world left half made is made again.
void DemoWorld::StartClean() const {
    const fs::path folder(folder_);
    if (fs::exists(folder)) {
        if (!fs::is_directory(folder))
            throw std::runtime_error(folder_ + " is not a folder");
        if (Exists()) {
            for (const auto& entry : fs::directory_iterator(folder))
                fs::remove_all(entry.path());
        } else if (!fs::is_empty(folder)) {
            throw std::runtime_error(folder_ + " holds other files and no " + kMarker +
                                     ": it is not a demo world, and nothing in it was removed");
        }
    }
    fs::create_directories(folder);
    std::ofstream marker(folder / kMarker);
    marker << "A demo world of the DRAVO Migration Assistant. Making it again removes all that "
              "this folder holds.\n";
    if (!marker.flush())
        throw std::runtime_error("cannot write " + (folder / kMarker).string());
}

} // namespace demo
