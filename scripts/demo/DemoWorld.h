#pragma once
// A demo world: the two Macs and the external device that the assistant
// moves the maker's products between, laid out in one folder so that the
// assistant can be tried on a machine that is not a Mac.
//
//   <world>/Network/Old Mac HD  the old Mac's start-up disk, user "taro": the
//                               maker's products, their preferences, Application
//                               Support and document folders
//   <world>/New Mac HD          the new Mac's start-up disk, user "taro": an older
//                               Solvane preference folder, the assistant installed
//                               in Applications (network method)
//   <world>/USB/DRAVO USB       the external device, holding the assistant
//
// "Network" and "USB" are folders of volumes (DRAVO_VOLUMES): the disks that
// the new Mac sees across the network, and the device plugged into either
// Mac. The file ".dravo-demo-world" marks a folder as a world made here: only
// such a folder is ever removed to make the world anew.

#include <string>
#include <string_view>

namespace demo {

// What the assistant is started with: its environment and its own path.
struct DemoStart {
    std::string startupDisk; // DRAVO_STARTUP_DISK
    std::string home;        // HOME
    std::string volumes;     // DRAVO_VOLUMES
    std::string programFolder;
};

class DemoWorld {
public:
    static constexpr std::string_view kUser = "taro";
    static constexpr std::string_view kBundleName = "DRAVO Migration Assistant.app";

    explicit DemoWorld(std::string folder);

    const std::string& Folder() const { return folder_; }
    std::string OldDisk() const;
    std::string OldHome() const;
    std::string NewDisk() const;
    std::string NewHome() const;
    std::string Device() const;

    // The device route: the old Mac copies, then the new Mac pastes.
    DemoStart OldMacWithDevice() const;
    DemoStart NewMacWithDevice() const;
    // The network route: the new Mac copies from the old Mac's disk.
    DemoStart NewMacOnNetwork() const;

    // True when the folder holds a world made here.
    bool Exists() const;
    // Removes the world that is there (only a marked one) and makes it anew,
    // with copies of the assistant's bundle. Throws std::runtime_error saying
    // why it can't: a folder of other contents, an assistant not built.
    void Make(const std::string& assistantBundle) const;
    // Replaces the world's copies of the assistant's executable by the
    // bundle's, keeping everything else (a transfer folder, a copy-done marker).
    void UpdateAssistant(const std::string& assistantBundle) const;

private:
    void StartClean() const;

    std::string folder_;
};

} // namespace demo
